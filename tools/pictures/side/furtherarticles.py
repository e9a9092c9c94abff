"""Pictures of the further-articles page (pages/side/furtherarticlespage.ui): the dealer's
wider range, five small pictures a sub-topic at most.  Every box is 306 x 150, so each
drawing is laid out on that frame (s = h / 150) and kept simple: one object or a small
group of them that says what the caption under it says."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas, mask_and, mask_minus
from ..entries import Picture
from ..palette import FOAM, GRASS_NEAR, STAINLESS, STAINLESS_EDGE, STONE_COLOURS, WHITE, WOOD, WOOD_DARK, shade
from ..plans import circle_plan, offset_plan, oval_plan, rect_plan
from ..pool_parts import draw_wall, draw_water, tube
from ..pools import draw_inground_pool
from ..scenery import draw_bush, garden_backdrop, ground_shadow, wave_band
from ..sizes import BoxSize
from ..solids import sweep_profile
from . import _parts as p
from ._parts import BLUE, BOLD, INK, PINE, PINE_DARK, RED, YELLOW


def scale(h):
    return h / 150.0


# --------------------------------------------------------------------------
# Covers
# --------------------------------------------------------------------------

def cover_scene(w, h, seed):
    """An in-ground pool in the lawn, seen from the terrace, ready to be covered."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.26, seed=seed)
    plan = rect_plan(7.0, 3.5, corner=0.1)
    cam = Camera(elevation=34, azimuth=-12, distance=24)
    cam.fit(bounds3d(offset_plan(plan, 0.9), 0, 0.2), (w * 0.04, h * 0.3, w * 0.96, h * 0.99))
    ground_shadow(cv, cam, offset_plan(plan, 0.33), 0.0, dx=0.08, dy=0.12, grow=0.03, alpha=0.2, blur=1.5)
    draw_inground_pool(cv, cam, plan, STONE_COLOURS["white"], seed=seed, ladder=False)
    return cv, cam, plan


def cover_sheet(cv, cam, x0, x1, colour, alpha=1.0, hy=1.7, z=0.01):
    pts = [cam.p(x0, -hy, z), cam.p(x1, -hy, z), cam.p(x1, hy, z), cam.p(x0, hy, z)]
    cv.tint(cv.poly_mask(pts), colour, alpha)
    return pts


def pic_abdeck_1(w, h):
    """A blue bubble solar cover floating on most of the water."""
    cv, cam, plan = cover_scene(w, h, 101)
    cover_sheet(cv, cam, -3.4, 2.3, (40, 120, 210), 0.82)
    for i in range(40):
        for j in range(14):
            x, y = -3.3 + i * 0.14, -1.6 + j * 0.24 + (0.12 if i % 2 else 0)
            if x < 2.25 and abs(y) < 1.66:
                px, py = cam.p(x, y, 0.02)
                cv.ellipse((px - 0.55, py - 0.35, px + 0.55, py + 0.35), fill=(120, 186, 240))
    edge = [cam.p(2.3, -1.7, 0.02), cam.p(2.3, 1.7, 0.02)]
    cv.line(edge, (26, 90, 170), 1.2)
    return cv


def pic_abdeck_2(w, h):
    """A safety cover tensioned over the whole pool with straps to the edge."""
    cv, cam, plan = cover_scene(w, h, 102)
    pts = cover_sheet(cv, cam, -3.62, 3.62, (40, 110, 70), 1.0, hy=1.87, z=0.04)
    cv.line(pts + [pts[0]], (24, 74, 44), 1.0)
    for k in range(9):
        x = -3.2 + k * 0.8
        cv.line([cam.p(x, -1.95, 0.05), cam.p(x, 1.95, 0.05)], (214, 220, 200), 1.3)
        for y in (-2.05, 2.05):
            ax, ay = cam.p(x, y, 0.05)
            cv.ellipse((ax - 1.2, ay - 0.8, ax + 1.2, ay + 0.8), fill=(150, 158, 168))
    m = cv.poly_mask(pts)
    cv.shade_gradient(m, min(y for _, y in pts), max(y for _, y in pts), WHITE, 0.18, 0.0)
    return cv


def pic_abdeck_3(w, h):
    """A roll-up reel at the end of the pool, the cover half wound on it."""
    cv, cam, plan = cover_scene(w, h, 103)
    cover_sheet(cv, cam, -0.8, 3.4, (60, 140, 220), 0.85)
    for k in range(6):
        x = -0.6 + k * 0.7
        cv.line([cam.p(x, -1.7, 0.02), cam.p(x, 1.7, 0.02)], (120, 180, 236), 0.6)
    x = 4.15
    for y in (-2.05, 2.05):
        a, b = cam.p(x, y, 0.0), cam.p(x, y, 0.62)
        tube(cv, [a, b], 3.2 * scale(h), fill=STAINLESS, edge=STAINLESS_EDGE)
        cv.ellipse((a[0] - 4 * scale(h), a[1] - 1.5, a[0] + 4 * scale(h), a[1] + 1.5), fill=(120, 128, 140))
    a, b = cam.p(x, -2.0, 0.55), cam.p(x, 2.0, 0.55)
    tube(cv, [a, b], 13 * scale(h), fill=(50, 130, 214), edge=(24, 80, 160))
    cv.line([(a[0], a[1] - 3 * scale(h)), (b[0], b[1] - 3 * scale(h))], (130, 190, 240), 1.6 * scale(h))
    wheel = cam.p(x, 2.25, 0.55)
    r = 9 * scale(h)
    cv.ellipse((wheel[0] - r * 0.55, wheel[1] - r, wheel[0] + r * 0.55, wheel[1] + r), fill=(236, 240, 244),
               outline=(110, 120, 132), width=1.2)
    cv.line([(wheel[0], wheel[1] - r), (wheel[0], wheel[1] + r)], (110, 120, 132), 1.0)
    return cv


def pic_abdeck_4(w, h):
    """A slatted cover: hollow plastic slats lying side by side across the pool."""
    cv, cam, plan = cover_scene(w, h, 104)
    pts = cover_sheet(cv, cam, -3.45, 3.45, (238, 244, 248), 1.0, hy=1.72, z=0.02)
    x = -3.45
    k = 0
    while x < 3.45:
        cv.line([cam.p(x, -1.72, 0.02), cam.p(x, 1.72, 0.02)], (178, 196, 214) if k % 2 else (206, 218, 230), 0.8)
        x += 0.16
        k += 1
    m = cv.poly_mask(pts)
    cv.shade_gradient(m, min(y for _, y in pts), max(y for _, y in pts), (110, 170, 220), 0.35, 0.05)
    return cv


def pic_abdeck_5(w, h):
    """Close up: the hem of a fabric-reinforced cover, its eyelets laced with a cord."""
    cv = Canvas(w, h)
    s = scale(h)
    p.fill(cv, GRASS_NEAR, shade(GRASS_NEAR, 0.8))
    rng = random.Random(105)
    for _ in range(260):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        cv.line([(x, y), (x + rng.uniform(-1.5, 1.5), y - rng.uniform(2, 5) * s)], shade(GRASS_NEAR, 1.18), 0.6)
    # the cover: a woven sheet with its hem along the bottom edge
    sheet = [(0, 0), (w, 0), (w, h * 0.6), (0, h * 0.68)]
    cv.polygon(sheet, (38, 96, 170))
    m = cv.poly_mask(sheet)
    weave = cv.new_mask()
    d = ImageDraw.Draw(weave)
    for k in range(0, int(w + h), 4):
        d.line(((k * SS, 0), ((k - h) * SS, h * SS)), fill=255, width=SS)
    cv.tint(mask_and(weave, m), (70, 130, 200), 0.35)
    hem = [(0, h * 0.6), (w, h * 0.52), (w, h * 0.62), (0, h * 0.7)]
    cv.polygon(hem, (28, 78, 146))
    hooks = []
    for k in range(6):
        t = (k + 0.5) / 6
        cx, cy = w * t, h * (0.65 - 0.08 * t)
        r = 7 * s
        cv.ellipse((cx - r, cy - r * 0.8, cx + r, cy + r * 0.8), fill=(210, 216, 222), outline=(120, 128, 140), width=1)
        cv.ellipse((cx - r * 0.5, cy - r * 0.4, cx + r * 0.5, cy + r * 0.4), fill=(18, 60, 110))
        hooks.append((cx, cy, cx + w * 0.04, h * 0.93))
    cord = []
    for k, (cx, cy, gx, gy) in enumerate(hooks):
        cord += [(cx, cy), (gx, gy)]
        cv.rect((gx - 2.5 * s, gy - 1.5 * s, gx + 2.5 * s, gy + 4 * s), fill=(150, 158, 168), radius=1)
    cv.line(cord, (120, 70, 30), 2.2 * s)
    cv.line(cord, (238, 196, 110), 1.4 * s)
    return cv


# --------------------------------------------------------------------------
# Cleaning agents
# --------------------------------------------------------------------------

def product_pair(w, h, kind, body, cap, name, band, ink, seed):
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    base = h * 0.88
    p.canister(cv, w * 0.2, base, 92 * s, 112 * s, body, cap, name.replace(" ", "\n", 1) if len(name) > 10 else name,
               ink, band)
    if kind == "bottle":
        p.bottle(cv, w * 0.72, base, 42 * s, 100 * s, body, cap, name.replace(" ", "\n", 1), ink, band)
    else:
        p.tub(cv, w * 0.72, base, 60 * s, 62 * s, body, cap, name.split()[0], ink, band)
    # drops of the fluid beside them
    rng = random.Random(seed)
    for _ in range(3):
        x, y = w * rng.uniform(0.84, 0.95), h * rng.uniform(0.2, 0.45)
        p.water_drop(cv, x, y, rng.uniform(3, 5) * s, shade(band, 0.9))
    return cv


def pic_reinigung(name, body, cap, band, ink, kind, seed):
    def draw(w, h):
        return product_pair(w, h, kind, body, cap, name, band, ink, seed)
    draw.__name__ = "pic_reinigung_" + name.split()[0].lower()
    return draw


# --------------------------------------------------------------------------
# Underwater cleaners
# --------------------------------------------------------------------------

