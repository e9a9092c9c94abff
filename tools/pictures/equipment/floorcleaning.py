"""Pictures of the floor-cleaning page (pages/equipment/floorcleaningpage.ui): the plastic
floor drain, the bronze one in three views (its notebook turns through them) and the
manual cleaning set.  Each fills its box on a notebook page."""

import math
import random

from PIL import ImageDraw

from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import STAINLESS, STAINLESS_EDGE, WATER_SHINE, WHITE, mix, shade
from ..sizes import BoxSize

PLASTIC = ((250, 250, 248), (214, 218, 222), (150, 158, 166))   # light, mid, dark
BRONZE = ((236, 178, 120), (184, 116, 64), (110, 62, 30))
STUDIO_TOP = (246, 250, 253)
STUDIO_LOW = (206, 230, 244)
TILE = (126, 200, 232)
TILE_JOINT = (92, 170, 214)


# --------------------------------------------------------------------------
# Backgrounds
# --------------------------------------------------------------------------

def studio(w, h):
    """A product shot's backdrop: a soft light gradient with a floor that fades."""
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, STUDIO_TOP, STUDIO_LOW)
    return cv


def soft_shadow(cv, box, alpha=0.35, blur=5.0, colour=(40, 70, 100)):
    m = cv.new_mask()
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    cv.tint(cv.blur_mask(m, blur), colour, alpha)


