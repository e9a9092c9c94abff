"""Pictures of the skimmer page (pages/equipment/skimmerpage.ui): the plastic and the bronze
built-in skimmer, the skimmer's parts and the skimmer built into the wall, the plastic and the
bronze inlet nozzle and the nozzle built into the wall."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera
from ..canvas import SS, mask_and
from ..entries import Picture
from ..palette import (
    CONCRETE, CONCRETE_DARK, LINER, LINER_DARK, SOIL, STAINLESS_EDGE, WATER_FAR, WATER_NEAR,
    WATER_SHINE, WHITE, lit, mix, shade,
)
from ..sizes import BoxSize
from ..solids import draw_box, draw_cylinder
from ._studio import (
    BRONZE, BRONZE_LIGHT, GLASS_DARK, PLASTIC, PLASTIC_EDGE, PLASTIC_SHADE, STEEL_BALL, glow,
    shaded_disc, soft_shadow, studio, threaded_body,
)

MOUTH = (0.0755, 0.0705)   # half the skimmer opening of 151 x 141 mm


# --------------------------------------------------------------------------
# The skimmer
# --------------------------------------------------------------------------

def skimmer_camera(box):
    cam = Camera(elevation=20, azimuth=-34, distance=2.2, target=(0.0, -0.15, 0.0))
    pts = [(x, y, z) for x in (-0.2, 0.2) for y in (-0.42, 0.03) for z in (-0.27, 0.3)]
    return cam.fit(pts, box)


def draw_skimmer(cv, cam, body, flange, mouth_dark=GLASS_DARK, lid=None):
    """A built-in skimmer: body with outlet and neck to the lid, the front flange with the
    opening and its weir flap; the flange faces the viewer's right."""
    edge = shade(body, 0.62)
    draw_cylinder(cv, cam, 0.0, -0.27, 0.032, -0.27, -0.16, shade(body, 0.92))
    draw_box(cv, cam, -0.15, 0.15, -0.40, 0.0, -0.16, 0.12, body, outline=edge)
    draw_cylinder(cv, cam, 0.0, -0.25, 0.095, 0.12, 0.27, body)
    draw_cylinder(cv, cam, 0.0, -0.25, 0.115, 0.27, 0.29, lid or body, top_colour=lit(lid or body, (0, 0, 1)))
    lx, ly = cam.p(0.0, -0.25, 0.29)
    r = (cam.p(0.06, -0.25, 0.29)[0] - lx)
    cv.ellipse((lx - r * 0.5, ly - r * 0.18, lx + r * 0.5, ly + r * 0.18), fill=shade(lid or body, 0.7))
    draw_box(cv, cam, -0.2, 0.2, 0.0, 0.025, -0.2, 0.19, flange, outline=shade(flange, 0.6))
    fy = 0.0251
    hole = [cam.p(-MOUTH[0], fy, -MOUTH[1]), cam.p(MOUTH[0], fy, -MOUTH[1]), cam.p(MOUTH[0], fy, MOUTH[1]),
            cam.p(-MOUTH[0], fy, MOUTH[1])]
    cv.polygon(hole, mouth_dark, outline=shade(flange, 0.55), width=0.8)
    m = cv.poly_mask(hole)
    ys = [y for _, y in hole]
    cv.shade_gradient(m, min(ys), max(ys), (140, 160, 180), 0.35, 0.0)
    # the weir flap, hinged at the foot of the opening and tipped back
    flap = [cam.p(-MOUTH[0] * 0.92, fy, -MOUTH[1] * 0.95), cam.p(MOUTH[0] * 0.92, fy, -MOUTH[1] * 0.95),
            cam.p(MOUTH[0] * 0.92, fy - 0.03, -0.015), cam.p(-MOUTH[0] * 0.92, fy - 0.03, -0.015)]
    cv.polygon(flap, mix(flange, (200, 210, 220), 0.3), outline=shade(flange, 0.55), width=0.6)
    for sx, sz in ((-0.165, 0.155), (0.165, 0.155), (-0.165, -0.165), (0.165, -0.165)):
        x, y = cam.p(sx, fy, sz)
        cv.ellipse((x - 1.4, y - 1.6, x + 1.4, y + 1.6), fill=shade(flange, 0.5))