def robot(cv, x0, base, length, height, shell, top, seed, brush=(120, 200, 240), cable=True):
    """A cleaning robot from the side: tracks, brush roller, shell and carrying handle."""
    s = height / 60.0
    p.soft_shadow(cv, x0 + length * 0.5, base, length * 0.55, 4 * s, alpha=0.35, colour=(10, 60, 110))
    # tracks
    cv.rect((x0, base - 16 * s, x0 + length, base), fill=(44, 50, 58), radius=8 * s)
    for k in range(int(length / (6 * s))):
        x = x0 + 4 * s + k * 6 * s
        cv.line([(x, base - 1), (x, base - 4 * s)], (90, 98, 110), 1.2 * s)
    for wx in (x0 + 8 * s, x0 + length - 8 * s):
        cv.ellipse((wx - 6 * s, base - 14 * s, wx + 6 * s, base - 2 * s), fill=(110, 118, 130))
    # brush roller in front
    bx = x0 + length - 2 * s
    cv.ellipse((bx - 8 * s, base - 18 * s, bx + 8 * s, base - 2 * s), fill=brush)
    for k in range(7):
        a = k * math.pi / 3.5
        cv.line([(bx, base - 10 * s), (bx + 8 * s * math.cos(a), base - 10 * s + 8 * s * math.sin(a))],
                shade(brush, 0.75), 0.8 * s)
    # the shell
    shell_pts = [(x0 + 2 * s, base - 14 * s), (x0 + 6 * s, base - height * 0.78), (x0 + length * 0.3, base - height),
                 (x0 + length * 0.8, base - height * 0.96), (x0 + length - 4 * s, base - height * 0.6),
                 (x0 + length - 6 * s, base - 14 * s)]
    cv.polygon(shell_pts, shell, outline=shade(shell, 0.7), width=0.8)
    cv.polygon([(x0 + length * 0.26, base - height * 0.98), (x0 + length * 0.78, base - height * 0.94),
                (x0 + length * 0.86, base - height * 0.7), (x0 + length * 0.3, base - height * 0.74)], top)
    p.highlight(cv, (x0 + length * 0.1, base - height * 0.92, x0 + length * 0.5, base - height * 0.7), 0.45)
    # handle
    hx0, hx1 = x0 + length * 0.34, x0 + length * 0.7
    hy = base - height * 0.98
    cv.line([(hx0, hy), (hx0 + 4 * s, hy - 12 * s), (hx1 - 4 * s, hy - 12 * s), (hx1, hy)], shade(top, 0.8), 4 * s)
    if cable:
        p.hose(cv, [(x0 + length * 0.3, base - height * 0.9), (x0 - length * 0.05, base - height * 1.4),
                    (x0 - length * 0.2, 0)], 2.2 * s, (230, 230, 226))
    return cv


def pic_urein_1(w, h):
    """A compact robot with a blue shell on the pool floor."""
    cv = Canvas(w, h)
    p.underwater(cv, 111)
    robot(cv, w * 0.32, h * 0.9, 120 * scale(h), 62 * scale(h), (236, 240, 244), (30, 110, 200), 111)
    return cv


def pic_urein_2(w, h):
    """A large robot for public pools, with a wide brush."""
    cv = Canvas(w, h)
    p.underwater(cv, 112)
    robot(cv, w * 0.24, h * 0.92, 170 * scale(h), 80 * scale(h), (60, 66, 76), (250, 196, 40), 112,
          brush=(250, 220, 120))
    return cv


def pic_urein_3(w, h):
    """A robot beside its caddy cart and the power supply, ready to go in."""
    cv = Canvas(w, h)
    p.poolside(cv, water=0.82)
    s = scale(h)
    robot(cv, w * 0.44, h * 0.8, 112 * s, 58 * s, (240, 244, 246), (40, 170, 120), 113, brush=(170, 230, 200),
          cable=False)
    # caddy: frame on two wheels
    cx = w * 0.18
    tube(cv, [(cx - 18 * s, h * 0.8), (cx - 10 * s, h * 0.2)], 3 * s, fill=(80, 88, 100), edge=(40, 44, 52))
    tube(cv, [(cx + 18 * s, h * 0.8), (cx + 14 * s, h * 0.3)], 3 * s, fill=(80, 88, 100), edge=(40, 44, 52))
    for wx in (cx - 18 * s, cx + 18 * s):
        cv.ellipse((wx - 8 * s, h * 0.8 - 8 * s, wx + 8 * s, h * 0.8 + 8 * s), fill=(40, 44, 52))
        cv.ellipse((wx - 3 * s, h * 0.8 - 3 * s, wx + 3 * s, h * 0.8 + 3 * s), fill=(170, 176, 186))
    p.housing(cv, (cx - 14 * s, h * 0.42, cx + 14 * s, h * 0.6), colour=(236, 238, 240))
    p.lamp(cv, cx, h * 0.51, 3 * s, (60, 200, 90))
    p.hose(cv, [(cx + 14 * s, h * 0.5), (w * 0.36, h * 0.35), (w * 0.5, h * 0.42)], 2 * s, (230, 230, 226))
    return cv


def pic_urein_4(w, h):
    """A suction cleaner: its disc foot on the floor and the jointed hose rising."""
    cv = Canvas(w, h)
    p.underwater(cv, 114)
    s = scale(h)
    cx, base = w * 0.5, h * 0.9
    p.soft_shadow(cv, cx, base, 52 * s, 5 * s, alpha=0.35, colour=(10, 60, 110))
    cv.ellipse((cx - 50 * s, base - 12 * s, cx + 50 * s, base + 2 * s), fill=(250, 250, 250),
               outline=(150, 160, 170), width=1)
    cv.ellipse((cx - 34 * s, base - 16 * s, cx + 34 * s, base - 4 * s), fill=(30, 110, 200))
    cv.rect((cx - 12 * s, base - 42 * s, cx + 12 * s, base - 10 * s), fill=(236, 240, 244), radius=4 * s)
    pts = [(cx, base - 40 * s)]
    for k in range(1, 9):
        pts.append((cx - k * 9 * s, base - 40 * s - k * k * 1.4 * s))
    for k in range(len(pts) - 1):
        a, b = pts[k], pts[k + 1]
        tube(cv, [a, b], 9 * s, fill=(70, 80, 92) if k % 2 else (96, 106, 118), edge=(40, 44, 52))
    return cv


# --------------------------------------------------------------------------
# Water heating
# --------------------------------------------------------------------------

