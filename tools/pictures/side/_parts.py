"""Small catalogue objects in flat 2D that the side pages' pictures share: backdrops,
shadows and highlights, bottles, canisters and tubs, device housings, pipes and labels.

Coordinates are final pixels; sizes are given by the caller, usually scaled with the
picture's height, so that one drawing serves boxes of different sizes."""

import math
import random

from PIL import ImageDraw

from ..canvas import SS, mask_and
from ..palette import STAINLESS, STAINLESS_EDGE, WHITE, WOOD, font, shade
from ..pool_parts import tube
from ..scenery import wave_band

BOLD = "LiberationSans-Bold.ttf"
REGULAR = "LiberationSans-Regular.ttf"

INK = (40, 52, 70)
NAVY = (0, 0, 128)
PLASTIC = (246, 247, 248)
PLASTIC_EDGE = (176, 184, 194)
HOUSING = (236, 238, 240)
HOUSING_EDGE = (150, 158, 168)
DISPLAY = (46, 64, 58)
DISPLAY_TEXT = (140, 240, 170)
RED = (220, 56, 48)
BLUE = (30, 110, 200)
YELLOW = (250, 204, 40)
GREEN = (54, 160, 80)
TILE = (232, 240, 246)
TILE_JOINT = (204, 216, 226)
PINE = (222, 180, 122)
PINE_DARK = (178, 132, 80)


# --------------------------------------------------------------------------
# Backdrops
# --------------------------------------------------------------------------

def fill(cv, c0, c1, y0=0.0, y1=None):
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((0, 0, cv.w * SS, cv.h * SS), fill=255)
    cv.fill_gradient(m, y0, cv.h if y1 is None else y1, c0, c1)


def studio(cv, floor=0.78):
    """A light studio backdrop with a soft floor, for objects shown on their own."""
    fill(cv, (244, 250, 253), (206, 232, 246))
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((0, cv.h * floor * SS, cv.w * SS, cv.h * SS), fill=255)
    cv.fill_gradient(m, cv.h * floor, cv.h, (222, 238, 247), (192, 220, 236))
    cv.line([(0, cv.h * floor), (cv.w, cv.h * floor)], (214, 232, 244), 1)


def poolside(cv, water=0.72):
    """Light tiles of a pool surround above a band of water."""
    fill(cv, (248, 251, 253), (226, 238, 246))
    tile = cv.h * 0.16
    y = 0.0
    while y < cv.h * water:
        cv.line([(0, y), (cv.w, y)], TILE_JOINT, 0.6)
        y += tile
    x = 0.0
    while x < cv.w:
        cv.line([(x, 0), (x, cv.h * water)], TILE_JOINT, 0.6)
        x += tile
    wave_band(cv, cv.h * water, cv.h * 0.02, cv.w * 0.35, (110, 206, 236), 0.9)
    wave_band(cv, cv.h * (water + 0.08), cv.h * 0.018, cv.w * 0.25, (40, 160, 214), 0.95, 1.5)


def underwater(cv, seed=1):
    """The floor of a pool seen under water: blue with the sun's light net."""
    fill(cv, (120, 214, 240), (24, 130, 196))
    rng = random.Random(seed)
    net = cv.new_mask()
    d = ImageDraw.Draw(net)
    for _ in range(int(cv.w * cv.h / 900) + 6):
        x, y = rng.uniform(0, cv.w), rng.uniform(0, cv.h)
        r = rng.uniform(0.05, 0.11) * cv.h
        pts = [((x + r * math.cos(a) * rng.uniform(0.7, 1.2)) * SS, (y + r * 0.6 * math.sin(a)) * SS)
               for a in [k * math.pi / 3 for k in range(7)]]
        d.line(pts, fill=255, width=max(1, int(SS * 1.2)))
    cv.tint(cv.blur_mask(net, 0.8), (220, 250, 255), 0.35)
    floor = cv.new_mask()
    ImageDraw.Draw(floor).rectangle((0, cv.h * 0.8 * SS, cv.w * SS, cv.h * SS), fill=255)
    cv.tint(floor, (16, 100, 170), 0.35)