def pic_skimmer(w, h):
    """The plastic built-in skimmer with the inlet nozzle of its set."""
    cv = studio(w, h)
    s = h / 146.0
    soft_shadow(cv, (w * 0.12, h * 0.82, w * 0.6, h * 0.97), 0.3)
    cam = skimmer_camera((w * 0.08, h * 0.06, w * 0.62, h * 0.94))
    draw_skimmer(cv, cam, PLASTIC, PLASTIC)
    soft_shadow(cv, (w * 0.7, h * 0.76, w * 0.95, h * 0.9), 0.25)
    draw_nozzle(cv, w * 0.82, h * 0.58, 26 * s, PLASTIC, PLASTIC)
    return cv


def pic_skimmer_bronze(w, h):
    """The skimmer cast in red brass with its bronze-coloured face plate, and its nozzle."""
    cv = studio(w, h, top=(250, 246, 238), low=(232, 214, 190))
    s = h / 146.0
    soft_shadow(cv, (w * 0.12, h * 0.82, w * 0.6, h * 0.97), 0.3)
    cam = skimmer_camera((w * 0.08, h * 0.06, w * 0.62, h * 0.94))
    draw_skimmer(cv, cam, BRONZE, mix(BRONZE, BRONZE_LIGHT, 0.35), lid=mix(BRONZE, BRONZE_LIGHT, 0.2))
    glow(cv, (w * 0.36, h * 0.2, w * 0.5, h * 0.5), BRONZE_LIGHT, 0.35)
    soft_shadow(cv, (w * 0.7, h * 0.76, w * 0.95, h * 0.9), 0.25)
    draw_nozzle(cv, w * 0.82, h * 0.58, 26 * s, mix(BRONZE, BRONZE_LIGHT, 0.35), STEEL_BALL)
    return cv


def pic_skimmer_parts(w, h):
    """What comes with the skimmer: basket, lid, winter cap, cleaner flap and key."""
    cv = studio(w, h)
    s = h / 146.0
    # basket
    bx, by = w * 0.2, h * 0.52
    soft_shadow(cv, (bx - 48 * s, by + 40 * s, bx + 48 * s, by + 56 * s))
    cv.polygon([(bx - 40 * s, by - 34 * s), (bx + 40 * s, by - 34 * s), (bx + 34 * s, by + 44 * s),
                (bx - 34 * s, by + 44 * s)], (232, 236, 242), outline=PLASTIC_EDGE, width=0.8)
    cv.ellipse((bx - 34 * s, by + 38 * s, bx + 34 * s, by + 50 * s), fill=(214, 220, 228), outline=PLASTIC_EDGE)
    for row in range(6):
        for col in range(7):
            x = bx - 27 * s + col * 9 * s + (row % 2) * 4.5 * s
            y = by - 22 * s + row * 11 * s
            cv.ellipse((x - 2 * s, y - 2.6 * s, x + 2 * s, y + 2.6 * s), fill=(150, 162, 178))
    shaded_disc(cv, bx, by - 34 * s, 40 * s, 11 * s, (248, 250, 252), (200, 208, 218), outline=PLASTIC_EDGE)
    cv.ellipse((bx - 32 * s, by - 42 * s, bx + 32 * s, by - 26 * s), fill=(120, 132, 150))
    cv.line([(bx - 26 * s, by - 36 * s), (bx - 20 * s, by - 58 * s), (bx + 20 * s, by - 58 * s),
             (bx + 26 * s, by - 36 * s)], PLASTIC_EDGE, 3 * s)
    # lid
    lx, ly = w * 0.47, h * 0.62
    soft_shadow(cv, (lx - 46 * s, ly + 6 * s, lx + 46 * s, ly + 24 * s))
    cv.ellipse((lx - 42 * s, ly - 10 * s, lx + 42 * s, ly + 16 * s), fill=PLASTIC_SHADE, outline=PLASTIC_EDGE)
    shaded_disc(cv, lx, ly, 42 * s, 13 * s, WHITE, (214, 220, 230))
    cv.ellipse((lx - 16 * s, ly - 3 * s, lx + 16 * s, ly + 3 * s), fill=(170, 180, 194))
    # winter cap (a round plug with a handle)
    cx, cy = w * 0.69, h * 0.58
    soft_shadow(cv, (cx - 26 * s, cy + 16 * s, cx + 26 * s, cy + 30 * s))
    cv.rect((cx - 20 * s, cy - 4 * s, cx + 20 * s, cy + 20 * s), fill=(52, 60, 74), radius=4 * s)
    shaded_disc(cv, cx, cy - 4 * s, 20 * s, 8 * s, (120, 130, 146), (40, 46, 58))
    cv.rect((cx - 4 * s, cy - 22 * s, cx + 4 * s, cy - 4 * s), fill=(70, 80, 96), radius=2 * s)
    # cleaner flap and key
    fx, fy = w * 0.87, h * 0.44
    soft_shadow(cv, (fx - 24 * s, fy + 44 * s, fx + 24 * s, fy + 56 * s))
    cv.rect((fx - 20 * s, fy - 10 * s, fx + 20 * s, fy + 30 * s), fill=PLASTIC, outline=PLASTIC_EDGE, radius=5 * s)
    shaded_disc(cv, fx, fy + 10 * s, 12 * s, 12 * s, (230, 236, 242), (150, 160, 174))
    kx, ky = w * 0.87, h * 0.86
    cv.line([(kx - 22 * s, ky), (kx + 12 * s, ky)], (96, 104, 116), 3.2 * s)
    cv.ellipse((kx + 8 * s, ky - 7 * s, kx + 22 * s, ky + 7 * s), fill=(96, 104, 116))
    cv.ellipse((kx + 12 * s, ky - 3 * s, kx + 18 * s, ky + 3 * s), fill=(232, 240, 246))
    cv.line([(kx - 22 * s, ky), (kx - 22 * s, ky + 6 * s)], (96, 104, 116), 3 * s)
    return cv


