"""Pictures of the water-heating page (pages/heating/waterheatingpage.ui): a solar absorber on
its rack beside the pool, the solar controller (alone, and with its valve and sensors), the
solar shower, the heat pump, and the glyph of the button that opens the sizing page."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera
from ..canvas import SS, Canvas
from ..entries import Picture
from ..palette import (
    HOSE, STAINLESS, STAINLESS_EDGE, STEEL_DARK, WATER_SHINE, WHITE, lit, mix, shade,
)
from ..plans import circle_plan, move_plan
from ..pool_parts import tube
from ..pools import draw_steel_pool
from ..scenery import garden_backdrop
from ..sizes import BoxSize, Kept, PanelSize
from ..solids import draw_box

MAT = (34, 36, 42)             # the black polypropylene of the absorbers
MAT_TUBE = (74, 80, 92)
MAT_SHINE = (150, 160, 176)
HEADER = (54, 58, 66)
RACK = (196, 202, 210)          # aluminium
HOUSING = (240, 242, 244)      # white housings of controller and heat pump
HOUSING_EDGE = (150, 158, 170)
DISPLAY = (28, 44, 56)
DISPLAY_TEXT = (120, 232, 250)
BRASS = (206, 164, 72)
SUN = (255, 232, 120)
PAGE_BLUE = (5, 168, 216)


def full_mask(cv):
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((0, 0, cv.w * SS, cv.h * SS), fill=255)
    return m


def studio(cv, c0=(240, 249, 253), c1=(196, 228, 244)):
    """A plain light backdrop for the pictures of devices."""
    cv.fill_gradient(full_mask(cv), 0, cv.h, c0, c1)


def soft_shadow(cv, box, alpha=0.3, blur=4.0):
    m = cv.new_mask()
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    cv.tint(cv.blur_mask(m, blur), (20, 50, 70), alpha)


# --------------------------------------------------------------------------
# The absorber: a black mat of parallel tubes between two header pipes
# --------------------------------------------------------------------------

def draw_absorber_mat(cv, cam, x0, x1, y0, z0, length, tilt, tubes=26):
    """A mat from x0 to x1 whose lower edge lies at (y0, z0), rising away from the viewer
    (towards -y) by tilt degrees over its length; returns the corners (lower left, lower
    right, upper right, upper left) in the scene."""
    t = math.radians(tilt)
    y1, z1 = y0 - length * math.cos(t), z0 + length * math.sin(t)
    corners = [(x0, y0, z0), (x1, y0, z0), (x1, y1, z1), (x0, y1, z1)]
    quad = [cam.p(*c) for c in corners]
    normal = (0.0, math.sin(t), math.cos(t))
    cv.polygon(quad, lit(MAT, normal, 0.8, 0.2))
    # the tubes run up the slope, each with a narrow glint where the sky mirrors in it
    for k in range(tubes):
        u = x0 + (x1 - x0) * (k + 0.5) / tubes
        a, b = cam.p(u, y0, z0), cam.p(u, y1, z1)
        width = abs(cam.p(x1, y0, z0)[0] - cam.p(x0, y0, z0)[0]) / tubes
        cv.line([a, b], MAT_TUBE, width * 0.55)
        cv.line([(a[0] - width * 0.12, a[1]), (b[0] - width * 0.12, b[1])], MAT_SHINE, max(0.5, width * 0.12))
    # the sun's reflection across the upper part
    m = cv.poly_mask(quad)
    cv.shade_gradient(m, min(q[1] for q in quad), max(q[1] for q in quad), (210, 226, 240), 0.28, 0.0)
    # header pipes along both ends
    for (yy, zz) in ((y0, z0), (y1, z1)):
        a, b = cam.p(x0 - 0.06, yy, zz), cam.p(x1 + 0.06, yy, zz)
        r = abs(cam.p(x0, yy, zz + 0.05)[1] - cam.p(x0, yy, zz)[1])
        cv.line([a, b], shade(HEADER, 0.7), r * 1.6 + 1)
        cv.line([a, b], HEADER, r * 1.2)
        cv.line([(a[0], a[1] - r * 0.35), (b[0], b[1] - r * 0.35)], MAT_SHINE, max(0.6, r * 0.25))
    return corners


def draw_rack(cv, cam, corners, z_ground):
    """The aluminium stand under a tilted mat: feet at the front, struts at the back."""
    (lx, ly, lz), (rx, _, _), (_, uy, uz), _ = corners
    width = max(1.0, abs(cam.p(lx, ly, lz)[0] - cam.p(lx + 0.04, ly, lz)[0]))
    for x in (lx + 0.1, rx - 0.1):
        tube(cv, [cam.p(x, uy + 0.05, z_ground), cam.p(x, uy + 0.05, uz - 0.02)], width, RACK, STEEL_DARK)
        tube(cv, [cam.p(x, ly, z_ground + 0.05), cam.p(x, uy + 0.05, z_ground + 0.05)], width, RACK, STEEL_DARK)
        tube(cv, [cam.p(x, ly, z_ground), cam.p(x, ly, lz)], width, RACK, STEEL_DARK)


def pic_absorber(w, h):
    """A 2,00 x 1,20 m absorber on its stand in the sun, hosed to the pool behind it."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.34, seed=52, sun=(w * 0.86, h * 0.1, h * 0.055))
    cam = Camera(elevation=26, azimuth=-18, distance=14, target=(-0.6, -1.0, 0.5))
    pool = move_plan(circle_plan(2.0, 120), -2.9, -3.1)
    cam.fit([(-3.6, -1.6, 0), (-3.6, -1.6, 1.2), (1.8, 0.9, 0), (1.8, -0.5, 1.1)],
            (w * 0.03, h * 0.36, w * 0.97, h * 0.96))
    draw_steel_pool(cv, cam, pool, 1.15, seed=52, ladder_at=None, skimmer_at=0.9)
    # hoses from the header pipes to the pool
    for (sx, sy, sz), (ex, ey) in (((-0.55, 0.6, 0.3), (-1.35, -1.75)), ((-0.55, -0.37, 1.0), (-1.2, -2.0))):
        pts = [cam.p(sx + (ex - sx) * t, sy + (ey - sy) * t, sz * (1 - t) ** 2 + 1.05 * t ** 3 + 0.03)
               for t in (k / 14 for k in range(15))]
        cv.line(pts, shade(HOSE, 0.6), 3.4)
        cv.line(pts, HOSE, 2.4)
    # the shadow of the mat on the lawn
    shadow = [cam.p(-0.5, 0.75, 0), cam.p(1.5, 0.75, 0), cam.p(1.75, -0.2, 0), cam.p(-0.25, -0.2, 0)]
    cv.tint(cv.blur_mask(cv.poly_mask(shadow), 3.0), (20, 60, 30), 0.32)
    corners = draw_absorber_mat(cv, cam, -0.5, 1.5, 0.6, 0.3, 1.2, 36)
    draw_rack(cv, cam, corners, 0.0)
    draw_absorber_mat(cv, cam, -0.5, 1.5, 0.6, 0.3, 1.2, 36)
    return cv