def plant_room(cv, floor=0.8):
    """The wall and floor of a plant room, where the water-care units hang."""
    fill(cv, (238, 241, 243), (214, 220, 226), 0, cv.h * floor)
    tile = cv.h * 0.2
    for k in range(int(cv.w / tile) + 2):
        cv.line([(k * tile, 0), (k * tile, cv.h * floor)], (224, 228, 232), 0.6)
    for k in range(int(cv.h * floor / tile) + 1):
        cv.line([(0, k * tile), (cv.w, k * tile)], (224, 228, 232), 0.6)
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((0, cv.h * floor * SS, cv.w * SS, cv.h * SS), fill=255)
    cv.fill_gradient(m, cv.h * floor, cv.h, (170, 174, 178), (140, 144, 150))


def planks(cv, box, colour=PINE, vertical=True, width=None, seed=3):
    """Wooden boards filling a box (sauna walls, cladding)."""
    x0, y0, x1, y1 = box
    rng = random.Random(seed)
    cv.rect(box, fill=colour)
    step = width or ((x1 - x0) / 8 if vertical else (y1 - y0) / 6)
    pos = x0 if vertical else y0
    end = x1 if vertical else y1
    while pos < end:
        nxt = min(end, pos + step)
        tone = shade(colour, rng.uniform(0.93, 1.05))
        if vertical:
            cv.rect((pos, y0, nxt, y1), fill=tone)
            cv.line([(pos, y0), (pos, y1)], shade(colour, 0.78), 0.6)
        else:
            cv.rect((x0, pos, x1, nxt), fill=tone)
            cv.line([(x0, pos), (x1, pos)], shade(colour, 0.78), 0.6)
        pos = nxt


# --------------------------------------------------------------------------
# Light and shadow
# --------------------------------------------------------------------------

def soft_shadow(cv, cx, cy, rx, ry, alpha=0.28, colour=(40, 60, 80)):
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((cx - rx) * SS, (cy - ry) * SS, (cx + rx) * SS, (cy + ry) * SS), fill=255)
    cv.tint(cv.blur_mask(m, max(1.0, ry * 0.6)), colour, alpha)


def highlight(cv, box, alpha=0.45, colour=WHITE):
    x0, y0, x1, y1 = box
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    cv.tint(cv.blur_mask(m, max(1.0, (x1 - x0) * 0.2)), colour, alpha)


def glow(cv, cx, cy, r, colour=(255, 214, 120), alpha=0.6):
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS), fill=255)
    cv.tint(cv.blur_mask(m, r * 0.45), colour, alpha)