def pic_skimmer_installed(w, h):
    """The skimmer set into the pool wall, cut open: the water flows in over the flap,
    the pipe leads down to the filter."""
    cv = studio(w, h)
    rng = random.Random(63)
    s = h / 146.0
    wall_x = w * 0.5          # the inner face of the pool wall
    water = h * 0.42          # the water line, half up the opening
    # soil and concrete behind the wall, the water in front of it
    cv.rect((0, 0, wall_x - 14 * s, h), fill=mix(SOIL, WHITE, 0.35))
    cv.rect((wall_x - 14 * s, 0, wall_x, h), fill=CONCRETE)
    cv.line([(wall_x - 14 * s, 0), (wall_x - 14 * s, h)], CONCRETE_DARK, 0.8)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((wall_x * SS, water * SS, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, water, h, WATER_FAR, WATER_NEAR)
    cv.rect((wall_x, 0, wall_x + 3 * s, h), fill=LINER)
    # skimmer body in section
    top, bot = h * 0.12, h * 0.64
    body = [(wall_x, top + 8 * s), (wall_x - 110 * s, top + 8 * s), (wall_x - 110 * s, bot), (wall_x, bot)]
    cv.polygon(body, PLASTIC_SHADE, outline=PLASTIC_EDGE, width=1)
    inner = [(wall_x - 4 * s, top + 14 * s), (wall_x - 104 * s, top + 14 * s), (wall_x - 104 * s, bot - 5 * s),
             (wall_x - 4 * s, bot - 5 * s)]
    cv.polygon(inner, (236, 240, 245))
    inside_water = [(wall_x - 104 * s, water + 6 * s), (wall_x - 4 * s, water + 6 * s),
                    (wall_x - 4 * s, bot - 5 * s), (wall_x - 104 * s, bot - 5 * s)]
    m = cv.poly_mask(inside_water)
    cv.fill_gradient(m, water, bot, WATER_FAR, mix(WATER_NEAR, WATER_FAR, 0.3))
    # neck and lid up to the paving
    cv.rect((wall_x - 86 * s, 0, wall_x - 30 * s, top + 10 * s), fill=PLASTIC_SHADE, outline=PLASTIC_EDGE)
    cv.rect((wall_x - 94 * s, -2, wall_x - 22 * s, 6 * s), fill=PLASTIC, outline=PLASTIC_EDGE, radius=2 * s)
    # basket
    cv.rect((wall_x - 82 * s, top + 18 * s, wall_x - 34 * s, bot - 18 * s), fill=(214, 222, 232),
            outline=PLASTIC_EDGE, radius=3 * s)
    for row in range(5):
        for col in range(4):
            x, y = wall_x - 74 * s + col * 11 * s, top + 28 * s + row * 11 * s
            cv.ellipse((x - 2 * s, y - 2 * s, x + 2 * s, y + 2 * s), fill=(150, 164, 180))
    # outlet pipe to the filter
    cv.rect((wall_x - 66 * s, bot, wall_x - 50 * s, h), fill=(200, 206, 214), outline=PLASTIC_EDGE)
    cv.polygon([(wall_x - 62 * s, h * 0.78), (wall_x - 54 * s, h * 0.78), (wall_x - 58 * s, h * 0.86)], LINER_DARK)
    # the front flange and the flap in the opening
    cv.rect((wall_x, top, wall_x + 6 * s, bot + 6 * s), fill=PLASTIC, outline=PLASTIC_EDGE)
    cv.polygon([(wall_x, water + 8 * s), (wall_x - 22 * s, water + 2 * s), (wall_x - 21 * s, water + 6 * s),
                (wall_x, water + 13 * s)], (190, 198, 210))
    # surface and the flow over the flap
    cv.line([(wall_x + 6 * s, water), (w, water)], WATER_SHINE, 1.2)
    for k in range(4):
        y = water + (3 + k * 4) * s
        x0 = wall_x + (70 + k * 30) * s
        pts = [(x0 - t * 6 * s, y - math.sin(t / 1.6) * 2 * s * (1 - t / 10)) for t in range(11)]
        cv.line(pts, WHITE, 0.9)
        cv.polygon([(pts[-1][0] - 4 * s, pts[-1][1]), (pts[-1][0] + 1 * s, pts[-1][1] - 2.5 * s),
                    (pts[-1][0] + 1 * s, pts[-1][1] + 2.5 * s)], WHITE)
    rip = cv.new_mask()
    rd = ImageDraw.Draw(rip)
    for _ in range(20):
        x, y = rng.uniform(wall_x + 10 * s, w), rng.uniform(water + 10 * s, h)
        rd.line(((x - 5 * s) * SS, y * SS, (x + 5 * s) * SS, y * SS), fill=255, width=SS)
    cv.tint(mask_and(rip, full), WATER_SHINE, 0.4)
    cv.text((wall_x - 100 * s, h * 0.9), "zum Filter", "LiberationSans-Bold.ttf", 10 * s, STAINLESS_EDGE)
    return cv


# --------------------------------------------------------------------------
# The inlet nozzle
# --------------------------------------------------------------------------

def draw_nozzle(cv, cx, cy, R, flange, ball, thread=None):
    """An inlet nozzle turned to the right: the threaded body behind, the round flange and the
    ball (eyeball) with its outlet."""
    thread = thread or shade(flange, 0.92)
    threaded_body(cv, (cx - R * 0.1, cy), (-1.0, -0.12), R * 0.24, R * 0.5, R * 1.35, thread, shade(thread, 0.55))
    # lock nut
    cv.ellipse((cx - R * 0.62, cy - R * 0.72, cx - R * 0.3, cy + R * 0.68), fill=shade(flange, 0.75))
    cv.ellipse((cx - R * 0.58, cy - R * 0.68, cx - R * 0.34, cy + R * 0.64), fill=shade(flange, 0.9))
    # flange
    cv.ellipse((cx - R * 0.36, cy - R, cx + R * 0.32, cy + R), fill=shade(flange, 0.6))
    shaded_disc(cv, cx, cy, R * 0.3, R * 0.96, mix(flange, WHITE, 0.5), shade(flange, 0.72))
    # ball with its outlet, turned slightly towards the viewer
    shaded_disc(cv, cx + R * 0.1, cy, R * 0.22, R * 0.48, mix(ball, WHITE, 0.7), shade(ball, 0.62))
    cv.ellipse((cx + R * 0.14, cy - R * 0.18, cx + R * 0.3, cy + R * 0.18), fill=GLASS_DARK)
    cv.ellipse((cx + R * 0.17, cy - R * 0.12, cx + R * 0.25, cy + R * 0.05), fill=(90, 104, 124))


def flow(cv, x0, y, length, s, rng, spread=0.3):
    """The jet leaving a nozzle to the right: light streaks and a few bubbles."""
    m = cv.new_mask()
    d = ImageDraw.Draw(m)
    for k in range(7):
        a = (k - 3) / 3 * spread
        pts = [((x0 + t * length / 10) * SS, (y + math.tan(a) * t * length / 10 + math.sin(t * 0.9 + k) * s) * SS)
               for t in range(11)]
        d.line(pts, fill=255, width=max(1, int(SS * 1.4 * s)), joint="curve")
    cv.tint(cv.blur_mask(m, 0.8 * s), WHITE, 0.55)
    for _ in range(16):
        t = rng.uniform(0.15, 1.0)
        bx = x0 + t * length
        by = y + rng.uniform(-1, 1) * spread * t * length * 0.9
        r = rng.uniform(1.0, 2.6) * s
        cv.ellipse((bx - r, by - r, bx + r, by + r), outline=WHITE, width=0.7)


def pic_nozzle(w, h, flange=PLASTIC, ball=PLASTIC, top=None, low=None):
    cv = studio(w, h, *(c for c in (top, low) if c))
    s = h / 122.0
    rng = random.Random(71)
    cx, cy = w * 0.36, h * 0.5
    soft_shadow(cv, (cx - 80 * s, h * 0.86, cx + 44 * s, h * 0.98), 0.22)
    draw_nozzle(cv, cx, cy, 46 * s, flange, ball)
    flow(cv, cx + 18 * s, cy, w * 0.5, s, rng)
    return cv


def pic_nozzle_plastic(w, h):
    """The plastic inlet nozzle with its wall feed-through thread, R2\" outside."""
    return pic_nozzle(w, h)


def pic_nozzle_bronze(w, h):
    """The inlet nozzle of red brass with the stainless ball."""
    return pic_nozzle(w, h, mix(BRONZE, BRONZE_LIGHT, 0.35), STEEL_BALL, (250, 246, 238), (232, 214, 190))


def pic_nozzle_installed(w, h):
    """The nozzle through the pool wall, cut open: pipe from the filter behind, the jet in the pool."""
    cv = studio(w, h)
    s = h / 122.0
    rng = random.Random(73)
    wall_x = w * 0.36
    cv.rect((0, 0, wall_x - 12 * s, h), fill=mix(SOIL, WHITE, 0.35))
    cv.rect((wall_x - 12 * s, 0, wall_x, h), fill=CONCRETE)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((wall_x * SS, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, WATER_FAR, WATER_NEAR)
    cv.rect((wall_x, 0, wall_x + 3 * s, h), fill=LINER)
    cy = h * 0.5
    # pipe from the filter
    cv.rect((0, cy - 13 * s, wall_x - 4 * s, cy + 13 * s), fill=(204, 210, 218), outline=PLASTIC_EDGE)
    cv.line([(4 * s, cy - 7 * s), (wall_x - 10 * s, cy - 7 * s)], WHITE, 2 * s)
    for k in range(3):
        x = 18 * s + k * 22 * s
        cv.polygon([(x, cy - 4 * s), (x + 9 * s, cy), (x, cy + 4 * s)], LINER_DARK)
    cv.text((6 * s, cy + 16 * s), "vom Filter", "LiberationSans-Bold.ttf", 10 * s, STAINLESS_EDGE)
    # feed-through with nuts and the nozzle on the wall
    cv.rect((wall_x - 16 * s, cy - 18 * s, wall_x - 10 * s, cy + 18 * s), fill=shade(PLASTIC, 0.8),
            outline=PLASTIC_EDGE)
    cv.rect((wall_x + 3 * s, cy - 26 * s, wall_x + 9 * s, cy + 26 * s), fill=PLASTIC, outline=PLASTIC_EDGE, radius=2 * s)
    shaded_disc(cv, wall_x + 12 * s, cy, 7 * s, 14 * s, WHITE, (190, 198, 210))
    cv.ellipse((wall_x + 14 * s, cy - 5 * s, wall_x + 20 * s, cy + 5 * s), fill=GLASS_DARK)
    flow(cv, wall_x + 20 * s, cy, w - wall_x - 30 * s, s * 1.1, rng, spread=0.22)
    cv.line([(wall_x + 3 * s, 6 * s), (w, 6 * s)], WATER_SHINE, 1.0)
    return cv


PICTURES = [
    Picture("equipment/skimmer.jpg", BoxSize(), pic_skimmer),
    Picture("equipment/skimmer_parts.jpg", BoxSize(), pic_skimmer_parts),
    Picture("equipment/skimmer_installed.jpg", BoxSize(), pic_skimmer_installed),
    Picture("equipment/skimmer_bronze.jpg", BoxSize(), pic_skimmer_bronze),
    Picture("equipment/nozzle.jpg", BoxSize(), pic_nozzle_plastic),
    Picture("equipment/nozzle_installed.jpg", BoxSize(), pic_nozzle_installed),
    Picture("equipment/nozzle_bronze.jpg", BoxSize(), pic_nozzle_bronze),
]