def pic_beckenerwarm_1(w, h):
    """Solar collectors on a stand in the garden, their pipes leading off."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.44, seed=121, sun=(w * 0.88, h * 0.14, h * 0.07))
    s = scale(h)
    for k in range(3):
        x0 = w * 0.1 + k * 84 * s
        top, bot = h * 0.26 + k * 3 * s, h * 0.78
        panel = [(x0, bot - 12 * s), (x0 + 26 * s, top), (x0 + 100 * s, top), (x0 + 74 * s, bot - 12 * s)]
        frame = [(x - 2, y + (1 if y > h * 0.5 else -1)) for x, y in panel]
        cv.polygon(frame, (200, 206, 214))
        cv.polygon(panel, (26, 40, 66))
        for j in range(1, 9):
            t = j / 9
            a = (panel[0][0] + (panel[3][0] - panel[0][0]) * t, panel[0][1])
            b = (panel[1][0] + (panel[2][0] - panel[1][0]) * t, panel[1][1])
            cv.line([a, b], (60, 84, 120), 0.8)
        m = cv.poly_mask(panel)
        cv.shade_gradient(m, top, bot, (150, 200, 255), 0.32, 0.0)
        tube(cv, [(x0 + 64 * s, bot - 12 * s), (x0 + 64 * s, bot + 8 * s)], 2.4 * s, fill=(190, 196, 204))
    tube(cv, [(w * 0.1, h * 0.86), (w * 0.96, h * 0.86)], 4 * s, fill=(36, 40, 46), edge=(20, 22, 26))
    return cv


def pic_beckenerwarm_2(w, h):
    """An electric flow heater in the plant room, between the filter pipes."""
    cv = Canvas(w, h)
    p.plant_room(cv)
    s = scale(h)
    y = h * 0.56
    p.pipe(cv, [(0, y), (w, y)], 10 * s, colour=(236, 238, 240))
    p.steel_cylinder(cv, (w * 0.3, y - 16 * s, w * 0.66, y + 16 * s), horizontal=True)
    p.housing(cv, (w * 0.38, h * 0.1, w * 0.58, h * 0.38), colour=(250, 250, 250))
    p.screen(cv, (w * 0.41, h * 0.15, w * 0.55, h * 0.24), "28°C")
    p.knob(cv, w * 0.48, h * 0.31, 4 * s, (200, 50, 40))
    tube(cv, [(w * 0.48, h * 0.38), (w * 0.48, y - 16 * s)], 2.5 * s, fill=(60, 64, 72), edge=(30, 32, 36))
    p.heat_waves(cv, w * 0.74, h * 0.16, h * 0.44, n=3, gap=7 * s, width=1.4 * s)
    return cv


def pic_beckenerwarm_3(w, h):
    """A heat exchanger: the pool water runs through it, the house heating round it."""
    cv = Canvas(w, h)
    p.plant_room(cv)
    s = scale(h)
    box = (w * 0.22, h * 0.42, w * 0.78, h * 0.64)
    y = (box[1] + box[3]) / 2
    p.pipe(cv, [(0, y), (box[0] + 4, y)], 9 * s, colour=(240, 240, 240))
    p.pipe(cv, [(box[2] - 4, y), (w, y)], 9 * s, colour=(240, 240, 240))
    for x, colour in ((w * 0.32, (220, 70, 50)), (w * 0.68, (60, 110, 210))):
        tube(cv, [(x, 0), (x, box[1] + 2)], 7 * s, fill=colour, edge=shade(colour, 0.6))
    p.steel_cylinder(cv, box, horizontal=True)
    for x in (w * 0.32, w * 0.68):
        cv.rect((x - 6 * s, box[1] - 3 * s, x + 6 * s, box[1] + 3 * s), fill=(170, 178, 188), radius=1)
    p.label(cv, (w * 0.4, y - 6 * s, w * 0.6, y + 6 * s), "Wärmetauscher", fg=INK, size=8 * s)
    cv.text((w * 0.32 - 8 * s, h * 0.2), "Heizung", BOLD, 8 * s, (180, 50, 40), anchor="rm")
    return cv


def pic_beckenerwarm_4(w, h):
    """A heat pump beside the pool: housing with its big fan."""
    cv = Canvas(w, h)
    p.poolside(cv, water=0.86)
    s = scale(h)
    box = (w * 0.26, h * 0.16, w * 0.7, h * 0.84)
    p.soft_shadow(cv, (box[0] + box[2]) / 2 + 8 * s, box[3], (box[2] - box[0]) * 0.55, 5 * s)
    p.housing(cv, box, colour=(240, 242, 244), depth=14 * s)
    cx, cy, r = box[0] + (box[2] - box[0]) * 0.42, (box[1] + box[3]) / 2, (box[3] - box[1]) * 0.36
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(60, 66, 76))
    for k in range(1, 6):
        rr = r * k / 5.5
        cv.ellipse((cx - rr, cy - rr, cx + rr, cy + rr), outline=(150, 158, 168), width=0.8)
    for k in range(4):
        a = k * math.pi / 2 + 0.3
        cv.line([(cx, cy), (cx + r * 0.9 * math.cos(a), cy + r * 0.9 * math.sin(a))], (150, 158, 168), 0.8)
    cv.ellipse((cx - r * 0.14, cy - r * 0.14, cx + r * 0.14, cy + r * 0.14), fill=(200, 206, 214))
    x = box[2] - (box[2] - box[0]) * 0.14
    p.screen(cv, (x - 14 * s, box[1] + 12 * s, x + 10 * s, box[1] + 24 * s), "27°")
    for k in range(6):
        cv.line([(x - 14 * s, box[1] + 34 * s + k * 6 * s), (x + 10 * s, box[1] + 34 * s + k * 6 * s)],
                (190, 196, 204), 1.2 * s)
    for k, colour in enumerate(((60, 110, 210), (220, 70, 50))):
        yy = box[3] - 14 * s - k * 12 * s
        tube(cv, [(box[2], yy), (w * 0.98, yy)], 4.5 * s, fill=colour, edge=shade(colour, 0.6))
    return cv


# --------------------------------------------------------------------------
# Cleaning equipment
# --------------------------------------------------------------------------

def pole(cv, a, b, width, colour=(206, 214, 222), edge=(120, 128, 140)):
    tube(cv, [a, b], width, fill=colour, edge=edge)


def pic_reinzub_1(w, h):
    """A flat mop for floors and a window wiper, on their poles."""
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    # mop on the floor
    pole(cv, (w * 0.16, h * 0.05), (w * 0.32, h * 0.74), 4 * s)
    mop = [(w * 0.16, h * 0.86), (w * 0.5, h * 0.86), (w * 0.47, h * 0.76), (w * 0.19, h * 0.76)]
    cv.polygon(mop, BLUE)
    for k in range(22):
        x = w * 0.17 + k * (w * 0.33) / 21
        cv.line([(x, h * 0.85), (x + 1, h * 0.92)], (240, 240, 244), 1.4 * s)
    # window wiper with its sleeve, upright
    x = w * 0.7
    pole(cv, (x, h * 0.36), (x + 10 * s, h * 0.96), 4 * s)
    cv.rect((x - 40 * s, h * 0.14, x + 40 * s, h * 0.24), fill=(60, 66, 76), radius=3 * s)
    cv.rect((x - 44 * s, h * 0.22, x + 44 * s, h * 0.4), fill=(250, 250, 250), outline=(200, 204, 210), width=0.6,
            radius=5 * s)
    for k in range(16):
        xx = x - 42 * s + k * 84 * s / 15
        cv.line([(xx, h * 0.25), (xx, h * 0.38)], (214, 220, 228), 1.2 * s)
    return cv


def pic_reinzub_2(w, h):
    """A rubber squeegee pushing water off the tiles."""
    cv = Canvas(w, h)
    p.poolside(cv, water=0.9)
    s = scale(h)
    x, y = w * 0.46, h * 0.72
    pole(cv, (x + 60 * s, h * 0.02), (x, y - 10 * s), 4.5 * s, colour=(230, 200, 60), edge=(150, 120, 20))
    cv.rect((x - 70 * s, y - 14 * s, x + 70 * s, y - 4 * s), fill=(40, 120, 200), radius=3 * s)
    cv.rect((x - 72 * s, y - 5 * s, x + 72 * s, y + 3 * s), fill=(30, 32, 36), radius=2 * s)
    rng = random.Random(122)
    for _ in range(18):
        dx, dy = rng.uniform(-70, 70) * s, rng.uniform(6, 14) * s
        r = rng.uniform(1.5, 3.5) * s
        cv.ellipse((x + dx - r, y + dy - r * 0.6, x + dx + r, y + dy + r * 0.6), fill=(150, 214, 240))
    return cv


def pic_reinzub_3(w, h):
    """A wide bucket with its wringer, made for the flat mop."""
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    x0, x1, top, base = w * 0.2, w * 0.8, h * 0.32, h * 0.9
    p.soft_shadow(cv, w * 0.52, base, (x1 - x0) * 0.55, 5 * s)
    cv.polygon([(x0, top), (x1, top), (x1 - 10 * s, base), (x0 + 10 * s, base)], (40, 130, 210))
    cv.rect((x0 - 4 * s, top - 6 * s, x1 + 4 * s, top + 4 * s), fill=(30, 100, 180), radius=2 * s)
    cv.polygon([(x0 + 10 * s, top - 5 * s), (w * 0.5, top - 5 * s), (w * 0.5 - 8 * s, top + 34 * s),
                (x0 + 16 * s, top + 34 * s)], (250, 200, 40))
    for k in range(8):
        xx = x0 + 16 * s + k * 9 * s
        cv.line([(xx, top), (xx - 2 * s, top + 30 * s)], (200, 150, 20), 1.2 * s)
    cv.line([(x0 + 20 * s, top - 4 * s), (w * 0.52, h * 0.06), (x1 - 20 * s, top - 4 * s)], (60, 66, 76), 2 * s)
    return cv


def pic_reinzub_4(w, h):
    """A grabber on a long stick, picking up a leaf."""
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    a, b = (w * 0.14, h * 0.1), (w * 0.78, h * 0.76)
    pole(cv, a, b, 4.5 * s)
    cv.polygon([(a[0] - 6 * s, a[1] - 4 * s), (a[0] + 14 * s, a[1] - 8 * s), (a[0] + 18 * s, a[1] + 10 * s),
                (a[0] + 2 * s, a[1] + 22 * s)], (220, 56, 48))
    cv.line([(a[0] + 12 * s, a[1] + 10 * s), (a[0] + 20 * s, a[1] + 24 * s)], (60, 66, 76), 3 * s)
    jx, jy = b
    cv.line([(jx, jy), (jx + 20 * s, jy + 10 * s), (jx + 28 * s, jy + 20 * s)], (60, 66, 76), 3.5 * s)
    cv.line([(jx, jy), (jx + 8 * s, jy + 20 * s), (jx + 18 * s, jy + 28 * s)], (60, 66, 76), 3.5 * s)
    leaf = [(jx + 14 * s, jy + 22 * s), (jx + 40 * s, jy + 10 * s), (jx + 58 * s, jy + 26 * s),
            (jx + 34 * s, jy + 36 * s)]
    cv.polygon(leaf, (214, 140, 40))
    cv.line([(jx + 14 * s, jy + 22 * s), (jx + 58 * s, jy + 26 * s)], (160, 90, 20), 1 * s)
    return cv


def pic_reinzub_5(w, h):
    """Telescopic poles: aluminium tubes sliding into one another, with clamps."""
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    for k, y in enumerate((h * 0.3, h * 0.55, h * 0.8)):
        x0, x1 = w * 0.06 + k * 10 * s, w * 0.94 - k * 30 * s
        mid = x0 + (x1 - x0) * 0.5
        pole(cv, (x0, y), (mid, y), 9 * s)
        pole(cv, (mid, y), (x1, y), 6 * s)
        cv.rect((mid - 5 * s, y - 7 * s, mid + 7 * s, y + 7 * s), fill=(60, 66, 76), radius=2 * s)
        cv.rect((x1 - 2 * s, y - 5 * s, x1 + 8 * s, y + 5 * s), fill=(220, 56, 48), radius=2 * s)
        cv.rect((x0 - 6 * s, y - 6 * s, x0 + 4 * s, y + 6 * s), fill=(60, 66, 76), radius=3 * s)
        for j in range(5):
            xx = mid + 14 * s + j * 16 * s
            if xx < x1 - 10 * s:
                cv.line([(xx, y - 2 * s), (xx, y + 2 * s)], (120, 128, 140), 0.8)
    return cv


# --------------------------------------------------------------------------
# Pool accessories
# --------------------------------------------------------------------------

def thermometer(cv, tx, ty, s, length=100):
    cv.rect((tx - 11 * s, ty, tx + 11 * s, ty + length * s), fill=WHITE, outline=(150, 165, 180), width=1,
            radius=11 * s)
    cv.rect((tx - 2.5 * s, ty + 12 * s, tx + 2.5 * s, ty + (length - 16) * s), fill=(236, 236, 236), radius=2 * s)
    cv.rect((tx - 2.5 * s, ty + length * 0.42 * s, tx + 2.5 * s, ty + (length - 16) * s), fill=RED, radius=2 * s)
    cv.ellipse((tx - 6 * s, ty + (length - 20) * s, tx + 6 * s, ty + (length - 8) * s), fill=RED)
    for k in range(7):
        yy = ty + 16 * s + k * (length - 40) * s / 6
        cv.line([(tx + 4 * s, yy), (tx + 8 * s, yy)], (80, 90, 110), 0.8 * s)


def pic_beckenzub_1(w, h):
    """Pool thermometers: a floating one and a dial one for the plant room."""
    cv = Canvas(w, h)
    p.poolside(cv, water=0.68)
    s = scale(h)
    thermometer(cv, w * 0.3, h * 0.06, s, 108)
    cv.ellipse((w * 0.3 - 16 * s, h * 0.72, w * 0.3 + 16 * s, h * 0.86), fill=YELLOW)
    cx, cy, r = w * 0.66, h * 0.4, 38 * s
    p.soft_shadow(cv, cx + 4 * s, cy + r * 0.9, r * 0.9, 5 * s)
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(200, 206, 214), outline=(120, 128, 140), width=1)
    cv.ellipse((cx - r * 0.86, cy - r * 0.86, cx + r * 0.86, cy + r * 0.86), fill=WHITE)
    for k in range(11):
        a = math.radians(135 + k * 27)
        cv.line([(cx + r * 0.7 * math.cos(a), cy + r * 0.7 * math.sin(a)),
                 (cx + r * 0.8 * math.cos(a), cy + r * 0.8 * math.sin(a))], INK, 1.0 * s)
    a = math.radians(135 + 6.5 * 27)
    cv.line([(cx, cy), (cx + r * 0.66 * math.cos(a), cy + r * 0.66 * math.sin(a))], RED, 2 * s)
    cv.ellipse((cx - 3 * s, cy - 3 * s, cx + 3 * s, cy + 3 * s), fill=INK)
    cv.text((cx, cy + r * 0.38), "°C", BOLD, 9 * s, INK, anchor="mm")
    return cv


def pic_beckenzub_2(w, h):
    """A changing cabin of wood beside the pool."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.56, seed=132)
    s = scale(h)
    x0, x1, top, base = w * 0.34, w * 0.64, h * 0.2, h * 0.9
    p.soft_shadow(cv, (x0 + x1) / 2 + 8 * s, base, (x1 - x0) * 0.6, 5 * s)
    cv.polygon([(x1, top + 6 * s), (x1 + 18 * s, top), (x1 + 18 * s, base - 8 * s), (x1, base)], shade(WOOD, 0.78))
    p.planks(cv, (x0, top + 6 * s, x1, base), WOOD, vertical=True, width=7 * s, seed=132)
    cv.polygon([(x0 - 6 * s, top + 8 * s), (x0 + 8 * s, top - 6 * s), (x1 + 24 * s, top - 10 * s),
                (x1 + 6 * s, top + 6 * s)], WOOD_DARK)
    cv.rect((x0 + 10 * s, top + 20 * s, x1 - 10 * s, base - 4 * s), outline=shade(WOOD, 0.7), width=1.2)
    cv.ellipse((x1 - 18 * s, h * 0.56, x1 - 13 * s, h * 0.6), fill=(60, 66, 76))
    draw_bush(cv, w * 0.16, h * 0.92, 60 * s, flowers=[(240, 80, 90), (250, 220, 90)])
    draw_bush(cv, w * 0.86, h * 0.94, 50 * s)
    return cv


