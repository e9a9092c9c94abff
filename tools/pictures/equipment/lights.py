"""Pictures of the underwater lights page (pages/equipment/lightspage.ui): the hang-on halogen
light with its colour discs, the ABS LED light for above-ground pools with its remote control
and a pool lit by it at dusk, and the flat LED light.  The page's other seven picture boxes
belong to lights no longer listed and stay without a picture."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import RAIL_BLUE, RAIL_LIGHT, STEEL, WHITE, mix
from ..plans import circle_plan, offset_plan
from ..pools import draw_steel_pool
from ..scenery import garden_backdrop
from ..sizes import BoxSize
from ._studio import (
    PLASTIC, PLASTIC_EDGE, PLASTIC_SHADE, STUDIO_LOW, STUDIO_TOP, glow, shaded_disc, soft_shadow, studio,
    threaded_body,
)

CABLE = (44, 50, 60)
WARM_LIGHT = (255, 236, 170)
RGB = [(236, 52, 60), (255, 160, 30), (250, 222, 40), (60, 190, 80), (40, 170, 230), (70, 80, 220),
       (190, 70, 210)]


def cable(cv, pts, s):
    cv.line(pts, CABLE, 3.2 * s)
    cv.line([(x - 0.6 * s, y - 0.8 * s) for x, y in pts], mix(CABLE, WHITE, 0.35), 0.8 * s)


def curve(p0, p1, p2, n=24):
    """A quadratic curve through the control point p1."""
    out = []
    for k in range(n + 1):
        t = k / n
        out.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                    (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
    return out


def led_face(cv, cx, cy, rx, ry, rings, colours, rng, glow_colour=None):
    """The lens of an LED light: rings of small LEDs under clear plastic."""
    cv.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=(214, 226, 236))
    shaded_disc(cv, cx, cy, rx * 0.96, ry * 0.96, (246, 250, 254), (170, 186, 204), steps=10)
    for ring in range(rings):
        f = (ring + 0.6) / (rings + 0.2)
        n = max(1, int(6 + ring * 6))
        for k in range(n):
            a = 2 * math.pi * k / n + ring * 0.3
            x, y = cx + rx * 0.86 * f * math.cos(a), cy + ry * 0.86 * f * math.sin(a)
            c = colours[(k + ring) % len(colours)] if len(colours) > 1 else colours[0]
            r = rx * 0.045 + 0.4
            cv.ellipse((x - r * 1.3, y - r * 1.3 * ry / rx, x + r * 1.3, y + r * 1.3 * ry / rx), fill=(150, 160, 172))
            cv.ellipse((x - r, y - r * ry / rx, x + r, y + r * ry / rx), fill=c)
    if glow_colour:
        glow(cv, (cx - rx * 0.7, cy - ry * 0.7, cx + rx * 0.7, cy + ry * 0.7), glow_colour, 0.45)
    glow(cv, (cx - rx * 0.7, cy - ry * 0.85, cx - rx * 0.05, cy - ry * 0.35), WHITE, 0.55)


# --------------------------------------------------------------------------
# The hang-on halogen light
# --------------------------------------------------------------------------

def pic_halogen(w, h):
    """The halogen light hung over the wall of a steel-wall pool, its transformer on the cable,
    and the four colour discs in front."""
    cv = studio(w, h)
    s = h / 226.0
    # the wall it hangs on, cut off: steel sheet and blue handrail
    wx0, wx1, wtop = w * 0.18, w * 0.23, h * 0.2
    cv.rect((wx0, wtop, wx1, h * 0.8), fill=STEEL, outline=(170, 178, 190))
    cv.rect((wx0 - 4 * s, wtop - 4 * s, wx1 + 4 * s, wtop + 10 * s), fill=RAIL_BLUE, radius=3 * s)
    cv.line([(wx0 - 2 * s, wtop - 1 * s), (wx1 + 2 * s, wtop - 1 * s)], RAIL_LIGHT, 1.4 * s)
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((0, (wtop + 10 * s) * SS, w * 0.3 * SS, h * 0.8 * SS), fill=255)
    cv.shade_gradient(m, h * 0.5, h * 0.8, mix(STUDIO_TOP, STUDIO_LOW, 0.75), 0.0, 1.0)
    # hook over the wall
    hook = [(wx0 - 9 * s, h * 0.36), (wx0 - 9 * s, wtop - 10 * s), (wx1 + 9 * s, wtop - 10 * s), (wx1 + 9 * s, h * 0.42)]
    cv.line(hook, PLASTIC_EDGE, 8 * s)
    cv.line(hook, PLASTIC, 5.6 * s)
    # housing hanging inside the wall, lens turned to the viewer
    hx, hy = w * 0.44, h * 0.5
    soft_shadow(cv, (hx - 70 * s, h * 0.8, hx + 60 * s, h * 0.9), 0.22)
    cv.line([(wx1 + 8 * s, h * 0.42), (hx - 30 * s, hy - 22 * s)], PLASTIC_EDGE, 7 * s)
    cv.line([(wx1 + 8 * s, h * 0.42), (hx - 30 * s, hy - 22 * s)], PLASTIC, 4.6 * s)
    threaded_body(cv, (hx, hy), (-0.9, -0.25), 22 * s, 42 * s, 46 * s, PLASTIC, PLASTIC_SHADE, threads=0)
    cv.ellipse((hx - 27 * s, hy - 48 * s, hx + 27 * s, hy + 48 * s), fill=PLASTIC_EDGE)
    shaded_disc(cv, hx, hy, 25 * s, 45 * s, WHITE, PLASTIC_SHADE)
    # reflector and glowing lamp behind the lens
    shaded_disc(cv, hx + 3 * s, hy, 18 * s, 34 * s, (255, 250, 230), (200, 180, 120))
    glow(cv, (hx - 16 * s, hy - 30 * s, hx + 22 * s, hy + 30 * s), WARM_LIGHT, 0.9)
    cv.ellipse((hx - 2 * s, hy - 8 * s, hx + 8 * s, hy + 8 * s), fill=(255, 252, 236))
    glow(cv, (hx - 14 * s, hy - 38 * s, hx - 2 * s, hy - 14 * s), WHITE, 0.8)
    # cable over the wall to the transformer
    cable(cv, curve((wx0 - 8 * s, h * 0.36), (w * 0.04, h * 0.6), (w * 0.12, h * 0.86)), s)
    tx, ty = w * 0.14, h * 0.88
    soft_shadow(cv, (tx - 30 * s, ty + 4 * s, tx + 34 * s, ty + 18 * s))
    cv.rect((tx - 24 * s, ty - 16 * s, tx + 26 * s, ty + 10 * s), fill=(60, 68, 82), radius=4 * s)
    cv.rect((tx - 20 * s, ty - 13 * s, tx + 22 * s, ty - 8 * s), fill=(96, 106, 122), radius=2 * s)
    cv.text((tx + 1 * s, ty + 1 * s), "12 V", "LiberationSans-Bold.ttf", 10 * s, (220, 226, 234), anchor="mm")
    # the four colour discs
    for k, colour in enumerate([(226, 40, 48), (250, 210, 40), (40, 170, 70), (36, 96, 210)]):
        cx, cy = w * (0.62 + 0.075 * k), h * (0.76 - 0.03 * k)
        cv.ellipse((cx - 31 * s, cy - 29 * s, cx + 31 * s, cy + 29 * s), fill=(236, 240, 244), outline=PLASTIC_EDGE)
        cv.ellipse((cx - 27 * s, cy - 25 * s, cx + 27 * s, cy + 25 * s), fill=mix(colour, WHITE, 0.15))
        glow(cv, (cx - 20 * s, cy - 20 * s, cx, cy - 4 * s), WHITE, 0.55)
    return cv


# --------------------------------------------------------------------------
# The ABS LED light for above-ground pools
# --------------------------------------------------------------------------

def pic_led_abs(w, h):
    """The round ABS LED light that screws onto an inlet nozzle, with its remote control."""
    cv = studio(w, h)
    s = h / 226.0
    rng = random.Random(81)
    cx, cy = w * 0.42, h * 0.46
    soft_shadow(cv, (cx - 90 * s, h * 0.83, cx + 80 * s, h * 0.95), 0.25)
    # adapter for the nozzle behind the housing
    threaded_body(cv, (cx - 30 * s, cy + 6 * s), (-1.0, 0.05), 14 * s, 24 * s, 48 * s, (236, 238, 242),
                  PLASTIC_SHADE, threads=5)
    cv.ellipse((cx - 66 * s, cy - 74 * s, cx + 56 * s, cy + 74 * s), fill=PLASTIC_EDGE)
    shaded_disc(cv, cx - 4 * s, cy, 60 * s, 72 * s, WHITE, PLASTIC_SHADE)
    led_face(cv, cx + 2 * s, cy, 48 * s, 60 * s, 4, RGB, rng)
    # cable with its plug to the transformer
    cable(cv, curve((cx - 70 * s, cy + 20 * s), (w * 0.04, h * 0.9), (w * 0.36, h * 0.92)), s)
    # the remote control
    rx, ry = w * 0.82, h * 0.55
    soft_shadow(cv, (rx - 30 * s, ry + 58 * s, rx + 34 * s, ry + 72 * s), 0.25)
    cv.rect((rx - 24 * s, ry - 62 * s, rx + 24 * s, ry + 62 * s), fill=(52, 58, 70), radius=12 * s)
    cv.rect((rx - 20 * s, ry - 58 * s, rx + 18 * s, ry + 56 * s), fill=(72, 80, 96), radius=10 * s)
    cv.ellipse((rx - 6 * s, ry - 52 * s, rx + 6 * s, ry - 40 * s), fill=(230, 60, 60))
    for k, colour in enumerate(RGB[:6]):
        bx, by = rx + (-9 if k % 2 == 0 else 9) * s, ry - 22 * s + (k // 2) * 22 * s
        cv.ellipse((bx - 7 * s, by - 7 * s, bx + 7 * s, by + 7 * s), fill=colour)
    cv.rect((rx - 14 * s, ry + 38 * s, rx + 14 * s, ry + 46 * s), fill=(160, 168, 180), radius=3 * s)
    return cv


def pic_led_abs_lit(w, h):
    """A round above-ground pool at dusk, its water lit in colour by the LED light."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.34, seed=83)
    plan = circle_plan(2.1, 140)
    cam = Camera(elevation=24, azimuth=-10, distance=24)
    cam.fit(bounds3d(offset_plan(plan, 0.4), 0.0, 1.6), (w * 0.1, h * 0.28, w * 0.9, h * 0.98))
    draw_steel_pool(cv, cam, plan, 1.2, seed=84, ladder_at=0.2, skimmer_at=0.34)
    # evening: everything darker and bluer, a few stars
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.tint(full, (14, 22, 64), 0.62)
    rng = random.Random(85)
    for _ in range(26):
        x, y = rng.uniform(0, w), rng.uniform(0, h * 0.22)
        r = rng.uniform(0.4, 0.9)
        cv.ellipse((x - r, y - r, x + r, y + r), fill=(236, 240, 255))
    # the water glows from the light on the far wall
    water = cv.poly_mask(cam.ring(offset_plan(plan, -0.04), 1.04))
    ys = [y for _, y in cam.ring(plan, 1.04)]
    cv.img.paste(cv.gradient(min(ys), max(ys), (220, 80, 230), (40, 120, 240)), (0, 0),
                 water.point(lambda v: int(v * 0.8)))
    lx, ly = cam.p(0.3, -1.95, 0.9)
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((lx - w * 0.24) * SS, (ly - h * 0.04) * SS, (lx + w * 0.24) * SS, (ly + h * 0.26) * SS),
                              fill=255)
    cv.tint(mask_and(cv.blur_mask(m, w * 0.05), water), (255, 200, 250), 0.75)
    cv.ellipse((lx - 4, ly - 2.5, lx + 4, ly + 2.5), fill=(255, 246, 255))
    rip = cv.new_mask()
    rd = ImageDraw.Draw(rip)
    for _ in range(40):
        x, y = rng.uniform(w * 0.15, w * 0.85), rng.uniform(min(ys), max(ys))
        rd.line(((x - 6) * SS, y * SS, (x + 6) * SS, y * SS), fill=255, width=SS)
    cv.tint(mask_and(rip, water), WHITE, 0.35)
    return cv