# --------------------------------------------------------------------------
# The controller
# --------------------------------------------------------------------------

def draw_controller(cv, x, y, bw, bh, reading="28,5"):
    """The controller housing in front view with its display, keys and cable glands."""
    s = bh / 100.0
    soft_shadow(cv, (x - bw * 0.02, y + bh * 0.92, x + bw * 1.06, y + bh * 1.08), 0.35, 3 * s)
    cv.rect((x, y, x + bw, y + bh), fill=HOUSING, outline=HOUSING_EDGE, width=1, radius=7 * s)
    body = cv.new_mask()
    ImageDraw.Draw(body).rounded_rectangle((x * SS, y * SS, (x + bw) * SS, (y + bh) * SS), radius=7 * s * SS, fill=255)
    cv.shade_gradient(body, y, y + bh, (120, 134, 150), 0.0, 0.22)
    # lid seam, display and the name plate
    cv.line([(x + bw * 0.06, y + bh * 0.2), (x + bw * 0.94, y + bh * 0.2)], (212, 216, 222), 1.2 * s)
    cv.rect((x + bw * 0.12, y + bh * 0.3, x + bw * 0.88, y + bh * 0.58), fill=DISPLAY, outline=(60, 70, 80),
            width=1, radius=3 * s)
    cv.text((x + bw * 0.84, y + bh * 0.445), reading + " °C", "LiberationSans-Bold.ttf", 13 * s, DISPLAY_TEXT,
            anchor="rm")
    cv.text((x + bw * 0.16, y + bh * 0.445), "\u2600", "DejaVuSans.ttf", 12 * s, (255, 214, 90), anchor="lm")
    cv.text((x + bw * 0.5, y + bh * 0.11), "SOLAR", "LiberationSans-Bold.ttf", 8.5 * s, (40, 110, 180), anchor="mm")
    # three keys and a lamp
    for k, colour in enumerate(((40, 120, 200), (40, 120, 200), (226, 80, 64))):
        kx = x + bw * (0.24 + 0.2 * k)
        cv.ellipse((kx - 5 * s, y + bh * 0.7 - 5 * s, kx + 5 * s, y + bh * 0.7 + 5 * s), fill=colour,
                   outline=shade(colour, 0.7), width=0.8)
    cv.ellipse((x + bw * 0.82 - 3 * s, y + bh * 0.7 - 3 * s, x + bw * 0.82 + 3 * s, y + bh * 0.7 + 3 * s),
               fill=(90, 220, 90))
    # cable glands at the bottom
    for k in range(3):
        gx = x + bw * (0.25 + 0.25 * k)
        cv.rect((gx - 4 * s, y + bh, gx + 4 * s, y + bh + 5 * s), fill=(70, 74, 82), radius=1.5 * s)


