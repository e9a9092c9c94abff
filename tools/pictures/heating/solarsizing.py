"""Pictures of the solar absorber sizing page (pages/heating/solarsizingpage.ui): how the four
pool shapes are measured, and absorbers warming a pool in the sun."""

import math

from ..camera import Camera
from ..canvas import Canvas
from ..entries import Picture
from ..palette import LINER, LINER_DARK, WATER_FAR, WATER_NEAR, WHITE, mix
from ..plans import circle_plan, eight_plan, move_plan, oval_plan, rect_plan
from ..pools import draw_steel_pool
from ..scenery import garden_backdrop
from ..sizes import BoxSize
from .waterheating import draw_absorber_mat, draw_rack, full_mask

PAPER0, PAPER1 = (255, 255, 238), (246, 244, 222)     # the page's memos are pale yellow
INK = (0, 0, 128)                                      # navy, as the page's texts
ARROW = (200, 40, 40)
BOLD = "LiberationSans-Bold.ttf"
REGULAR = "LiberationSans-Regular.ttf"


def arrow(cv, a, b, width=1.2, head=4.0):
    """A dimension line with arrow heads at both ends."""
    cv.line([a, b], ARROW, width)
    ang = math.atan2(b[1] - a[1], b[0] - a[0])
    for (px, py), sgn in ((a, 1), (b, -1)):
        tip = [(px, py),
               (px + sgn * head * math.cos(ang) - head * 0.55 * math.sin(ang),
                py + sgn * head * math.sin(ang) + head * 0.55 * math.cos(ang)),
               (px + sgn * head * math.cos(ang) + head * 0.55 * math.sin(ang),
                py + sgn * head * math.sin(ang) - head * 0.55 * math.cos(ang))]
        cv.polygon(tip, ARROW)


def water_shape(cv, plan, scale, cx, cy):
    """A pool outline seen from above: water in its blue liner."""
    pts = [(cx + x * scale, cy + y * scale) for x, y in plan]
    ys = [p[1] for p in pts]
    cv.polygon(pts, LINER)
    inner = [(cx + x * scale * 0.93, cy + y * scale * 0.9) for x, y in plan]
    cv.fill_gradient(cv.poly_mask(inner), min(ys), max(ys), WATER_FAR, WATER_NEAR)
    cv.polygon(pts, None, outline=LINER_DARK, width=1.0)


def pic_shapes(w, h):
    """The four shapes side by side, each with the measures the page asks for."""
    cv = Canvas(w, h)
    cv.fill_gradient(full_mask(cv), 0, h, PAPER0, PAPER1)
    cv.rect((0.5, 0.5, w - 1, h - 1), outline=(170, 170, 150), width=1)
    cell = w / 4.0
    size = min(cell * 0.8, h * 0.56)            # the longest side of a shape, in pixels
    cy = h * 0.36
    shapes = (
        ("Rundbecken", circle_plan(0.4, 90), 0.8, 0.8),
        ("Ovalformbecken", oval_plan(1.0, 0.56), 1.0, 0.56),
        ("Achtformbecken", eight_plan(1.0, 0.58), 1.0, 0.58),
        ("Rechteckbecken", rect_plan(1.0, 0.6, corner=0.03), 1.0, 0.6),
    )
    shadow_on_water = ((16, 70, 140), 0.6, 0.6)
    for k, (name, plan, length, width) in enumerate(shapes):
        cx = cell * (k + 0.5)
        water_shape(cv, plan, size, cx, cy)
        half_l, half_b = size * length / 2, size * width / 2
        y = cy + half_b + 9
        # the measure along the shape under it (the diameter of the round pool)
        arrow(cv, (cx - half_l, y), (cx + half_l, y))
        for x in (cx - half_l, cx + half_l):
            cv.line([(x, cy), (x, y + 3)], (140, 140, 130), 0.6)
        cv.text((cx, y + 12), "Durchmesser" if k == 0 else "Länge", BOLD, 9.5, INK, anchor="ms")
        if k:
            # the width across the shape, where the half circles have it as their diameter
            bx = cx - half_l + half_b * (0.5 if k == 3 else 1.0)
            arrow(cv, (bx, cy - half_b + 3), (bx, cy + half_b - 3))
            cv.text((bx + 4, cy), "Breite", BOLD, 9.5, WHITE, anchor="lm", shadow=shadow_on_water)
        cv.text((cx, h - 8), name, REGULAR, 10.5, INK, anchor="ms")
    return cv


def pic_absorbers_at_work(w, h):
    """Three absorbers on their stand beside an oval pool, under a high summer sun."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.36, seed=88, sun=(w * 0.9, h * 0.14, h * 0.07))
    cam = Camera(elevation=22, azimuth=-10, distance=18, target=(0.5, -1.0, 0.5))
    pool = move_plan(oval_plan(6.0, 3.2), -2.8, -2.0)
    cam.fit([(-6.0, -2.0, 0), (-2.8, -0.4, 0), (4.4, 0.6, 0), (4.4, -0.4, 1.0), (-2.8, -3.6, 1.2)],
            (w * 0.03, h * 0.34, w * 0.97, h * 0.97))
    draw_steel_pool(cv, cam, pool, 1.2, seed=88, ladder_at=0.25, skimmer_at=0.7)
    shadow = [cam.p(0.9, 0.75, 0), cam.p(4.6, 0.75, 0), cam.p(4.8, -0.2, 0), cam.p(1.1, -0.2, 0)]
    cv.tint(cv.blur_mask(cv.poly_mask(shadow), 2.5), (20, 60, 30), 0.3)
    for k in range(3):
        x0 = 1.0 + 1.25 * k
        corners = draw_absorber_mat(cv, cam, x0, x0 + 1.2, 0.6, 0.3, 1.2, 34, tubes=16)
        draw_rack(cv, cam, corners, 0.0)
        draw_absorber_mat(cv, cam, x0, x0 + 1.2, 0.6, 0.3, 1.2, 34, tubes=16)
    # a warm shimmer over the water
    cv.tint(cv.blur_mask(cv.poly_mask(cam.ring(pool, 1.2)), 6), mix(WHITE, (255, 230, 160), 0.5), 0.12)
    return cv


PICTURES = [
    # drawn at the size of their boxes: the labels stay sharp
    Picture("heating/sizing_shapes.jpg", BoxSize(), pic_shapes),
    Picture("heating/sizing_absorbers.jpg", BoxSize(), pic_absorbers_at_work),
]