def swim_ring(cv, cx, cy, r, colours):
    for k in range(8):
        a0, a1 = k * math.pi / 4, (k + 1) * math.pi / 4
        outer = [(cx + r * math.cos(a0 + (a1 - a0) * t / 6), cy + r * 0.45 * math.sin(a0 + (a1 - a0) * t / 6))
                 for t in range(7)]
        inner = [(cx + r * 0.5 * math.cos(a1 - (a1 - a0) * t / 6), cy + r * 0.22 * math.sin(a1 - (a1 - a0) * t / 6))
                 for t in range(7)]
        cv.polygon(outer + inner, colours[k % len(colours)])
    p.highlight(cv, (cx - r * 0.8, cy - r * 0.42, cx - r * 0.1, cy - r * 0.2), 0.5)


def beach_ball(cv, bx, by, r):
    cols = [(232, 60, 56), WHITE, YELLOW, WHITE, BLUE, WHITE]
    for k in range(6):
        a0, a1 = math.radians(-90 + 60 * k), math.radians(-90 + 60 * (k + 1))
        pts = [(bx, by)] + [(bx + r * math.cos(a0 + (a1 - a0) * t / 10), by + r * math.sin(a0 + (a1 - a0) * t / 10))
                            for t in range(11)]
        cv.polygon(pts, cols[k])
    cv.ellipse((bx - r * 0.2, by - r * 0.2, bx + r * 0.2, by + r * 0.2), fill=WHITE)
    p.highlight(cv, (bx - r * 0.75, by - r * 0.85, bx - r * 0.05, by - r * 0.25), 0.4)
    cv.ellipse((bx - r, by - r, bx + r, by + r), outline=(120, 120, 120), width=0.6)


def pic_beckenzub_3(w, h):
    """Water toys: a beach ball, a swim ring and a duck on the water."""
    cv = Canvas(w, h)
    p.fill(cv, (150, 226, 246), (30, 150, 210))
    for k in range(5):
        wave_band(cv, h * (0.2 + k * 0.18), h * 0.015, w * 0.3, (190, 240, 252), 0.25, k * 1.3)
    s = scale(h)
    swim_ring(cv, w * 0.28, h * 0.62, 62 * s, [(250, 120, 40), WHITE])
    beach_ball(cv, w * 0.62, h * 0.45, 34 * s)
    # a rubber duck
    dx, dy = w * 0.86, h * 0.66
    cv.ellipse((dx - 18 * s, dy - 10 * s, dx + 20 * s, dy + 12 * s), fill=YELLOW)
    cv.ellipse((dx - 14 * s, dy - 30 * s, dx + 4 * s, dy - 8 * s), fill=YELLOW)
    cv.polygon([(dx - 14 * s, dy - 20 * s), (dx - 24 * s, dy - 17 * s), (dx - 13 * s, dy - 14 * s)], (250, 130, 30))
    cv.ellipse((dx - 9 * s, dy - 25 * s, dx - 6 * s, dy - 22 * s), fill=INK)
    return cv


def pic_beckenzub_4(w, h):
    """A counter-current unit in the pool wall, its jet driving the water."""
    cv = Canvas(w, h)
    p.fill(cv, (90, 190, 230), (20, 110, 180))
    s = scale(h)
    # the wall with its tiles on the left
    wall = [(0, 0), (w * 0.3, 0), (w * 0.3, h), (0, h)]
    cv.polygon(wall, (210, 232, 244))
    for k in range(1, 8):
        cv.line([(0, k * h / 7), (w * 0.3, k * h / 7)], (180, 208, 226), 0.6)
    for k in range(1, 4):
        cv.line([(k * w * 0.3 / 4, 0), (k * w * 0.3 / 4, h)], (180, 208, 226), 0.6)
    panel = (w * 0.1, h * 0.24, w * 0.3, h * 0.74)
    cv.rect(panel, fill=(236, 240, 244), outline=(150, 158, 168), width=1, radius=6 * s)
    cx, cy = w * 0.3, h * 0.5
    cv.ellipse((cx - 12 * s, cy - 12 * s, cx + 12 * s, cy + 12 * s), fill=(170, 178, 188))
    cv.ellipse((cx - 6 * s, cy - 6 * s, cx + 6 * s, cy + 6 * s), fill=(60, 66, 76))
    p.lamp(cv, w * 0.2, h * 0.32, 4 * s, (60, 200, 90))
    rng = random.Random(134)
    for k in range(7):
        y = cy + (k - 3) * 5 * s
        cv.line([(cx + 12 * s, y), (w * (0.62 + 0.05 * abs(k - 3)), y + (k - 3) * 5 * s)], (220, 246, 255), 1.4 * s)
    for _ in range(40):
        x, y = rng.uniform(w * 0.34, w * 0.98), cy + rng.uniform(-30, 30) * s
        r = rng.uniform(1, 3) * s
        cv.ellipse((x - r, y - r, x + r, y + r), outline=(230, 250, 255), width=0.6)
    return cv