def pic_controller_front(w, h):
    cv = Canvas(w, h)
    studio(cv)
    draw_controller(cv, w * 0.17, h * 0.12, w * 0.66, h * 0.7)
    return cv


def draw_valve(cv, x, y, s):
    """A three-way motor valve: brass body with three ports under a black actuator."""
    for dx, dy, ln in ((-1, 0, 26), (1, 0, 26), (0, 1, 22)):
        x1, y1 = x + dx * ln * s, y + dy * ln * s
        cv.line([(x, y), (x1, y1)], shade(BRASS, 0.7), 12 * s)
        cv.line([(x, y), (x1, y1)], BRASS, 9 * s)
        cv.line([(x - dy * 2 * s, y - 2 * s + dx * 0), (x1 - dy * 2 * s, y1 - 2 * s)], (240, 212, 140), 2 * s)
        nut = (x1 - 6 * s, y1 - 7 * s, x1 + 6 * s, y1 + 7 * s) if dy == 0 else (x1 - 7 * s, y1 - 6 * s, x1 + 7 * s, y1 + 6 * s)
        cv.rect(nut, fill=shade(BRASS, 0.85), outline=shade(BRASS, 0.6), width=0.8, radius=1.5 * s)
    cv.ellipse((x - 12 * s, y - 12 * s, x + 12 * s, y + 12 * s), fill=BRASS, outline=shade(BRASS, 0.65), width=1)
    cv.rect((x - 16 * s, y - 46 * s, x + 16 * s, y - 12 * s), fill=(48, 52, 60), outline=(20, 22, 26), width=1,
            radius=4 * s)
    cv.rect((x - 10 * s, y - 40 * s, x + 2 * s, y - 34 * s), fill=(90, 96, 108), radius=1.5 * s)