def side_shade(cv, box, radius=0, alpha=0.18):
    """Darkens the right part of a rounded shape a little, so that it reads as round."""
    x0, y0, x1, y1 = box
    m = cv.new_mask()
    ImageDraw.Draw(m).rounded_rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), radius=radius * SS, fill=255)
    band = cv.new_mask()
    ImageDraw.Draw(band).rectangle(((x0 + (x1 - x0) * 0.62) * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    cv.tint(cv.blur_mask(mask_and(m, band), (x1 - x0) * 0.08), (30, 40, 60), alpha)


# --------------------------------------------------------------------------
# Text
# --------------------------------------------------------------------------

def label(cv, box, text, fg=WHITE, bg=None, size=None, font_name=BOLD, radius=0):
    """A label: an optional plate with one or two lines of text centred on it."""
    x0, y0, x1, y1 = box
    if bg is not None:
        cv.rect(box, fill=bg, radius=radius)
    lines = text.split("\n")
    size = size or (y1 - y0) / (len(lines) + 0.6)
    # a long line takes a smaller type, so that it stays on its plate
    room = (x1 - x0) * 0.88
    for line in lines:
        width = font(font_name, int(size * SS)).getlength(line) / SS
        if width > room:
            size *= room / width
    for k, line in enumerate(lines):
        cy = (y0 + y1) / 2 + (k - (len(lines) - 1) / 2) * size * 1.1
        cv.text(((x0 + x1) / 2, cy), line, font_name, size, fg, anchor="mm")


# --------------------------------------------------------------------------
# Containers
# --------------------------------------------------------------------------

def bottle(cv, cx, base, w, h, body, cap, text="", text_colour=WHITE, band=None):
    """A bottle of cleaner: round shoulders, a screw cap and a printed label."""
    soft_shadow(cv, cx + w * 0.1, base, w * 0.62, w * 0.12)
    neck = w * 0.34
    shoulder = base - h * 0.78
    cv.rect((cx - w / 2, shoulder, cx + w / 2, base), fill=body, radius=w * 0.16)
    cv.polygon([(cx - w / 2 + w * 0.04, shoulder + w * 0.1), (cx - neck / 2, base - h * 0.9),
                (cx + neck / 2, base - h * 0.9), (cx + w / 2 - w * 0.04, shoulder + w * 0.1)], body)
    cv.rect((cx - neck / 2 - 1, base - h, cx + neck / 2 + 1, base - h * 0.89), fill=cap, radius=w * 0.05)
    for k in range(1, 4):
        x = cx - neck / 2 + neck * k / 4
        cv.line([(x, base - h * 0.99), (x, base - h * 0.9)], shade(cap, 0.8), 0.6)
    side_shade(cv, (cx - w / 2, shoulder, cx + w / 2, base), w * 0.16)
    lab = (cx - w * 0.42, base - h * 0.62, cx + w * 0.42, base - h * 0.16)
    cv.rect(lab, fill=band or WHITE, radius=w * 0.04)
    if text:
        label(cv, lab, text, fg=text_colour, size=min(w * 0.2, (lab[3] - lab[1]) * 0.32))
    highlight(cv, (cx - w * 0.4, shoulder + h * 0.05, cx - w * 0.22, base - h * 0.1), 0.35)


def canister(cv, x0, base, w, h, body, cap, text="", text_colour=WHITE, band=WHITE):
    """A canister with a carrying handle and a screw cap on its shoulder."""
    soft_shadow(cv, x0 + w * 0.55, base, w * 0.6, w * 0.08)
    top = base - h
    cv.rect((x0, top + h * 0.16, x0 + w, base), fill=body, radius=w * 0.08)
    # the handle: a bar with a hole under it
    cv.rect((x0 + w * 0.08, top, x0 + w * 0.62, top + h * 0.28), fill=body, radius=w * 0.07)
    cv.rect((x0 + w * 0.2, top + h * 0.07, x0 + w * 0.5, top + h * 0.2), fill=shade(body, 0.7), radius=w * 0.04)
    cv.rect((x0 + w * 0.68, top + h * 0.05, x0 + w * 0.9, top + h * 0.17), fill=cap, radius=w * 0.03)
    side_shade(cv, (x0, top + h * 0.16, x0 + w, base), w * 0.08)
    lab = (x0 + w * 0.1, top + h * 0.4, x0 + w * 0.9, base - h * 0.1)
    cv.rect(lab, fill=band, radius=w * 0.04)
    if text:
        label(cv, lab, text, fg=text_colour, size=min(w * 0.16, (lab[3] - lab[1]) * 0.3))
    highlight(cv, (x0 + w * 0.05, top + h * 0.3, x0 + w * 0.2, base - h * 0.1), 0.3)


def tub(cv, cx, base, w, h, body, lid, text="", text_colour=WHITE, band=None):
    """A tub of tablets or granules: tapered, with a lid."""
    soft_shadow(cv, cx + w * 0.08, base, w * 0.6, w * 0.1)
    top = base - h
    cv.polygon([(cx - w / 2, top), (cx + w / 2, top), (cx + w * 0.44, base), (cx - w * 0.44, base)], body)
    cv.rect((cx - w * 0.55, top - h * 0.12, cx + w * 0.55, top + h * 0.04), fill=lid, radius=w * 0.04)
    side_shade(cv, (cx - w / 2, top, cx + w / 2, base), 0, 0.14)
    lab = (cx - w * 0.4, top + h * 0.25, cx + w * 0.4, base - h * 0.16)
    cv.rect(lab, fill=band or lid, radius=w * 0.03)
    if text:
        label(cv, lab, text, fg=text_colour, size=min(w * 0.17, (lab[3] - lab[1]) * 0.34))


# --------------------------------------------------------------------------
# Devices
# --------------------------------------------------------------------------

def housing(cv, box, colour=HOUSING, depth=None, radius=None, edge=HOUSING_EDGE):
    """A device housing seen slightly from the right and above: front, top and side."""
    x0, y0, x1, y1 = box
    d = depth if depth is not None else (x1 - x0) * 0.12
    r = radius if radius is not None else (x1 - x0) * 0.05
    cv.polygon([(x0, y0), (x0 + d, y0 - d * 0.6), (x1 + d, y0 - d * 0.6), (x1, y0)], shade(colour, 1.04))
    cv.polygon([(x1, y0), (x1 + d, y0 - d * 0.6), (x1 + d, y1 - d * 0.6), (x1, y1)], shade(colour, 0.8))
    cv.rect(box, fill=colour, outline=edge, width=0.6, radius=r)
    highlight(cv, (x0 + (x1 - x0) * 0.05, y0 + (y1 - y0) * 0.04, x0 + (x1 - x0) * 0.5, y0 + (y1 - y0) * 0.3), 0.35)


def screen(cv, box, text="", colour=DISPLAY, text_colour=DISPLAY_TEXT):
    cv.rect(box, fill=colour, outline=shade(colour, 0.6), width=0.6, radius=1.5)
    if text:
        label(cv, box, text, fg=text_colour, size=(box[3] - box[1]) * 0.55)


def knob(cv, cx, cy, r, colour=(60, 70, 84)):
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour)
    cv.ellipse((cx - r * 0.55, cy - r * 0.7, cx + r * 0.1, cy - r * 0.1), fill=shade(colour, 1.5))


def lamp(cv, cx, cy, r, colour):
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour, outline=shade(colour, 0.7), width=0.5)