# --------------------------------------------------------------------------
# The flat LED light
# --------------------------------------------------------------------------

def pic_led_flat(w, h):
    """The flat ABS LED light with its 1½\" thread behind and the cable."""
    cv = studio(w, h)
    s = h / 226.0
    rng = random.Random(87)
    cx, cy = w * 0.52, h * 0.45
    soft_shadow(cv, (cx - 110 * s, h * 0.84, cx + 90 * s, h * 0.96), 0.25)
    threaded_body(cv, (cx - 24 * s, cy + 4 * s), (-1.0, 0.08), 12 * s, 26 * s, 44 * s, (236, 238, 242),
                  PLASTIC_SHADE, threads=6)
    cable(cv, curve((cx - 66 * s, cy + 8 * s), (w * 0.02, h * 0.5), (w * 0.16, h * 0.9)), s)
    cable(cv, curve((w * 0.16, h * 0.9), (w * 0.4, h * 1.0), (w * 0.5, h * 0.86)), s)
    # the flat housing: a thin rim, seen a little from the side
    cv.ellipse((cx - 42 * s, cy - 84 * s, cx + 34 * s, cy + 84 * s), fill=PLASTIC_EDGE)
    cv.ellipse((cx - 40 * s, cy - 82 * s, cx + 30 * s, cy + 82 * s), fill=PLASTIC_SHADE)
    shaded_disc(cv, cx - 2 * s, cy, 32 * s, 80 * s, WHITE, (206, 214, 224))
    led_face(cv, cx, cy, 26 * s, 66 * s, 3, [(255, 255, 248)], rng, glow_colour=(255, 252, 236))
    # its light falling forward
    glow(cv, (cx + 20 * s, cy - 50 * s, w * 0.98, cy + 50 * s), (255, 252, 228), 0.45, blur=20 * s)
    return cv


PICTURES = [
    Picture("equipment/light_halogen.jpg", BoxSize(), pic_halogen),
    Picture("equipment/light_led_abs.jpg", BoxSize(), pic_led_abs),
    Picture("equipment/light_led_abs_lit.jpg", BoxSize(), pic_led_abs_lit),
    Picture("equipment/light_led_flat.jpg", BoxSize(), pic_led_flat),
]