def pic_controller_set(w, h):
    """The controller with its motor valve and the two temperature sensors."""
    cv = Canvas(w, h)
    studio(cv, (246, 250, 240), (208, 232, 214))
    s = h / 174.0
    draw_controller(cv, w * 0.06, h * 0.08, w * 0.46, h * 0.5, reading="31,0")
    vx, vy = w * 0.76, h * 0.62
    # sensor and valve cables
    for (sx, sy), (ex, ey), colour in (((w * 0.18, h * 0.62), (w * 0.18, h * 0.9), (40, 44, 52)),
                                       ((w * 0.29, h * 0.62), (w * 0.44, h * 0.92), (40, 44, 52)),
                                       ((w * 0.4, h * 0.62), (vx - 10 * s, vy - 46 * s), (60, 64, 72))):
        pts = [(sx + (ex - sx) * t, sy + (ey - sy) * t + math.sin(t * math.pi) * 10 * s) for t in (k / 10 for k in range(11))]
        cv.line(pts, colour, 2.2 * s)
    for ex, ey in ((w * 0.18, h * 0.9), (w * 0.44, h * 0.92)):
        cv.rect((ex - 3 * s, ey - 2 * s, ex + 3 * s, ey + 14 * s), fill=STAINLESS, outline=STAINLESS_EDGE, width=0.8,
                radius=2.5 * s)
    draw_valve(cv, vx, vy, 1.15 * s)
    return cv


# --------------------------------------------------------------------------
# The solar shower
# --------------------------------------------------------------------------