def pipe(cv, pts, width, colour=(236, 238, 240), edge=(150, 158, 168)):
    tube(cv, pts, width, fill=colour, edge=edge)


def hose(cv, pts, width, colour=(60, 64, 72)):
    """A soft hose through the points, drawn as a smooth curve."""
    smooth = []
    for k in range(len(pts) - 1):
        (ax, ay), (bx, by) = pts[k], pts[k + 1]
        for t in range(8):
            u = t / 8
            smooth.append((ax + (bx - ax) * u, ay + (by - ay) * u))
    smooth.append(pts[-1])
    # a soft Chaikin pass rounds the corners
    for _ in range(3):
        out = [smooth[0]]
        for (ax, ay), (bx, by) in zip(smooth, smooth[1:]):
            out += [(ax * 0.75 + bx * 0.25, ay * 0.75 + by * 0.25), (ax * 0.25 + bx * 0.75, ay * 0.25 + by * 0.75)]
        out.append(smooth[-1])
        smooth = out
    cv.line(smooth, shade(colour, 0.7), width + 1)
    cv.line(smooth, colour, width)
    cv.line([(x - width * 0.2, y - width * 0.2) for x, y in smooth], shade(colour, 1.6), max(0.6, width * 0.25))


def steel_cylinder(cv, box, colour=STAINLESS, edge=STAINLESS_EDGE, horizontal=False):
    """A brushed stainless cylinder (heat exchanger, UV unit) with shading across it."""
    x0, y0, x1, y1 = box
    cv.rect(box, fill=colour, outline=edge, width=0.6, radius=(y1 - y0) * 0.5 if horizontal else (x1 - x0) * 0.12)
    m = cv.new_mask()
    if horizontal:
        ImageDraw.Draw(m).rounded_rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), radius=(y1 - y0) * 0.5 * SS,
                                            fill=255)
        cv.shade_gradient(m, y0, y1, (60, 70, 84), 0.0, 0.45)
        highlight(cv, (x0 + (x1 - x0) * 0.05, y0 + (y1 - y0) * 0.12, x1 - (x1 - x0) * 0.05, y0 + (y1 - y0) * 0.4),
                  0.55)
    else:
        side_shade(cv, box, (x1 - x0) * 0.12, 0.3)
        highlight(cv, (x0 + (x1 - x0) * 0.12, y0 + (y1 - y0) * 0.04, x0 + (x1 - x0) * 0.35, y1 - (y1 - y0) * 0.04),
                  0.5)


def water_drop(cv, cx, cy, s, colour=WHITE):
    cv.polygon([(cx, cy - s * 1.5), (cx + s * 0.7, cy), (cx - s * 0.7, cy)], colour)
    cv.ellipse((cx - s * 0.7, cy - s * 0.7, cx + s * 0.7, cy + s * 0.7), fill=colour)


def heat_waves(cv, x, y0, y1, n=3, gap=6.0, colour=(255, 150, 60), width=1.4):
    for k in range(n):
        pts = []
        steps = 24
        for i in range(steps + 1):
            t = i / steps
            pts.append((x + k * gap + math.sin(t * math.pi * 3) * gap * 0.3, y0 + (y1 - y0) * t))
        cv.line(pts, colour, width)


def wood_grain(cv, box, colour=WOOD, seed=2):
    x0, y0, x1, y1 = box
    rng = random.Random(seed)
    for _ in range(int((y1 - y0) / 3)):
        y = rng.uniform(y0, y1)
        cv.line([(x0 + 1, y), (x1 - 1, y + rng.uniform(-1, 1))], shade(colour, 0.88), 0.4)