def net(cv, rim, bag_depth, frame=(60, 66, 76), mesh=(240, 244, 248)):
    """A leaf net: an oval frame and its mesh bag (bag_depth 0 for a flat skimmer net)."""
    x0, y0, x1, y1 = rim
    m = cv.new_mask()
    d = ImageDraw.Draw(m)
    d.ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    if bag_depth:
        d.polygon([(x0 * SS, (y0 + y1) / 2 * SS), (x1 * SS, (y0 + y1) / 2 * SS),
                   ((x0 + x1) / 2 * SS, (y1 + bag_depth) * SS)], fill=255)
    cv.tint(m, mesh, 0.5)
    mesh_lines = cv.new_mask()
    dl = ImageDraw.Draw(mesh_lines)
    for k in range(int(x1 - x0 + bag_depth + y1 - y0) // 3 + 1):
        x = x0 + k * 3
        dl.line(((x * SS, y0 * SS), ((x - (y1 - y0 + bag_depth)) * SS, (y1 + bag_depth) * SS)), fill=255, width=1)
        dl.line(((x * SS, (y1 + bag_depth) * SS), ((x - (y1 - y0 + bag_depth)) * SS, y0 * SS)), fill=255, width=1)
    cv.tint(mask_and(mesh_lines, m), (150, 160, 172), 0.6)
    cv.ellipse(rim, outline=frame, width=2.4)


def pic_beckenzub_5(w, h):
    """Leaf nets: a flat one for the surface and a deep one for the floor."""
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    net(cv, (w * 0.08, h * 0.2, w * 0.36, h * 0.56), 0)
    pole(cv, (w * 0.36, h * 0.38), (w * 0.52, h * 0.44), 3.5 * s)
    net(cv, (w * 0.5, h * 0.12, w * 0.76, h * 0.34), 60 * s, frame=(30, 110, 200))
    pole(cv, (w * 0.76, h * 0.23), (w * 0.98, h * 0.3), 3.5 * s)
    leaf = [(w * 0.2, h * 0.36), (w * 0.24, h * 0.3), (w * 0.28, h * 0.36), (w * 0.24, h * 0.42)]
    cv.polygon(leaf, (214, 140, 40))
    return cv


# --------------------------------------------------------------------------
# Pools
# --------------------------------------------------------------------------

def garden_camera(cv, plan, z1, box, elevation=28, azimuth=-12):
    cam = Camera(elevation=elevation, azimuth=azimuth, distance=24)
    cam.fit(bounds3d(offset_plan(plan, 0.4), 0, z1 + 0.2), box)
    return cam


def inflated_ring(cv, cam, radius, z, thick, colour):
    n = 14
    profile = [(thick * math.cos(2 * math.pi * k / n), z + thick * math.sin(2 * math.pi * k / n)) for k in range(n)]
    sweep_profile(cv, cam, profile, radius, 0.0, 2 * math.pi, colour, steps=72, caps=False)


def pic_becken_1(w, h):
    """A quick-up pool: the inflatable ring lifts the wall as the water comes in."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.4, seed=141)
    R = 1.8
    plan = circle_plan(R, 96)
    cam = garden_camera(cv, plan, 0.9, (w * 0.22, h * 0.3, w * 0.78, h * 0.96))
    ground_shadow(cv, cam, offset_plan(plan, 0.3), 0.0, blur=cam.f * 0.012)
    # the wall widens towards the ground: the front half between the foot and the rim
    foot = [cam.p((R + 0.35) * math.cos(a), (R + 0.35) * math.sin(a), 0.0)
            for a in [math.pi * k / 48 for k in range(49)]]
    rim = [cam.p(R * math.cos(a), R * math.sin(a), 0.8) for a in [math.pi * k / 48 for k in range(48, -1, -1)]]
    cv.polygon(foot + rim, (214, 234, 246))
    m = cv.poly_mask(foot + rim)
    ys = [y for _, y in foot + rim]
    cv.shade_gradient(m, min(ys), max(ys), (40, 60, 90), 0.0, 0.25)
    draw_water(cv, cam, offset_plan(plan, -0.12), 0.84, 0.74, random.Random(141))
    inflated_ring(cv, cam, R - 0.05, 0.86, 0.13, (40, 120, 210))
    draw_bush(cv, w * 0.1, h * 0.86, 50 * scale(h))
    return cv


def pic_becken_2(w, h):
    """A sturdy paddling pool with three coloured rings."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.38, seed=142)
    R = 1.1
    plan = circle_plan(R, 96)
    cam = garden_camera(cv, plan, 0.6, (w * 0.26, h * 0.32, w * 0.74, h * 0.96), elevation=32)
    ground_shadow(cv, cam, plan, 0.0, blur=cam.f * 0.012)
    for k, colour in enumerate(((40, 120, 210), (250, 200, 40), (220, 60, 50))):
        inflated_ring(cv, cam, R, 0.1 + k * 0.18, 0.1, colour)
    draw_water(cv, cam, offset_plan(plan, -0.12), 0.56, 0.48, random.Random(142))
    inflated_ring(cv, cam, R, 0.1 + 2 * 0.18, 0.1, (220, 60, 50))
    beach_ball(cv, w * 0.84, h * 0.8, 14 * scale(h))
    return cv


def pic_becken_3(w, h):
    """A one-piece pool of glass-fibre plastic, its shell set into the lawn."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.26, seed=143)
    plan = oval_plan(7.0, 3.4)
    cam = Camera(elevation=36, azimuth=-10, distance=24)
    cam.fit(bounds3d(offset_plan(plan, 0.7), -0.2, 0.1), (w * 0.05, h * 0.3, w * 0.95, h * 0.98))
    surround = cam.ring(offset_plan(plan, 0.45), 0.0)
    cv.polygon(surround, (236, 232, 222))
    cv.polygon(cam.ring(offset_plan(plan, 0.12), 0.0), (250, 250, 250))
    draw_water(cv, cam, plan, 0.0, -0.12, random.Random(143))
    # the steps of the shell at one end, under the water
    for k in range(3):
        x = -3.2 + k * 0.32
        pts = [cam.p(x, -1.0, -0.1), cam.p(x, 1.0, -0.1)]
        cv.line(pts, (230, 248, 252), 1.2)
    return cv


def pic_becken_4(w, h):
    """A round pool clad in wood, with a wooden rim."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.36, seed=144)
    R = 2.2
    plan = circle_plan(R, 120)
    cam = garden_camera(cv, plan, 1.2, (w * 0.2, h * 0.28, w * 0.8, h * 0.97))
    ground_shadow(cv, cam, plan, 0.0, blur=cam.f * 0.012)
    draw_wall(cv, cam, plan, 0.0, 1.2, WOOD, ground_dark=0.25)
    for k in range(0, 120, 4):
        a = 2 * math.pi * k / 120
        x, y = R * math.cos(a), R * math.sin(a)
        if y > -0.2:
            cv.line([cam.p(x, y, 0.02), cam.p(x, y, 1.18)], WOOD_DARK, 0.5)
    draw_water(cv, cam, offset_plan(plan, -0.1), 1.2, 1.08, random.Random(144))
    ring_o = cv.poly_mask(cam.ring(offset_plan(plan, 0.12), 1.22))
    ring = mask_minus(ring_o, cv.poly_mask(cam.ring(offset_plan(plan, -0.14), 1.22)))
    cv.tint(ring, shade(WOOD, 1.08))
    return cv


def pic_becken_5(w, h):
    """Curved polystyrene blocks: a wall that follows any bend."""
    cv = Canvas(w, h)
    p.studio(cv, floor=0.55)
    cam = Camera(elevation=34, azimuth=0, distance=22)
    R, t, course = 3.0, 0.25, 0.25
    a0, a1 = math.radians(212), math.radians(328)
    cam.fit([((R + u) * math.cos(a0 + (a1 - a0) * k / 12), (R + u) * math.sin(a0 + (a1 - a0) * k / 12), z)
             for k in range(13) for u in (0, t) for z in (0, 3 * course)], (w * 0.04, h * 0.08, w * 0.96, h * 0.92))
    shadow = [cam.p((R + 0.6) * math.cos(a0 + (a1 - a0) * k / 24), (R + 0.6) * math.sin(a0 + (a1 - a0) * k / 24), 0)
              for k in range(25)]
    shadow += [cam.p((R - 0.1) * math.cos(a1 - (a1 - a0) * k / 24), (R - 0.1) * math.sin(a1 - (a1 - a0) * k / 24), 0)
               for k in range(25)]
    cv.tint(cv.blur_mask(cv.poly_mask(shadow), 3), (110, 150, 175), 0.35)
    profile = [(0, 0), (t, 0), (t, course), (0, course)]
    block = math.radians(14)
    for k in range(3):
        z = k * course
        a = a0 + (block / 2 if k % 2 else 0.0)
        first = True
        while a < a1 - 0.01:
            b = min(a1, a + block)
            sweep_profile(cv, cam, [(u, v + z) for u, v in profile], R, a, b, FOAM, steps=6, caps=first or b >= a1,
                          cap_colour=(226, 230, 236))
            cv.line([cam.p((R + t) * math.cos(b), (R + t) * math.sin(b), z),
                     cam.p((R + t) * math.cos(b), (R + t) * math.sin(b), z + course)], (196, 200, 206), 0.6)
            first = False
            a = b
        cv.line([cam.p((R + t) * math.cos(a0 + (a1 - a0) * q / 40), (R + t) * math.sin(a0 + (a1 - a0) * q / 40), z)
                 for q in range(41)], (196, 200, 206), 0.6)
    return cv


# --------------------------------------------------------------------------
# Water-care units
# --------------------------------------------------------------------------

def dosing_unit(cv, box, reading, s, pump=True):
    p.housing(cv, box, colour=(246, 246, 246))
    x0, y0, x1, y1 = box
    p.screen(cv, (x0 + (x1 - x0) * 0.12, y0 + (y1 - y0) * 0.12, x1 - (x1 - x0) * 0.12, y0 + (y1 - y0) * 0.36),
             reading)
    for k, colour in enumerate(((60, 200, 90), (250, 180, 40))):
        p.lamp(cv, x0 + (x1 - x0) * (0.2 + k * 0.14), y0 + (y1 - y0) * 0.48, 2.5 * s, colour)
    if pump:
        cx, cy, r = x0 + (x1 - x0) * 0.5, y0 + (y1 - y0) * 0.74, (x1 - x0) * 0.2
        cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(220, 226, 232), outline=(120, 128, 140), width=1)
        cv.ellipse((cx - r * 0.7, cy - r * 0.7, cx + r * 0.7, cy + r * 0.7), fill=(250, 250, 250))
        cv.line([(cx - r * 0.5, cy), (cx + r * 0.5, cy)], (200, 60, 50), 2 * s)


def pic_wasserpflegetechnik_1(w, h):
    """A chlorine dosing unit on the wall, its canister below."""
    cv = Canvas(w, h)
    p.plant_room(cv)
    s = scale(h)
    dosing_unit(cv, (w * 0.34, h * 0.08, w * 0.56, h * 0.62), "Cl 0,6", s)
    p.canister(cv, w * 0.66, h * 0.92, 56 * s, 70 * s, (250, 250, 250), (200, 60, 50), "Chlor", (40, 60, 90),
               (250, 214, 60))
    p.hose(cv, [(w * 0.45, h * 0.62), (w * 0.57, h * 0.4), (w * 0.8, h * 0.48)], 1.6 * s, (240, 240, 236))
    p.pipe(cv, [(0, h * 0.78), (w * 0.3, h * 0.78)], 8 * s)
    return cv


def pic_wasserpflegetechnik_2(w, h):
    """Salt-water electrolysis: the control box and the clear cell in the pipe."""
    cv = Canvas(w, h)
    p.plant_room(cv)
    s = scale(h)
    p.housing(cv, (w * 0.08, h * 0.1, w * 0.34, h * 0.58), colour=(40, 110, 190), edge=(20, 60, 120))
    p.screen(cv, (w * 0.11, h * 0.17, w * 0.31, h * 0.3), "Salz 4 g/l")
    for k in range(3):
        p.knob(cv, w * (0.14 + k * 0.07), h * 0.44, 4 * s, (236, 238, 240))
    y = h * 0.7
    p.pipe(cv, [(w * 0.4, y), (w, y)], 10 * s)
    cell = (w * 0.52, y - 20 * s, w * 0.84, y + 20 * s)
    cv.rect(cell, fill=(214, 236, 246), outline=(120, 150, 170), width=1, radius=10 * s)
    for k in range(7):
        x = cell[0] + 14 * s + k * 10 * s
        cv.line([(x, cell[1] + 6 * s), (x, cell[3] - 6 * s)], (150, 160, 172), 2 * s)
    p.highlight(cv, (cell[0] + 6 * s, cell[1] + 2 * s, cell[2] - 6 * s, cell[1] + 10 * s), 0.6)
    rng = random.Random(152)
    for _ in range(16):
        x, yy = rng.uniform(cell[0] + 10 * s, cell[2] - 10 * s), rng.uniform(cell[1] + 8 * s, cell[3] - 8 * s)
        cv.ellipse((x - 1.2 * s, yy - 1.2 * s, x + 1.2 * s, yy + 1.2 * s), outline=WHITE, width=0.6)
    p.hose(cv, [(w * 0.3, h * 0.58), (w * 0.5, h * 0.5), (w * 0.68, y - 20 * s)], 1.6 * s, (40, 44, 52))
    return cv