def pic_shower(w, h):
    """The solar shower on its foot plate on the lawn: a black tank column warmed by the
    sun, the shower head on its arm, the mixer lever and the foot tap."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.55, seed=61, sun=(w * 0.8, h * 0.1, w * 0.07))
    s = w / 194.0
    cx, base = w * 0.46, h * 0.9
    top = h * 0.2
    cw = 30 * s
    # the foot plate and its shadow
    soft_shadow(cv, (cx - 50 * s, base - 8 * s, cx + 62 * s, base + 10 * s), 0.35, 4 * s)
    cv.rect((cx - 38 * s, base - 6 * s, cx + 38 * s, base + 3 * s), fill=(120, 126, 136), outline=(80, 86, 96),
            width=1, radius=3 * s)
    # the tank column, black, rounded on top, a light stripe where the sun catches it
    cv.rect((cx - cw / 2, top, cx + cw / 2, base - 5 * s), fill=MAT, radius=cw / 2)
    column = cv.new_mask()
    ImageDraw.Draw(column).rounded_rectangle(((cx - cw / 2) * SS, top * SS, (cx + cw / 2) * SS, (base - 5 * s) * SS),
                                             radius=cw / 2 * SS, fill=255)
    cv.fill_gradient(column, cx - cw / 2, cx + cw / 2, (96, 104, 118), (20, 22, 26), horizontal=True)
    cv.line([(cx - cw * 0.22, top + cw * 0.6), (cx - cw * 0.22, base - 14 * s)], (150, 160, 176), 2.4 * s)
    # the arm with the shower head, and a spray of water
    arm = [(cx, top + 6 * s), (cx + 6 * s, top - 14 * s), (cx + 26 * s, top - 22 * s), (cx + 50 * s, top - 16 * s)]
    tube(cv, arm, 5 * s, STAINLESS, STAINLESS_EDGE)
    hx, hy = cx + 54 * s, top - 10 * s
    cv.ellipse((hx - 17 * s, hy - 6 * s, hx + 17 * s, hy + 6 * s), fill=STAINLESS, outline=STAINLESS_EDGE, width=1)
    cv.ellipse((hx - 14 * s, hy - 1 * s, hx + 14 * s, hy + 5 * s), fill=(200, 206, 214))
    rng = random.Random(7)
    for _ in range(26):
        dx = rng.uniform(-13, 13) * s
        y0 = hy + rng.uniform(6, 24) * s
        ln = rng.uniform(8, 18) * s
        cv.line([(hx + dx, y0), (hx + dx * 1.5, y0 + ln)], mix(WATER_SHINE, (150, 210, 240), rng.random()), 1.1 * s)
    # mixer lever halfway up, foot tap low down
    for yy, lever in ((h * 0.5, 16), (base - 36 * s, 11)):
        cv.rect((cx + cw / 2 - 2 * s, yy - 6 * s, cx + cw / 2 + 9 * s, yy + 6 * s), fill=STAINLESS,
                outline=STAINLESS_EDGE, width=0.8, radius=2 * s)
        tube(cv, [(cx + cw / 2 + 8 * s, yy - 2 * s), (cx + cw / 2 + (8 + lever) * s, yy - 8 * s)], 3 * s)
    # the garden hose coming in at the foot
    hose = [(cx - cw / 2, base - 12 * s), (cx - 30 * s, base - 4 * s), (cx - 56 * s, base + 2 * s),
            (cx - 90 * s, base + 6 * s)]
    cv.line(hose, shade(HOSE, 0.6), 5 * s)
    cv.line(hose, HOSE, 3.6 * s)
    return cv


# --------------------------------------------------------------------------
# The heat pump
# --------------------------------------------------------------------------

def pic_heat_pump(w, h):
    """A heat pump on the lawn beside the pool: white housing, fan behind its grille,
    the pool's water hoses at its side."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.3, seed=73)
    cam = Camera(elevation=18, azimuth=24, distance=12, target=(0.6, -0.8, 0.4))
    pool = move_plan(circle_plan(1.8, 120), 2.7, -2.2)
    # the pump fills the left of the picture, the pool runs out of it on the right
    cam.fit([(-0.62, 0.24, 0), (-0.62, 0.24, 0.92), (0.62, 0.24, 0), (0.62, -0.24, 0.92)],
            (w * 0.07, h * 0.3, w * 0.52, h * 0.9))
    draw_steel_pool(cv, cam, pool, 1.2, seed=73, ladder_at=None, skimmer_at=0.62)
    x0, x1, y0, y1, z1 = -0.6, 0.6, -0.22, 0.22, 0.86
    # water out and back in: two hoses from the side of the housing to the pool
    for k, zz in enumerate((0.24, 0.4)):
        sx, sy = x1, 0.1 - 0.16 * k
        ex, ey = 1.3 + 0.12 * k, -1.0 - 0.2 * k
        pts = [cam.p(sx + (ex - sx) * t, sy + (ey - sy) * t, zz * (1 - t) ** 2 + 1.2 * t ** 4 + 0.02)
               for t in (j / 16 for j in range(17))]
        cv.line(pts, (30, 34, 40), 3.6)
        cv.line(pts, (66, 72, 84), 2.4)
    shadow = [cam.p(x0 - 0.25, y0 + 0.1, 0), cam.p(x1 - 0.1, y0 + 0.1, 0), cam.p(x1 - 0.05, y1 + 0.35, 0),
              cam.p(x0 - 0.2, y1 + 0.35, 0)]
    cv.tint(cv.blur_mask(cv.poly_mask(shadow), 3.5), (20, 60, 30), 0.35)
    # feet, housing and lid
    for fx in (x0 + 0.08, x1 - 0.12):
        draw_box(cv, cam, fx, fx + 0.04, y0 + 0.02, y1 - 0.02, 0.0, 0.06, (90, 96, 106))
    draw_box(cv, cam, x0, x1, y0, y1, 0.06, z1, HOUSING, outline=HOUSING_EDGE)
    draw_box(cv, cam, x0 - 0.02, x1 + 0.02, y0 - 0.02, y1 + 0.02, z1, z1 + 0.04, (210, 214, 220),
             outline=HOUSING_EDGE)
    # the fan grille on the front, the side that faces the viewer
    front = y1 + 0.002
    fx, fz, r = -0.17, 0.46, 0.3
    ring = [cam.p(fx + r * math.cos(a), front, fz + r * math.sin(a)) for a in
            (2 * math.pi * k / 60 for k in range(60))]
    cv.polygon(ring, (52, 58, 68), outline=(120, 128, 140), width=1.2)
    for k in range(3):
        a0 = 2 * math.pi * k / 3
        blade = [cam.p(fx, front, fz)] + [
            cam.p(fx + r * 0.9 * math.cos(a0 + t), front, fz + r * 0.9 * math.sin(a0 + t)) for t in (0.0, 0.35, 0.7)]
        cv.polygon(blade, (110, 118, 130))
    for k in range(1, 5):
        rr = r * k / 5
        grill = [cam.p(fx + rr * math.cos(a), front, fz + rr * math.sin(a)) for a in
                 (2 * math.pi * j / 48 for j in range(49))]
        cv.line(grill, (170, 176, 186), 0.7)
    for k in range(-4, 5):
        xx = fx + r * k / 5
        dz = math.sqrt(max(r * r - (xx - fx) ** 2, 0))
        cv.line([cam.p(xx, front, fz - dz), cam.p(xx, front, fz + dz)], (170, 176, 186), 0.6)
    # the display beside the fan
    panel = [cam.p(0.28, front, 0.56), cam.p(0.5, front, 0.56), cam.p(0.5, front, 0.72), cam.p(0.28, front, 0.72)]
    cv.polygon(panel, DISPLAY)
    cv.text(((panel[0][0] + panel[2][0]) / 2, (panel[0][1] + panel[2][1]) / 2), "27°", "LiberationSans-Bold.ttf",
            abs(panel[2][1] - panel[0][1]) * 0.62, DISPLAY_TEXT, anchor="mm")
    return cv


