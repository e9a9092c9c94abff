"""Pictures of the information page "Mehr Zubehör" (pages/side/moreaccessoriespage.ui): a
hang-on counter-current unit, an underwater light, a hang-in light with its colour discs,
a dehumidifier and a thermometer.

The five pictures are drawn at the size a click enlarges them to (the table in
moreaccessoriespage.cpp); the two colour discs at the size of their boxes."""

import math

from ..canvas import Canvas
from ..entries import Picture
from ..palette import STEEL, STEEL_DARK, WATER_FAR, WATER_NEAR, WHITE, mix, shade
from ..pool_parts import tube
from ..sizes import BoxSize, ZoomSize
from . import _parts as p
from .furtherarticles import thermometer

# what a click on each picture enlarges it to (moreaccessoriespage.cpp)
ENLARGED = {
    "ms1": (369, 337),
    "ms2": (313, 305),
    "ms3": (105, 329),
    "ms4": (313, 305),
    "ms5": (129, 305),
}


def pool_cut(cv, wall_x, water_y):
    """A pool wall seen from the side: deck to the left, water to the right of it."""
    p.fill(cv, (236, 246, 252), (206, 230, 244))
    m = cv.poly_mask([(wall_x, water_y), (cv.w, water_y), (cv.w, cv.h), (wall_x, cv.h)])
    cv.fill_gradient(m, water_y, cv.h, WATER_FAR, WATER_NEAR)
    cv.rect((wall_x - 6, water_y - 24, wall_x + 2, cv.h), fill=STEEL)
    cv.line([(wall_x + 2, water_y - 24), (wall_x + 2, cv.h)], STEEL_DARK, 1)
    cv.rect((0, cv.h * 0.86, wall_x - 6, cv.h), fill=(196, 190, 178))


def pic_countercurrent(w, h):
    """A counter-current unit hung over the wall: pump outside, the jet in the water."""
    cv = Canvas(w, h)
    s = h / 337.0
    wall_x, water_y = w * 0.4, h * 0.36
    pool_cut(cv, wall_x, water_y)
    # the pump housing stands on the deck
    box = (w * 0.06, h * 0.46, w * 0.3, h * 0.86)
    p.housing(cv, box, colour=(236, 238, 240))
    p.lamp(cv, w * 0.12, h * 0.52, 5 * s, (60, 200, 90))
    p.knob(cv, w * 0.22, h * 0.52, 7 * s)
    for k in range(5):
        y = h * 0.62 + k * 9 * s
        cv.line([(w * 0.09, y), (w * 0.27, y)], (190, 196, 204), 2 * s)
    # the pipe over the wall, down into the water, and its nozzle
    pipe = [(w * 0.24, box[1]), (w * 0.24, h * 0.24), (wall_x + 20 * s, h * 0.24), (wall_x + 20 * s, h * 0.6),
            (wall_x + 40 * s, h * 0.6)]
    tube(cv, pipe, 16 * s, fill=(240, 242, 244), edge=(150, 158, 168))
    nx, ny = wall_x + 40 * s, h * 0.6
    cv.rect((nx - 4 * s, ny - 14 * s, nx + 12 * s, ny + 14 * s), fill=(60, 66, 76), radius=4 * s)
    for k in range(7):
        y = ny + (k - 3) * 6 * s
        cv.line([(nx + 14 * s, y), (w * 0.96, y + (k - 3) * 10 * s)], (226, 250, 255), 2.2 * s)
    for k in range(24):
        x = nx + 30 * s + (k * 37 % 150) * s
        y = ny + ((k * 53 % 90) - 45) * s
        r = (2 + k % 3) * s
        cv.ellipse((x - r, y - r, x + r, y + r), outline=(236, 252, 255), width=1.2 * s)
    return cv


def light_face(cv, cx, cy, r, glow, lens=(255, 250, 230)):
    p.glow(cv, cx, cy, r * 1.8, glow, 0.55)
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(240, 242, 244), outline=(140, 148, 158), width=1.5)
    cv.ellipse((cx - r * 0.8, cy - r * 0.8, cx + r * 0.8, cy + r * 0.8), fill=(210, 216, 222))
    for k in range(8):
        a = k * math.pi / 4
        x, y = cx + r * 0.9 * math.cos(a), cy + r * 0.9 * math.sin(a)
        cv.ellipse((x - r * 0.035, y - r * 0.035, x + r * 0.035, y + r * 0.035), fill=(120, 128, 140))
    cv.ellipse((cx - r * 0.72, cy - r * 0.72, cx + r * 0.72, cy + r * 0.72), fill=lens)
    for k in range(1, 4):
        rr = r * 0.72 * k / 4
        cv.ellipse((cx - rr, cy - rr, cx + rr, cy + rr), outline=shade(lens, 0.92), width=0.8)
    p.highlight(cv, (cx - r * 0.6, cy - r * 0.62, cx - r * 0.05, cy - r * 0.2), 0.7)


def pic_light_300w(w, h):
    """An underwater light of 300 W: the lens in its ring, shining."""
    cv = Canvas(w, h)
    p.fill(cv, WATER_FAR, WATER_NEAR)
    light_face(cv, w * 0.5, h * 0.5, min(w, h) * 0.34, (255, 246, 200))
    cv.text((w * 0.5, h * 0.93), "300 W", p.BOLD, h * 0.06, WHITE, anchor="mm")
    return cv