def pic_wasserpflegetechnik_3(w, h):
    """A measuring and dosing station for pH and chlorine, with two canisters."""
    cv = Canvas(w, h)
    p.plant_room(cv)
    s = scale(h)
    p.housing(cv, (w * 0.12, h * 0.06, w * 0.52, h * 0.56), colour=(246, 246, 246))
    p.screen(cv, (w * 0.16, h * 0.12, w * 0.32, h * 0.24), "pH 7,2")
    p.screen(cv, (w * 0.34, h * 0.12, w * 0.48, h * 0.24), "Cl 0,5")
    for k in range(2):
        cx, cy, r = w * (0.22 + k * 0.2), h * 0.4, 12 * s
        cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(220, 226, 232), outline=(120, 128, 140), width=1)
        cv.line([(cx - r * 0.5, cy), (cx + r * 0.5, cy)], (200, 60, 50), 2 * s)
    p.canister(cv, w * 0.58, h * 0.92, 48 * s, 60 * s, (250, 250, 250), (200, 60, 50), "pH-", (40, 60, 90),
               (240, 110, 90))
    p.canister(cv, w * 0.78, h * 0.92, 48 * s, 60 * s, (250, 250, 250), (40, 110, 190), "Cl", (40, 60, 90),
               (250, 214, 60))
    return cv


def pic_wasserpflegetechnik_4(w, h):
    """A UV unit in the pipe: the steel tube with its lamp glowing in the window."""
    cv = Canvas(w, h)
    p.plant_room(cv)
    s = scale(h)
    y = h * 0.6
    p.pipe(cv, [(0, y), (w, y)], 10 * s)
    box = (w * 0.16, y - 22 * s, w * 0.84, y + 22 * s)
    p.steel_cylinder(cv, box, horizontal=True)
    win = (w * 0.4, y - 8 * s, w * 0.6, y + 8 * s)
    p.glow(cv, (win[0] + win[2]) / 2, y, 34 * s, (150, 110, 255), 0.45)
    cv.rect(win, fill=(120, 90, 230), outline=(60, 50, 120), width=1, radius=4 * s)
    p.highlight(cv, (win[0] + 2 * s, win[1] + 2 * s, win[2] - 2 * s, win[1] + 7 * s), 0.6, (230, 220, 255))
    p.housing(cv, (w * 0.62, h * 0.08, w * 0.82, h * 0.3), colour=(246, 246, 246))
    p.lamp(cv, w * 0.7, h * 0.19, 4 * s, (80, 140, 255))
    p.hose(cv, [(w * 0.72, h * 0.3), (w * 0.78, h * 0.4), (w * 0.76, y - 22 * s)], 1.6 * s, (40, 44, 52))
    return cv


# --------------------------------------------------------------------------
# Saunas
# --------------------------------------------------------------------------

def logs(cv, box, colour=PINE, seed=161):
    """A wall of horizontal logs with rounded faces."""
    x0, y0, x1, y1 = box
    n = 9
    hh = (y1 - y0) / n
    rng = random.Random(seed)
    for k in range(n):
        top = y0 + k * hh
        tone = shade(colour, rng.uniform(0.94, 1.04))
        cv.rect((x0, top, x1, top + hh), fill=tone, radius=hh * 0.45)
        cv.line([(x0 + hh * 0.3, top + hh * 0.3), (x1 - hh * 0.3, top + hh * 0.3)], shade(tone, 1.12), hh * 0.16)
        cv.line([(x0 + hh * 0.3, top + hh * 0.92), (x1 - hh * 0.3, top + hh * 0.92)], shade(tone, 0.78), hh * 0.12)


def pic_saun_1(w, h):
    """A log sauna with its glass door, as it stands in the basement."""
    cv = Canvas(w, h)
    p.fill(cv, (246, 242, 236), (222, 214, 204))
    cv.rect((0, h * 0.86, w, h), fill=(200, 190, 176))
    s = scale(h)
    x0, x1, top, base = w * 0.18, w * 0.82, h * 0.12, h * 0.9
    p.soft_shadow(cv, w * 0.5, base, (x1 - x0) * 0.55, 5 * s)
    logs(cv, (x0, top, x1, base))
    door = (w * 0.44, top + 12 * s, w * 0.6, base - 2 * s)
    cv.rect(door, fill=(150, 110, 70), radius=2 * s)
    cv.rect((door[0] + 3 * s, door[1] + 3 * s, door[2] - 3 * s, door[3] - 3 * s), fill=(196, 160, 120), radius=2 * s)
    p.glow(cv, (door[0] + door[2]) / 2, door[1] + 30 * s, 20 * s, (255, 220, 150), 0.6)
    p.highlight(cv, (door[0] + 5 * s, door[1] + 6 * s, door[0] + 14 * s, door[3] - 8 * s), 0.5)
    cv.rect((door[2] - 9 * s, h * 0.5, door[2] - 6 * s, h * 0.64), fill=WOOD_DARK, radius=1)
    win = (w * 0.24, h * 0.3, w * 0.36, h * 0.5)
    cv.rect(win, fill=(196, 160, 120), outline=(150, 110, 70), width=2)
    cv.rect((x0 - 4 * s, top - 6 * s, x1 + 4 * s, top + 2 * s), fill=PINE_DARK, radius=2 * s)
    return cv


def bench(cv, x0, x1, y, depth, colour=PINE):
    cv.rect((x0, y, x1, y + depth * 0.28), fill=shade(colour, 1.05))
    for k in range(4):
        cv.line([(x0, y + k * depth * 0.07), (x1, y + k * depth * 0.07)], shade(colour, 0.82), 0.6)
    cv.rect((x0, y + depth * 0.28, x1, y + depth * 0.36), fill=shade(colour, 0.7))


def pic_saun_2(w, h):
    """Inside a sauna planned to measure: benches on two levels, the stove in the corner."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h), PINE, vertical=True, width=14 * s, seed=162)
    cv.rect((0, h * 0.88, w, h), fill=shade(PINE, 0.7))
    bench(cv, w * 0.3, w, h * 0.34, 60 * s)
    cv.rect((w * 0.32, h * 0.36 + 22 * s, w, h * 0.6), fill=shade(PINE, 0.6))
    bench(cv, w * 0.24, w, h * 0.6, 60 * s)
    cv.rect((w * 0.26, h * 0.6 + 22 * s, w, h * 0.88), fill=shade(PINE, 0.55))
    # the stove with its stones
    sx0, sx1 = w * 0.04, w * 0.2
    cv.rect((sx0, h * 0.42, sx1, h * 0.88), fill=(70, 74, 82), radius=3 * s)
    rng = random.Random(162)
    for _ in range(14):
        x, y = rng.uniform(sx0 + 4 * s, sx1 - 4 * s), rng.uniform(h * 0.36, h * 0.44)
        r = rng.uniform(3, 5) * s
        cv.ellipse((x - r, y - r * 0.7, x + r, y + r * 0.7), fill=rng.choice([(130, 130, 126), (160, 158, 150),
                                                                             (110, 108, 104)]))
    cv.rect((sx0 - 2 * s, h * 0.44, sx1 + 2 * s, h * 0.88), outline=PINE_DARK, width=2 * s)
    p.glow(cv, w * 0.6, h * 0.1, 30 * s, (255, 220, 150), 0.5)
    return cv


def pic_saun_3(w, h):
    """A garden sauna house: outside as well as inside, a sauna works anywhere."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.52, seed=163)
    s = scale(h)
    x0, x1, eave, base = w * 0.3, w * 0.7, h * 0.4, h * 0.9
    p.soft_shadow(cv, w * 0.53, base, (x1 - x0) * 0.6, 5 * s)
    cv.polygon([(x1, eave), (x1 + 30 * s, eave - 8 * s), (x1 + 30 * s, base - 8 * s), (x1, base)], shade(WOOD, 0.75))
    p.planks(cv, (x0, eave, x1, base), WOOD, vertical=False, width=6 * s, seed=163)
    cv.polygon([(x0 - 10 * s, eave + 4 * s), ((x0 + x1) / 2, h * 0.1), (x1 + 10 * s, eave + 4 * s)],
               shade(WOOD, 1.05))
    cv.polygon([((x0 + x1) / 2, h * 0.1), (x1 + 40 * s, h * 0.06), (x1 + 40 * s, eave - 4 * s), (x1 + 10 * s, eave + 4 * s)],
               (120, 60, 50))
    cv.polygon([(x0 - 10 * s, eave + 4 * s), ((x0 + x1) / 2, h * 0.1), ((x0 + x1) / 2, h * 0.1 + 6 * s),
                (x0 - 6 * s, eave + 8 * s)], (150, 80, 64))
    door = (w * 0.46, h * 0.5, w * 0.56, base)
    cv.rect(door, fill=WOOD_DARK)
    cv.rect((door[0] + 3 * s, door[1] + 4 * s, door[2] - 3 * s, door[1] + 30 * s), fill=(214, 190, 150))
    win = (w * 0.34, h * 0.52, w * 0.42, h * 0.66)
    cv.rect(win, fill=(214, 190, 150), outline=WOOD_DARK, width=2)
    tube(cv, [(x1 - 4 * s, h * 0.24), (x1 - 4 * s, h * 0.06)], 5 * s, fill=(110, 114, 122), edge=(60, 64, 70))
    draw_bush(cv, w * 0.16, h * 0.92, 60 * s, flowers=[(240, 240, 250)])
    return cv