def tiled_floor(cv, horizon, vanish_x, rows=9, cols=14, top_colour=TILE, low_colour=TILE):
    """Pool floor tiles in perspective from the horizon down to the bottom edge."""
    w, h = cv.w, cv.h
    floor = cv.new_mask()
    ImageDraw.Draw(floor).rectangle((0, horizon * SS, w * SS, h * SS), fill=255)
    cv.fill_gradient(floor, horizon, h, top_colour, low_colour)
    joints = cv.new_mask()
    d = ImageDraw.Draw(joints)
    span = w * 3.0
    for k in range(cols + 1):
        xb = vanish_x - span / 2 + span * k / cols
        d.line(((vanish_x * SS, horizon * SS), (xb * SS, h * 1.0 * SS)), fill=255, width=max(1, SS // 2))
    depth = h - horizon
    for k in range(1, rows + 1):
        y = horizon + depth * (k / rows) ** 2.2
        d.line(((0, y * SS), (w * SS, y * SS)), fill=255, width=max(1, SS // 2))
    # the joints fade into the distance
    fade = cv.new_mask()
    ImageDraw.Draw(fade).rectangle((0, (horizon + depth * 0.08) * SS, w * SS, h * SS), fill=255)
    cv.tint(mask_and(joints, cv.blur_mask(fade, depth * 0.1)), shade(TILE_JOINT, 0.9), 0.9)


def caustics(cv, y0, y1, seed, alpha=0.35, scale=1.0):
    """Wavy bright lines of sunlight on the floor under water."""
    rng = random.Random(seed)
    m = cv.new_mask()
    d = ImageDraw.Draw(m)
    for _ in range(int(16 * scale)):
        y = rng.uniform(y0, y1)
        amp = rng.uniform(2, 5) * (0.5 + (y - y0) / max(1.0, y1 - y0))
        length = rng.uniform(30, 60)
        phase = rng.uniform(0, 6.3)
        pts = []
        x = rng.uniform(-40, cv.w * 0.5)
        end = x + rng.uniform(cv.w * 0.3, cv.w * 0.8)
        while x < end:
            pts.append((x * SS, (y + amp * math.sin(x / length * 6.28 + phase)) * SS))
            x += 2
        if len(pts) > 1:
            d.line(pts, fill=255, width=max(1, int(SS * rng.uniform(0.8, 1.6))))
    cv.tint(cv.blur_mask(m, 0.6), WATER_SHINE, alpha)


# --------------------------------------------------------------------------
# Round parts seen at an angle: k is how flat their circles look (height / width)
# --------------------------------------------------------------------------

def half_ellipse(cx, cy, rx, ry, lower=True, n=32):
    a0, a1 = (0.0, math.pi) if lower else (math.pi, 2 * math.pi)
    return [(cx + rx * math.cos(a0 + (a1 - a0) * t / n), cy + ry * math.sin(a0 + (a1 - a0) * t / n))
            for t in range(n + 1)]


def cylinder_side(cv, cx, y_top, y_bottom, r, k, colours):
    """The visible side of an upright cylinder, shaded across as a round surface."""
    light, mid, dark = colours
    pts = [(cx - r, y_top), (cx + r, y_top)] + half_ellipse(cx, y_bottom, r, r * k)
    m = cv.poly_mask(pts)
    cv.fill_gradient(m, cx - r, cx + r, mid, dark, horizontal=True)
    shine = cv.new_mask()
    ImageDraw.Draw(shine).rectangle(((cx - r * 0.62) * SS, (y_top - r) * SS, (cx - r * 0.3) * SS,
                                     (y_bottom + r) * SS), fill=255)
    cv.tint(mask_and(cv.blur_mask(shine, r * 0.12), m), light, 0.8)


def disc(cv, cx, cy, r, k, colour, outline=None):
    cv.ellipse((cx - r, cy - r * k, cx + r, cy + r * k), fill=colour, outline=outline, width=0.8)


def socket(cv, x0, x1, cy, r, colours, threads=True):
    """A horizontal pipe socket leaving the body to the right, its open end towards the viewer."""
    light, mid, dark = colours
    body = cv.new_mask()
    ImageDraw.Draw(body).rectangle((x0 * SS, (cy - r) * SS, x1 * SS, (cy + r) * SS), fill=255)
    cv.fill_gradient(body, cy - r, cy + r, light, dark)
    if threads:
        n = int((x1 - x0) / (r * 0.45))
        for i in range(1, n):
            x = x0 + (x1 - x0) * i / n
            if x > x0 + (x1 - x0) * 0.35:
                cv.line([(x, cy - r), (x - r * 0.25, cy + r)], shade(mid, 0.78), 0.7)
    cv.ellipse((x1 - r * 0.35, cy - r, x1 + r * 0.35, cy + r), fill=mid, outline=shade(dark, 0.9), width=0.7)
    cv.ellipse((x1 - r * 0.22, cy - r * 0.68, x1 + r * 0.22, cy + r * 0.68), fill=shade(dark, 0.55))


def grate(cv, cx, cy, r, k, colours, rings=6, ribs=4, slot=(70, 78, 86)):
    """A round grate of concentric slots held by radial ribs, and its centre screw."""
    light, mid, dark = colours
    disc(cv, cx, cy, r, k, slot)
    for i in range(rings):
        ro = r * (1 - i / rings)
        ri = ro - r / rings * 0.55
        disc(cv, cx, cy, ro, k, mix(light, mid, i / rings))
        disc(cv, cx, cy, ri, k, slot)
    for j in range(ribs):
        a = math.pi * j / ribs + math.pi / (2 * ribs)
        for s in (1, -1):
            cv.line([(cx, cy), (cx + s * r * math.cos(a), cy + s * r * k * math.sin(a))], mid, r * 0.09)
    disc(cv, cx, cy, r * 0.16, k, light, outline=dark)
    cv.line([(cx - r * 0.1, cy), (cx + r * 0.1, cy)], dark, 0.9)


def flange(cv, cx, cy, r, k, colours, screws=0):
    light, mid, dark = colours
    disc(cv, cx, cy + r * k * 0.08, r, k, dark)        # its edge
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((cx - r) * SS, (cy - r * k) * SS, (cx + r) * SS, (cy + r * k) * SS), fill=255)
    cv.fill_gradient(m, cy - r * k, cy + r * k, light, mid)
    for i in range(screws):
        a = 2 * math.pi * i / screws + math.pi / screws
        sx, sy = cx + r * 0.88 * math.cos(a), cy + r * 0.88 * k * math.sin(a)
        disc(cv, sx, sy, r * 0.045, 1.0, shade(mid, 0.85), outline=dark)
        cv.line([(sx - r * 0.03, sy), (sx + r * 0.03, sy)], dark, 0.6)


def dimension(cv, x0, x1, y, label):
    """A dimension line with arrows and its measure, as a catalogue drawing shows it."""
    ink = (40, 70, 110)
    cv.line([(x0, y), (x1, y)], ink, 0.9)
    for x, s in ((x0, 1), (x1, -1)):
        cv.polygon([(x, y), (x + s * 6, y - 2.6), (x + s * 6, y + 2.6)], ink)
        cv.line([(x, y - 6), (x, y + 6)], ink, 0.8)
    cv.text(((x0 + x1) / 2, y - 3), label, "LiberationSans-Bold.ttf", 10, ink, anchor="md",
            shadow=(STUDIO_TOP, 0, 0))


def drain_product(w, h, colours, screws, label=None):
    """A floor drain as a product: body with the outlet socket, flange and grate."""
    cv = studio(w, h)
    cx, k = w * 0.44, 0.4
    r = min(w * 0.3, h * 0.62)
    top = h * (0.36 if label else 0.3)
    body_r, body_bottom = r * 0.72, top + h * 0.4
    soft_shadow(cv, (cx - r * 1.05, body_bottom - r * 0.2, cx + r * 1.5, body_bottom + r * 0.42))
    socket(cv, cx + body_r * 0.5, cx + r * 1.42, top + h * 0.24, h * 0.085, colours)
    cylinder_side(cv, cx, top, body_bottom, body_r, k, colours)
    flange(cv, cx, top, r, k, colours, screws)
    grate(cv, cx, top, r * 0.74, k, colours)
    if label:
        dimension(cv, cx - r, cx + r, h * 0.1, label)
    return cv


# --------------------------------------------------------------------------
# The pictures
# --------------------------------------------------------------------------

def pic_drain_plastic(w, h):
    return drain_product(w, h, PLASTIC, screws=0, label="Ø 270 mm")


def pic_drain_bronze_top(w, h):
    """The bronze drain from above, set in the tiles of the pool floor."""
    cv = Canvas(w, h, TILE)
    joints = cv.new_mask()
    d = ImageDraw.Draw(joints)
    step = h / 6.5
    for i in range(-2, int(w / step) + 3):
        d.line(((i * step * SS, 0), (i * step * SS, h * SS)), fill=255, width=SS)
    for j in range(-1, 9):
        d.line(((0, j * step * SS), (w * SS, j * step * SS)), fill=255, width=SS)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, (146, 212, 238), (108, 188, 226))
    cv.tint(joints, TILE_JOINT, 0.9)
    cx, cy, r = w * 0.5, h * 0.5, h * 0.42
    soft_shadow(cv, (cx - r * 1.02, cy - r * 0.86, cx + r * 1.1, cy + r * 1.08), alpha=0.3, blur=3)
    flange(cv, cx, cy, r, 0.92, BRONZE, screws=6)
    grate(cv, cx, cy, r * 0.72, 0.92, BRONZE, rings=5, ribs=3)
    caustics(cv, 0, h, seed=31, alpha=0.22)
    return cv


def pic_drain_bronze_body(w, h):
    return drain_product(w, h, BRONZE, screws=6)


def pic_drain_bronze_fitted(w, h):
    """Fitted flush into the pool floor, under water, sunlight playing on the tiles."""
    cv = Canvas(w, h)
    horizon = h * 0.16
    wall = cv.new_mask()
    ImageDraw.Draw(wall).rectangle((0, 0, w * SS, horizon * SS), fill=255)
    cv.fill_gradient(wall, 0, horizon, (60, 146, 204), (96, 178, 222))
    tiled_floor(cv, horizon, w * 0.5, rows=7, cols=10, top_colour=(112, 188, 228), low_colour=(156, 216, 242))
    cx, cy, r, k = w * 0.5, h * 0.64, w * 0.25, 0.38
    disc(cv, cx, cy + 1.5, r * 1.03, k, shade(TILE_JOINT, 0.75))   # the joint round it
    flange(cv, cx, cy, r, k, BRONZE, screws=6)
    grate(cv, cx, cy, r * 0.72, k, BRONZE, rings=5, ribs=3)
    caustics(cv, horizon, h, seed=37, alpha=0.3, scale=1.2)
    # the water between the viewer and the far floor
    haze = cv.new_mask()
    ImageDraw.Draw(haze).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.shade_gradient(haze, horizon, h * 0.7, (60, 150, 210), 0.3, 0.0)
    return cv


def pic_cleaning_set(w, h):
    """The manual set: suction brush with side brushes, telescopic pole, hose."""
    cv = studio(w, h)
    s = h / 166.0
    # the hose, coiled up flat on the floor at the right, one end led to the brush
    hx, hy, hr, k = w * 0.76, h * 0.6, w * 0.19, 0.45
    soft_shadow(cv, (hx - hr * 1.08, hy - hr * k * 0.5, hx + hr * 1.14, hy + hr * k * 1.4), alpha=0.3)
    hose_light, hose_dark = (214, 236, 250), (56, 116, 178)
    thick = 6.4 * s
    for i in range(4):
        rr = hr - i * thick * 1.35
        box = (hx - rr, hy - rr * k, hx + rr, hy + rr * k)
        cv.ellipse(box, outline=hose_dark, width=thick)
        cv.ellipse(box, outline=mix(hose_light, hose_dark, 0.35 + 0.08 * i), width=thick * 0.6)
        hi = (hx - rr, hy - rr * k - thick * 0.12, hx + rr, hy + rr * k - thick * 0.12)
        cv.ellipse(hi, outline=hose_light, width=thick * 0.18)
    t = math.radians(196)
    start = (hx + hr * math.cos(t), hy + hr * k * math.sin(t))
    hose_end = [start, (start[0] - w * 0.08, start[1] + h * 0.02), (w * 0.42, h * 0.64), (w * 0.37, h * 0.72)]
    cv.line(hose_end, hose_dark, thick)
    cv.line(hose_end, mix(hose_light, hose_dark, 0.35), thick * 0.6)

    # the telescopic pole: outer tube, clamp, inner tube, handle
    p_top, p_mid, p_end = (w * 0.05, h * 0.08), (w * 0.22, h * 0.42), (w * 0.34, h * 0.66)
    cv.line([p_top, p_mid], STAINLESS_EDGE, 5.2 * s)
    cv.line([p_top, p_mid], (222, 228, 234), 3.6 * s)
    cv.line([p_mid, p_end], STAINLESS_EDGE, 6.6 * s)
    cv.line([p_mid, p_end], STAINLESS, 5.0 * s)
    cv.line([(p_top[0] - 4 * s, p_top[1] - 8 * s), (p_top[0] + 2 * s, p_top[1] + 4 * s)], (50, 60, 70), 7 * s)
    ux, uy = (p_end[0] - p_mid[0]), (p_end[1] - p_mid[1])
    ln = math.hypot(ux, uy)
    ux, uy = ux / ln, uy / ln
    cv.line([(p_mid[0] - ux * 4 * s, p_mid[1] - uy * 4 * s), (p_mid[0] + ux * 5 * s, p_mid[1] + uy * 5 * s)],
            (40, 90, 170), 9 * s)

    # the suction brush: a wide head, bristles along its front, round side brushes
    bx, by = w * 0.36, h * 0.8
    hw, hd = w * 0.2, h * 0.1
    soft_shadow(cv, (bx - hw * 1.2, by - hd * 0.2, bx + hw * 1.2, by + hd * 1.6), alpha=0.35)
    head = [(bx - hw, by + hd * 0.2), (bx - hw * 0.86, by - hd), (bx + hw * 0.86, by - hd), (bx + hw, by + hd * 0.2),
            (bx + hw * 0.94, by + hd * 0.9), (bx - hw * 0.94, by + hd * 0.9)]
    m = cv.poly_mask(head)
    cv.fill_gradient(m, by - hd, by + hd, (64, 140, 214), (24, 84, 160))
    for i in range(34):   # bristles under the front edge
        x = bx - hw * 0.9 + hw * 1.8 * i / 33
        cv.line([(x, by + hd * 0.9), (x + 0.6 * s, by + hd * 1.5)], (250, 250, 246), 1.3 * s)
    for sx in (bx - hw * 0.98, bx + hw * 0.98):
        cv.ellipse((sx - hd * 0.75, by + hd * 0.1, sx + hd * 0.75, by + hd * 1.3), fill=(232, 236, 240),
                   outline=(150, 158, 166), width=0.7)
        for a in range(0, 360, 30):
            t = math.radians(a)
            cv.line([(sx, by + hd * 0.7), (sx + hd * 0.7 * math.cos(t), by + hd * 0.7 + hd * 0.55 * math.sin(t))],
                    (176, 184, 192), 0.6)
    # the joint the pole and the hose meet at
    cv.ellipse((bx - hd * 0.9, by - hd * 1.35, bx + hd * 0.9, by - hd * 0.35), fill=(30, 80, 150))
    cv.line([(bx, by - hd * 0.85), p_end], (30, 80, 150), 5 * s)
    return cv


PICTURES = [
    Picture("equipment/drain_plastic.jpg", BoxSize(), pic_drain_plastic),
    Picture("equipment/drain_bronze_top.jpg", BoxSize(), pic_drain_bronze_top),
    Picture("equipment/drain_bronze_body.jpg", BoxSize(), pic_drain_bronze_body),
    Picture("equipment/drain_bronze_fitted.jpg", BoxSize(), pic_drain_bronze_fitted),
    Picture("equipment/cleaning_set.jpg", BoxSize(), pic_cleaning_set),
]