def pic_hangin_light(w, h):
    """A hang-in light: a bracket over the rim, the lamp with its red disc in the water."""
    cv = Canvas(w, h)
    s = w / 105.0
    water_y = h * 0.3
    p.fill(cv, (236, 246, 252), (220, 238, 248), 0, water_y)
    m = cv.poly_mask([(0, water_y), (w, water_y), (w, h), (0, h)])
    cv.fill_gradient(m, water_y, h, WATER_FAR, WATER_NEAR)
    cv.rect((0, water_y - 16 * s, w * 0.28, h), fill=STEEL)
    cv.line([(w * 0.28, water_y - 16 * s), (w * 0.28, h)], STEEL_DARK, 1)
    tube(cv, [(w * 0.05, water_y - 26 * s), (w * 0.5, water_y - 26 * s), (w * 0.5, h * 0.72)], 6 * s,
         fill=(236, 238, 240), edge=(150, 158, 168))
    cv.rect((w * 0.02, water_y - 30 * s, w * 0.1, water_y), fill=(120, 128, 140), radius=2 * s)
    cx, cy, r = w * 0.56, h * 0.8, w * 0.36
    p.glow(cv, cx, cy, r * 1.7, (255, 120, 110), 0.5)
    cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(240, 242, 244), outline=(140, 148, 158), width=1)
    cv.ellipse((cx - r * 0.76, cy - r * 0.76, cx + r * 0.76, cy + r * 0.76), fill=(230, 70, 60))
    p.highlight(cv, (cx - r * 0.6, cy - r * 0.6, cx, cy - r * 0.15), 0.6)
    return cv


def pic_dehumidifier(w, h):
    """A dehumidifier for the pool hall: housing on feet, air grilles and display."""
    cv = Canvas(w, h)
    p.studio(cv, floor=0.82)
    s = h / 305.0
    box = (w * 0.2, h * 0.12, w * 0.74, h * 0.86)
    p.soft_shadow(cv, (box[0] + box[2]) / 2 + 10 * s, box[3] + 4 * s, (box[2] - box[0]) * 0.55, 6 * s)
    p.housing(cv, box, colour=(244, 245, 246), depth=22 * s)
    for k in range(10):
        y = box[1] + 20 * s + k * 9 * s
        cv.line([(box[0] + 16 * s, y), (box[2] - 16 * s, y)], (170, 178, 188), 3 * s)
    p.screen(cv, (box[0] + 30 * s, box[1] + 124 * s, box[0] + 110 * s, box[1] + 150 * s), "55 %")
    p.knob(cv, box[2] - 40 * s, box[1] + 137 * s, 10 * s)
    cv.rect((box[0] + 16 * s, box[3] - 50 * s, box[2] - 16 * s, box[3] - 16 * s), fill=(220, 224, 230), radius=3 * s)
    for x in (box[0] + 14 * s, box[2] - 24 * s):
        cv.rect((x, box[3], x + 10 * s, box[3] + 8 * s), fill=(60, 66, 76), radius=2 * s)
    for k in range(3):
        p.water_drop(cv, w * 0.86, h * (0.3 + k * 0.16), 7 * s, (60, 150, 220))
    return cv


def pic_pool_thermometer(w, h):
    """A floating pool thermometer on its cord."""
    cv = Canvas(w, h)
    p.fill(cv, (236, 246, 252), (206, 230, 244), 0, h * 0.72)
    m = cv.poly_mask([(0, h * 0.72), (w, h * 0.72), (w, h), (0, h)])
    cv.fill_gradient(m, h * 0.72, h, WATER_FAR, WATER_NEAR)
    s = w / 60.0
    thermometer(cv, w * 0.5, h * 0.08, s, (h * 0.78) / s)
    cv.ellipse((w * 0.5 - 18 * s, h * 0.8, w * 0.5 + 18 * s, h * 0.9), fill=p.YELLOW)
    cv.line([(w * 0.5, h * 0.08), (w * 0.5, h * 0.02)], (60, 66, 76), 1.2 * s)
    return cv


def pic_disc(colour):
    def draw(w, h):
        """A colour disc for the hang-in light: tinted glass in its clear ring."""
        cv = Canvas(w, h)
        p.fill(cv, (244, 250, 253), (214, 236, 248))
        cx, cy, r = w / 2, h / 2, min(w, h) * 0.42
        p.soft_shadow(cv, cx + r * 0.1, cy + r * 0.9, r * 0.8, r * 0.12)
        cv.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(236, 240, 244), outline=(150, 158, 168), width=1)
        cv.ellipse((cx - r * 0.82, cy - r * 0.82, cx + r * 0.82, cy + r * 0.82), fill=colour,
                   outline=shade(colour, 0.8), width=1)
        for k in range(3):
            a = k * 2 * math.pi / 3 - math.pi / 2
            x, y = cx + r * 0.91 * math.cos(a), cy + r * 0.91 * math.sin(a)
            cv.ellipse((x - r * 0.05, y - r * 0.05, x + r * 0.05, y + r * 0.05), fill=(120, 128, 140))
        p.highlight(cv, (cx - r * 0.62, cy - r * 0.66, cx - r * 0.02, cy - r * 0.2), 0.6)
        return cv
    draw.__name__ = "pic_disc"
    return draw


PICTURES = [
    Picture("side/countercurrent.jpg", ZoomSize(ENLARGED["ms1"]), pic_countercurrent),
    Picture("side/light_300w.jpg", ZoomSize(ENLARGED["ms2"]), pic_light_300w),
    Picture("side/hangin_light.jpg", ZoomSize(ENLARGED["ms3"]), pic_hangin_light),
    Picture("side/dehumidifier.jpg", ZoomSize(ENLARGED["ms4"]), pic_dehumidifier),
    Picture("side/pool_thermometer.jpg", ZoomSize(ENLARGED["ms5"]), pic_pool_thermometer),
    Picture("side/disc_blue.jpg", BoxSize(), pic_disc(mix((40, 110, 220), WHITE, 0.15))),
    Picture("side/disc_white.jpg", BoxSize(), pic_disc((250, 250, 252))),
]