def pic_saun_4(w, h):
    """Planning: the drawing of a sauna's plan with ruler and pencil."""
    cv = Canvas(w, h)
    p.fill(cv, (200, 170, 130), (170, 136, 96))
    s = scale(h)
    sheet = [(w * 0.1, h * 0.1), (w * 0.82, h * 0.04), (w * 0.88, h * 0.9), (w * 0.14, h * 0.96)]
    p.soft_shadow(cv, w * 0.5, h * 0.92, w * 0.38, 5 * s, 0.3)
    cv.polygon(sheet, (36, 90, 170))

    def at(u, v):   # a point of the sheet from its own coordinates 0..1
        top = (sheet[0][0] + (sheet[1][0] - sheet[0][0]) * u, sheet[0][1] + (sheet[1][1] - sheet[0][1]) * u)
        bot = (sheet[3][0] + (sheet[2][0] - sheet[3][0]) * u, sheet[3][1] + (sheet[2][1] - sheet[3][1]) * u)
        return (top[0] + (bot[0] - top[0]) * v, top[1] + (bot[1] - top[1]) * v)

    line = (226, 238, 250)
    room = [at(0.12, 0.18), at(0.62, 0.18), at(0.62, 0.82), at(0.12, 0.82)]
    cv.line(room + [room[0]], line, 1.6 * s)
    for v in (0.32, 0.46):
        cv.line([at(0.36, v), at(0.62, v)], line, 1.0 * s)
    cv.line([at(0.36, 0.18), at(0.36, 0.82)], line, 1.0 * s)
    cv.line([at(0.14, 0.62), at(0.28, 0.62), at(0.28, 0.8)], line, 1.0 * s)
    cv.line([at(0.12, 0.9), at(0.62, 0.9)], line, 0.8 * s)
    cv.text(at(0.37, 0.95), "2,10 m", BOLD, 7 * s, line, anchor="mm")
    cv.text(at(0.8, 0.3), "Sauna", BOLD, 10 * s, line, anchor="mm")
    # ruler and pencil
    cv.polygon([at(0.68, 0.5), at(0.98, 0.46), at(0.99, 0.54), at(0.69, 0.58)], (240, 230, 200))
    for k in range(12):
        u = 0.7 + k * 0.024
        cv.line([at(u, 0.5), at(u, 0.52)], INK, 0.6)
    cv.line([(w * 0.56, h * 0.86), (w * 0.9, h * 0.62)], (250, 200, 40), 6 * s)
    cv.line([(w * 0.53, h * 0.88), (w * 0.56, h * 0.86)], (60, 60, 60), 4 * s)
    return cv


# --------------------------------------------------------------------------
# Infrared cabins
# --------------------------------------------------------------------------

def ir_cabin(cv, box, wood, frame, s, glass=True, led=None):
    x0, y0, x1, y1 = box
    p.soft_shadow(cv, (x0 + x1) / 2 + 6 * s, y1, (x1 - x0) * 0.6, 5 * s)
    cv.polygon([(x1, y0 + 4 * s), (x1 + 18 * s, y0 - 2 * s), (x1 + 18 * s, y1 - 6 * s), (x1, y1)], shade(wood, 0.72))
    p.planks(cv, box, wood, vertical=True, width=8 * s, seed=int(x0))
    cv.rect((x0 - 3 * s, y0 - 6 * s, x1 + 3 * s, y0 + 4 * s), fill=frame, radius=1)
    cv.polygon([(x1 + 3 * s, y0 - 6 * s), (x1 + 21 * s, y0 - 12 * s), (x1 + 21 * s, y0 - 2 * s), (x1 + 3 * s, y0 + 4 * s)],
               shade(frame, 0.8))
    door = (x0 + (x1 - x0) * 0.16, y0 + 10 * s, x1 - (x1 - x0) * 0.16, y1 - 3 * s)
    inner = (door[0] + 3 * s, door[1] + 3 * s, door[2] - 3 * s, door[3] - 3 * s)
    cv.rect(door, fill=frame)
    cv.rect(inner, fill=shade(wood, 0.85))
    # the emitters glowing on the back wall, seen through the glass
    for k in range(2):
        ex = inner[0] + (inner[2] - inner[0]) * (0.2 + k * 0.42)
        em = (ex, inner[1] + 10 * s, ex + (inner[2] - inner[0]) * 0.2, inner[1] + 50 * s)
        p.glow(cv, (em[0] + em[2]) / 2, (em[1] + em[3]) / 2, 18 * s, (255, 120, 60), 0.5)
        cv.rect(em, fill=(200, 70, 40), radius=2 * s)
    cv.rect((inner[0], inner[1] + 62 * s, inner[2], inner[1] + 70 * s), fill=shade(wood, 1.1))
    if led:
        cv.line([(inner[0], inner[1] + 2 * s), (inner[2], inner[1] + 2 * s)], led, 2 * s)
        p.glow(cv, (inner[0] + inner[2]) / 2, inner[1] + 6 * s, 22 * s, led, 0.4)
    if glass:
        m = cv.new_mask()
        ImageDraw.Draw(m).polygon([(inner[0] * SS, inner[1] * SS), ((inner[0] + 12 * s) * SS, inner[1] * SS),
                                   ((inner[0] + 2 * s) * SS, (inner[1] + 40 * s) * SS)], fill=255)
        cv.tint(m, WHITE, 0.35)
    cv.rect((inner[2] - 4 * s, (y0 + y1) / 2 - 8 * s, inner[2] - 2 * s, (y0 + y1) / 2 + 8 * s), fill=(200, 206, 214))


def room_backdrop(cv, h):
    p.fill(cv, (246, 242, 236), (224, 216, 206))
    cv.rect((0, h * 0.88, cv.w, cv.h), fill=(196, 186, 172))


def pic_infra_1(w, h):
    """A simple infrared cabin for one or two."""
    cv = Canvas(w, h)
    room_backdrop(cv, h)
    s = scale(h)
    ir_cabin(cv, (w * 0.34, h * 0.14, w * 0.62, h * 0.92), PINE, PINE_DARK, s)
    return cv


def pic_infra_2(w, h):
    """An elegant cabin of dark wood with a wide glass front and coloured light."""
    cv = Canvas(w, h)
    room_backdrop(cv, h)
    s = scale(h)
    ir_cabin(cv, (w * 0.28, h * 0.12, w * 0.66, h * 0.92), (120, 80, 52), (60, 40, 28), s, led=(90, 150, 255))
    return cv


def pic_infra_3(w, h):
    """Inside: a bench with back rest between glowing emitters, soft coloured light."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h), (214, 172, 116), vertical=True, width=12 * s, seed=173)
    p.glow(cv, w * 0.5, h * 0.4, 90 * s, (200, 120, 255), 0.35)
    for ex in (w * 0.08, w * 0.38, w * 0.68):
        em = (ex, h * 0.12, ex + w * 0.22, h * 0.5)
        p.glow(cv, (em[0] + em[2]) / 2, (em[1] + em[3]) / 2, 40 * s, (255, 120, 60), 0.45)
        cv.rect(em, fill=(170, 60, 40), outline=(110, 40, 30), width=1, radius=3 * s)
        for k in range(1, 6):
            y = em[1] + (em[3] - em[1]) * k / 6
            cv.line([(em[0] + 3 * s, y), (em[2] - 3 * s, y)], (230, 110, 60), 0.8)
    bench(cv, 0, w, h * 0.66, 70 * s, (196, 150, 96))
    cv.rect((0, h * 0.66 + 25 * s, w, h), fill=(150, 110, 70))
    for k in range(3):
        cv.line([(0, h * 0.56 + k * 6 * s), (w, h * 0.56 + k * 6 * s)], (196, 150, 96), 3 * s)
    return cv


def pic_infra_4(w, h):
    """An emitter at work: its heat felt within minutes."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h), (214, 172, 116), vertical=True, width=12 * s, seed=174)
    em = (w * 0.1, h * 0.12, w * 0.42, h * 0.88)
    p.glow(cv, (em[0] + em[2]) / 2, (em[1] + em[3]) / 2, 70 * s, (255, 130, 60), 0.5)
    cv.rect(em, fill=(60, 62, 68), outline=(30, 30, 34), width=1, radius=4 * s)
    for k in range(1, 12):
        y = em[1] + (em[3] - em[1]) * k / 12
        cv.line([(em[0] + 4 * s, y), (em[2] - 4 * s, y)], (230, 90, 50), 1.2 * s)
    p.heat_waves(cv, w * 0.48, h * 0.2, h * 0.8, n=3, gap=10 * s, colour=(240, 120, 50), width=2 * s)
    cx, cy, r = w * 0.78, h * 0.48, 34 * s
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=WHITE, outline=INK, width=1.6 * s)
    for k in range(12):
        a = k * math.pi / 6
        cv.line([(cx + r * 0.82 * math.cos(a), cy + r * 0.82 * math.sin(a)),
                 (cx + r * 0.94 * math.cos(a), cy + r * 0.94 * math.sin(a))], INK, 1 * s)
    m = cv.new_mask()
    ImageDraw.Draw(m).pieslice(((cx - r * 0.8) * SS, (cy - r * 0.8) * SS, (cx + r * 0.8) * SS, (cy + r * 0.8) * SS),
                               -90, -30, fill=255)
    cv.tint(m, (255, 140, 60), 0.8)
    cv.line([(cx, cy), (cx, cy - r * 0.7)], INK, 1.6 * s)
    cv.line([(cx, cy), (cx + r * 0.55 * math.cos(math.radians(-30)), cy + r * 0.55 * math.sin(math.radians(-30)))],
            INK, 1.6 * s)
    return cv


# --------------------------------------------------------------------------
# Sauna accessories
# --------------------------------------------------------------------------

def wooden_bucket(cv, cx, base, w, h, s):
    p.soft_shadow(cv, cx + 4 * s, base, w * 0.6, 4 * s)
    top = base - h
    cv.polygon([(cx - w / 2, top), (cx + w / 2, top), (cx + w * 0.42, base), (cx - w * 0.42, base)], WOOD)
    for k in range(1, 7):
        t = k / 7
        cv.line([(cx - w / 2 + w * t, top), (cx - w * 0.42 + w * 0.84 * t, base)], WOOD_DARK, 0.6)
    for v in (0.22, 0.78):
        y = top + h * v
        hw = w / 2 - (w * 0.08) * v
        cv.line([(cx - hw, y), (cx + hw, y)], (150, 156, 166), 2.6 * s)
    cv.ellipse((cx - w / 2, top - 4 * s, cx + w / 2, top + 4 * s), fill=shade(WOOD, 0.7))
    p.side_shade(cv, (cx - w / 2, top, cx + w / 2, base), 0, 0.15)


