"""Pictures of the information page with the tabs (pages/side/accessorytabspage.ui): three
covers, a coloured LED light, and halogen lights for steel-wall and concrete pools."""

import math

from ..canvas import Canvas
from ..entries import Picture
from ..palette import CONCRETE, CONCRETE_DARK, LINER, STEEL, STEEL_DARK, shade
from ..sizes import BoxSize
from . import _parts as p
from .furtherarticles import cover_scene, cover_sheet, pic_abdeck_1, pic_abdeck_2
from .moreaccessories import light_face


def pic_ecodeck(w, h):
    """A foam cover: thick grey-blue panels lying on the water, one folded back."""
    cv, cam, plan = cover_scene(w, h, 301)
    cover_sheet(cv, cam, -3.45, 1.9, (120, 150, 176), 1.0, hy=1.72, z=0.05)
    for x in (-2.4, -1.3, -0.2, 0.9):
        cv.line([cam.p(x, -1.72, 0.05), cam.p(x, 1.72, 0.05)], (90, 116, 140), 1.0)
    # the folded panel shows its thickness
    edge = [cam.p(1.9, -1.72, 0.05), cam.p(1.9, 1.72, 0.05), cam.p(1.9, 1.72, 0.0), cam.p(1.9, -1.72, 0.0)]
    cv.polygon(edge, (80, 104, 126))
    fold = [cam.p(1.9, -1.72, 0.05), cam.p(1.9, 1.72, 0.05), cam.p(2.6, 1.72, 0.55), cam.p(2.6, -1.72, 0.55)]
    cv.polygon(fold, (150, 178, 200))
    return cv


def pic_led_light(w, h):
    """A LED light: a ring of coloured diodes behind the lens."""
    cv = Canvas(w, h)
    p.fill(cv, (40, 40, 120), (20, 60, 150))
    cx, cy, r = w * 0.5, h * 0.5, min(w, h) * 0.36
    for k, colour in enumerate(((60, 110, 255), (60, 200, 90), (240, 60, 60), (250, 250, 250))):
        a = k * math.pi / 2 + math.pi / 4
        p.glow(cv, cx + r * 1.1 * math.cos(a), cy + r * 1.1 * math.sin(a), r * 0.9, colour, 0.4)
    light_face(cv, cx, cy, r, (255, 255, 255), lens=(236, 240, 250))
    for k in range(12):
        a = k * math.pi / 6
        colour = ((60, 110, 255), (60, 200, 90), (240, 60, 60), (255, 255, 255))[k % 4]
        x, y = cx + r * 0.46 * math.cos(a), cy + r * 0.46 * math.sin(a)
        cv.ellipse((x - r * 0.08, y - r * 0.08, x + r * 0.08, y + r * 0.08), fill=colour,
                   outline=shade(colour, 0.7), width=0.6)
    cv.ellipse((cx - r * 0.16, cy - r * 0.16, cx + r * 0.16, cy + r * 0.16), fill=(200, 206, 214))
    return cv


def wall_light_scene(w, h, wall, joints):
    """A halogen light set into a pool wall, with the water in front of it."""
    cv = Canvas(w, h)
    s = h / 250.0
    p.fill(cv, *wall)
    for x0, y0, x1, y1 in joints(w, h):
        cv.line([(x0, y0), (x1, y1)], shade(wall[1], 0.85), 1)
    cx, cy, r = w * 0.5, h * 0.52, h * 0.3
    return cv, s, cx, cy, r


def pic_halogen_steel(w, h):
    """A built-in light for steel-wall pools: clamped through the wall and the liner."""
    cv, s, cx, cy, r = wall_light_scene(w, h, (LINER, shade(LINER, 0.8)), lambda w, h: [])
    # the steel wall shows round the cut-out, the flange clamps the liner
    cv.ellipse((cx - r * 1.35, cy - r * 1.35, cx + r * 1.35, cy + r * 1.35), fill=STEEL, outline=STEEL_DARK, width=1)
    for k in range(10):
        a = k * math.pi / 5
        x, y = cx + r * 1.18 * math.cos(a), cy + r * 1.18 * math.sin(a)
        cv.ellipse((x - 3 * s, y - 3 * s, x + 3 * s, y + 3 * s), fill=(150, 158, 168))
    light_face(cv, cx, cy, r, (255, 246, 200))
    return cv


def pic_halogen_concrete(w, h):
    """A built-in light for concrete pools: its niche set into the tiled wall."""
    def joints(w, h):
        out = []
        step = h / 6
        for k in range(1, 7):
            out.append((0, k * step, w, k * step))
        for k in range(1, int(w / step) + 1):
            out.append((k * step, 0, k * step, h))
        return out

    cv, s, cx, cy, r = wall_light_scene(w, h, ((236, 244, 250), (206, 224, 236)), joints)
    cv.ellipse((cx - r * 1.3, cy - r * 1.3, cx + r * 1.3, cy + r * 1.3), fill=CONCRETE, outline=CONCRETE_DARK,
               width=1)
    light_face(cv, cx, cy, r, (255, 246, 200))
    return cv


def pic_solar_cover(w, h):
    return pic_abdeck_1(w, h)


def pic_safe_top(w, h):
    return pic_abdeck_2(w, h)


PICTURES = [
    Picture("side/solar_cover.jpg", BoxSize(), pic_solar_cover),
    Picture("side/safe_top.jpg", BoxSize(), pic_safe_top),
    Picture("side/ecodeck.jpg", BoxSize(), pic_ecodeck),
    Picture("side/led_light.jpg", BoxSize(), pic_led_light),
    Picture("side/halogen_steel.jpg", BoxSize(), pic_halogen_steel),
    Picture("side/halogen_concrete.jpg", BoxSize(), pic_halogen_concrete),
]