# --------------------------------------------------------------------------
# The glyph of the button to the sizing page
# --------------------------------------------------------------------------

def pic_sizing_glyph(w, h):
    """A small absorber under the sun, on the page's own blue."""
    cv = Canvas(w, h, PAGE_BLUE)
    s = w / 48.0
    sx, sy, sr = w * 0.7, h * 0.3, 7 * s
    for k in range(8):
        a = 2 * math.pi * k / 8
        cv.line([(sx + math.cos(a) * sr * 1.35, sy + math.sin(a) * sr * 1.35),
                 (sx + math.cos(a) * sr * 1.9, sy + math.sin(a) * sr * 1.9)], SUN, 1.8 * s)
    cv.ellipse((sx - sr, sy - sr, sx + sr, sy + sr), fill=SUN, outline=(240, 190, 60), width=0.8)
    mat = [(w * 0.1, h * 0.86), (w * 0.62, h * 0.86), (w * 0.52, h * 0.5), (w * 0.2, h * 0.5)]
    cv.polygon(mat, MAT, outline=WHITE, width=1.2 * s)
    for k in range(1, 8):
        t = k / 8
        a = (mat[0][0] + (mat[1][0] - mat[0][0]) * t, mat[0][1])
        b = (mat[3][0] + (mat[2][0] - mat[3][0]) * t, mat[3][1])
        cv.line([a, b], MAT_SHINE, 0.9 * s)
    return cv


PICTURES = [
    # twice the panels they fill: a click enlarges them
    Picture("heating/absorber.jpg", PanelSize(2), pic_absorber),
    Picture("heating/controller1.jpg", PanelSize(2), pic_controller_front),
    Picture("heating/controller2.jpg", PanelSize(2), pic_controller_set),
    Picture("heating/heatpump.jpg", PanelSize(2), pic_heat_pump),
    # twice the box: a click shows it at 150 x 300, near that height
    Picture("heating/shower.jpg", BoxSize(2), pic_shower),
    Picture("heating/sizing.jpg", Kept((48, 48), "the glyph of the button to the sizing page, an icon of "
                                                 "24 x 24 drawn at twice that size"), pic_sizing_glyph),
]