def pic_saunzub_1(w, h):
    """All round the sauna: bucket, ladle and a folded towel."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h * 0.74), PINE, vertical=True, width=12 * s, seed=181)
    cv.rect((0, h * 0.74, w, h), fill=shade(PINE, 1.05))
    for k in range(4):
        cv.line([(0, h * 0.74 + k * 10 * s), (w, h * 0.74 + k * 10 * s)], shade(PINE, 0.8), 0.6)
    wooden_bucket(cv, w * 0.34, h * 0.9, 74 * s, 58 * s, s)
    cv.line([(w * 0.4, h * 0.52), (w * 0.62, h * 0.12)], WOOD_DARK, 4 * s)
    cv.ellipse((w * 0.31, h * 0.48, w * 0.43, h * 0.58), fill=shade(WOOD, 0.9))
    towel = (w * 0.58, h * 0.66, w * 0.9, h * 0.9)
    p.soft_shadow(cv, (towel[0] + towel[2]) / 2, towel[3], (towel[2] - towel[0]) * 0.55, 4 * s)
    cv.rect(towel, fill=(250, 250, 250), radius=6 * s)
    cv.rect((towel[0], towel[1] + 8 * s, towel[2], towel[1] + 14 * s), fill=(30, 110, 200))
    cv.line([(towel[0] + 2 * s, towel[1] + 24 * s), (towel[2] - 2 * s, towel[1] + 24 * s)], (220, 224, 230), 1)
    return cv


def pic_saunzub_2(w, h):
    """Sauna scents in little brown bottles: lemon, eucalyptus, lavender."""
    cv = Canvas(w, h)
    p.studio(cv)
    s = scale(h)
    for k, (name, band) in enumerate((("Zitrone", (250, 220, 60)), ("Eukalyptus", (90, 170, 90)),
                                      ("Lavendel", (150, 110, 200)))):
        cx = w * (0.24 + k * 0.26)
        p.bottle(cv, cx, h * 0.9, 46 * s, 106 * s, (120, 70, 30), (40, 40, 44), name, INK, band)
    for k in range(3):
        lx, ly = w * (0.1 + k * 0.4), h * 0.86
        cv.polygon([(lx, ly), (lx + 10 * s, ly - 6 * s), (lx + 22 * s, ly), (lx + 10 * s, ly + 4 * s)], (90, 160, 80))
    return cv


def pic_saunzub_3(w, h):
    """A sauna stove: the steel body, its basket of stones and the control."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h), PINE, vertical=True, width=12 * s, seed=183)
    cv.rect((0, h * 0.9, w, h), fill=shade(PINE, 0.7))
    x0, x1, top, base = w * 0.3, w * 0.62, h * 0.34, h * 0.92
    p.soft_shadow(cv, (x0 + x1) / 2, base, (x1 - x0) * 0.6, 4 * s)
    p.housing(cv, (x0, top, x1, base), colour=(80, 84, 92), depth=14 * s, edge=(40, 42, 46))
    for k in range(5):
        y = top + 12 * s + k * 8 * s
        cv.line([(x0 + 8 * s, y), (x1 - 8 * s, y)], (50, 52, 58), 1.6 * s)
    rng = random.Random(183)
    for _ in range(26):
        x, y = rng.uniform(x0 + 2 * s, x1 + 8 * s), rng.uniform(h * 0.16, top + 2 * s)
        r = rng.uniform(4, 7) * s
        cv.ellipse((x - r, y - r * 0.75, x + r, y + r * 0.75), fill=rng.choice([(130, 130, 126), (164, 160, 152),
                                                                              (104, 102, 98), (146, 140, 130)]),
                   outline=(80, 80, 78), width=0.4)
    p.glow(cv, (x0 + x1) / 2, h * 0.2, 40 * s, (255, 180, 120), 0.25)
    box = (w * 0.74, h * 0.3, w * 0.88, h * 0.58)
    p.housing(cv, box, colour=(240, 242, 244))
    p.knob(cv, (box[0] + box[2]) / 2, (box[1] + box[3]) / 2 + 4 * s, 7 * s, (200, 50, 40))
    p.screen(cv, (box[0] + 4 * s, box[1] + 4 * s, box[2] - 4 * s, box[1] + 14 * s), "90°")
    return cv


def pic_saunzub_4(w, h):
    """A sauna lamp behind its wooden shade, a warm light on the boards."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h), (206, 160, 104), vertical=True, width=12 * s, seed=184)
    cx, cy = w * 0.5, h * 0.5
    p.glow(cv, cx, cy, 80 * s, (255, 200, 110), 0.55)
    p.glow(cv, cx, cy, 34 * s, (255, 240, 190), 0.8)
    cv.ellipse((cx - 20 * s, cy - 20 * s, cx + 20 * s, cy + 20 * s), fill=(255, 246, 210))
    for k in range(7):
        y = cy - 30 * s + k * 10 * s
        cv.rect((cx - 44 * s, y, cx + 44 * s, y + 5 * s), fill=(170, 120, 70), radius=2 * s)
    cv.rect((cx - 48 * s, cy - 34 * s, cx - 42 * s, cy + 36 * s), fill=(140, 96, 56))
    cv.rect((cx + 42 * s, cy - 34 * s, cx + 48 * s, cy + 36 * s), fill=(140, 96, 56))
    return cv


def pic_saunzub_5(w, h):
    """The sauna's clock and climate: hourglass and a thermo-hygrometer."""
    cv = Canvas(w, h)
    s = scale(h)
    p.planks(cv, (0, 0, w, h), PINE, vertical=True, width=12 * s, seed=185)
    # hourglass in its wooden frame
    hx, top, base = w * 0.3, h * 0.12, h * 0.88
    cv.rect((hx - 24 * s, top, hx + 24 * s, top + 8 * s), fill=WOOD_DARK, radius=2 * s)
    cv.rect((hx - 24 * s, base - 8 * s, hx + 24 * s, base), fill=WOOD_DARK, radius=2 * s)
    for x in (hx - 20 * s, hx + 18 * s):
        cv.rect((x, top + 6 * s, x + 3 * s, base - 6 * s), fill=WOOD_DARK)
    mid = (top + base) / 2
    glass = [(hx - 14 * s, top + 8 * s), (hx + 14 * s, top + 8 * s), (hx + 2 * s, mid), (hx + 14 * s, base - 8 * s),
             (hx - 14 * s, base - 8 * s), (hx - 2 * s, mid)]
    cv.polygon(glass, (236, 244, 250), outline=(150, 170, 190), width=0.8)
    cv.polygon([(hx - 8 * s, top + 22 * s), (hx + 8 * s, top + 22 * s), (hx + 1 * s, mid - 2 * s),
                (hx - 1 * s, mid - 2 * s)], (232, 196, 110))
    cv.polygon([(hx - 13 * s, base - 9 * s), (hx + 13 * s, base - 9 * s), (hx, base - 26 * s)], (232, 196, 110))
    cv.line([(hx, mid), (hx, base - 20 * s)], (232, 196, 110), 1 * s)
    # thermo-hygrometer: a round wooden dial
    cx, cy, r = w * 0.68, h * 0.5, 44 * s
    p.soft_shadow(cv, cx + 3 * s, cy + r * 0.9, r * 0.8, 4 * s)
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=WOOD_DARK)
    cv.ellipse((cx - r * 0.82, cy - r * 0.82, cx + r * 0.82, cy + r * 0.82), fill=(250, 246, 236))
    for k in range(15):
        a = math.radians(150 + k * 240 / 14)
        cv.line([(cx + r * 0.64 * math.cos(a), cy + r * 0.64 * math.sin(a)),
                 (cx + r * 0.76 * math.cos(a), cy + r * 0.76 * math.sin(a))], INK, 0.9 * s)
    a = math.radians(150 + 10 * 240 / 14)
    cv.line([(cx, cy), (cx + r * 0.6 * math.cos(a), cy + r * 0.6 * math.sin(a))], RED, 1.8 * s)
    cv.ellipse((cx - 3 * s, cy - 3 * s, cx + 3 * s, cy + 3 * s), fill=INK)
    cv.text((cx, cy + r * 0.36), "°C  %", BOLD, 8 * s, INK, anchor="mm")
    return cv


# --------------------------------------------------------------------------
# The list
# --------------------------------------------------------------------------

CLEANERS = {
    "reinigung_1": pic_reinigung("Hydro Bio", (250, 250, 250), (60, 150, 70), (90, 170, 90), WHITE, "bottle", 1),
    "reinigung_2": pic_reinigung("Hydro 2000 Super", (30, 110, 200), (250, 250, 250), (250, 250, 250), BLUE,
                                 "bottle", 2),
    "reinigung_3": pic_reinigung("K90", (236, 238, 240), (220, 56, 48), (220, 56, 48), WHITE, "bottle", 3),
    "reinigung_4": pic_reinigung("Alpha Gelb", (250, 210, 40), (60, 66, 76), (60, 66, 76), YELLOW, "bottle", 4),
    "reinigung_5": pic_reinigung("Duotabs Sauerstoff", (250, 250, 250), (30, 110, 200), (30, 110, 200), WHITE,
                                 "tub", 5),
}

DRAWINGS = dict(
    {f"abdeck_{k}": globals()[f"pic_abdeck_{k}"] for k in range(1, 6)},
    **CLEANERS,
    **{f"urein_{k}": globals()[f"pic_urein_{k}"] for k in range(1, 5)},
    **{f"beckenerwarm_{k}": globals()[f"pic_beckenerwarm_{k}"] for k in range(1, 5)},
    **{f"reinzub_{k}": globals()[f"pic_reinzub_{k}"] for k in range(1, 6)},
    **{f"beckenzub_{k}": globals()[f"pic_beckenzub_{k}"] for k in range(1, 6)},
    **{f"becken_{k}": globals()[f"pic_becken_{k}"] for k in range(1, 6)},
    **{f"wasserpflegetechnik_{k}": globals()[f"pic_wasserpflegetechnik_{k}"] for k in range(1, 5)},
    **{f"saun_{k}": globals()[f"pic_saun_{k}"] for k in range(1, 5)},
    **{f"infra_{k}": globals()[f"pic_infra_{k}"] for k in range(1, 5)},
    **{f"saunzub_{k}": globals()[f"pic_saunzub_{k}"] for k in range(1, 6)},
)

PICTURES = [Picture(f"side/{name}.jpg", BoxSize(), draw) for name, draw in DRAWINGS.items()]
