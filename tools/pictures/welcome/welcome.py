"""Pictures of the welcome page (pages/welcome/welcomepage.ui): the garden behind the page and its banner."""

import math
import random

from PIL import ImageDraw, ImageFilter

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import HEDGE, STONE_COLOURS, TREE, WHITE
from ..plans import offset_plan, rect_plan
from ..pools import draw_inground_pool
from ..scenery import draw_bush, draw_lounger, draw_parasol, garden_backdrop, ground_shadow, wave_band
from ..sizes import BoxSize


def pic_welcome_background(w, h):
    cv = Canvas(w, h)
    horizon = h * 0.36
    garden_backdrop(cv, horizon, seed=11, sun=(w * 0.86, h * 0.26, h * 0.04))
    # side bushes with a few flowers
    draw_bush(cv, w * 0.06, h * 0.47, w * 0.14, HEDGE, [(250, 220, 80), (240, 120, 150), WHITE])
    draw_bush(cv, w * 0.93, h * 0.46, w * 0.12, TREE, [(250, 220, 80), (240, 120, 150), WHITE])
    # the pool, low in the picture so the middle stays calm
    plan = rect_plan(9.0, 4.2, corner=0.6, nc=8)
    cam = Camera(elevation=24, azimuth=0, distance=30)
    cam.fit(bounds3d(offset_plan(plan, 0.35), 0, 0.1), (w * 0.05, h * 0.72, w * 0.74, h * 0.97))
    ground_shadow(cv, cam, offset_plan(plan, 0.35), 0.0, dx=0.1, dy=0.15, grow=0.05, alpha=0.2, blur=3)
    draw_inground_pool(cv, cam, plan, STONE_COLOURS["white"], seed=12, ladder=True, stone_len=0.55)
    draw_parasol(cv, w * 0.935, h * 0.85, h * 0.3)
    lx, ly = w * 0.755, h * 0.96
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((lx - 8) * SS, (ly - 10) * SS, (lx + w * 0.17) * SS, (ly + 6) * SS), fill=255)
    cv.tint(cv.blur_mask(m, 4), (20, 60, 30), 0.3)
    draw_lounger(cv, lx, ly, w * 0.15)
    # soften everything slightly so labels on top read well
    cv.img = cv.img.filter(ImageFilter.GaussianBlur(0.6 * SS))
    return cv


def pic_welcome_banner(w, h):
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, w, (10, 64, 146), (14, 182, 222), horizontal=True)
    cv.shade_gradient(full, 0, h, WHITE, 0.12, 0.0)
    wave_band(cv, h * 0.72, h * 0.07, w * 0.32, (120, 220, 240), 0.35, 0.8)
    wave_band(cv, h * 0.82, h * 0.06, w * 0.24, WHITE, 0.55, 2.0)
    wave_band(cv, h * 0.9, h * 0.05, w * 0.2, (200, 244, 252), 0.85, 4.0)
    # round logo: a sun over waves
    r = h * 0.34
    lx, ly = h * 0.52, h * 0.44
    cv.ellipse((lx - r - 2, ly - r - 2, lx + r + 2, ly + r + 2), fill=WHITE)
    cv.ellipse((lx - r, ly - r, lx + r, ly + r), fill=(28, 150, 214))
    sr = r * 0.32
    cv.ellipse((lx + r * 0.05 - sr, ly - r * 0.45 - sr, lx + r * 0.05 + sr, ly - r * 0.45 + sr), fill=(255, 220, 90))
    logo = cv.new_mask()
    ImageDraw.Draw(logo).ellipse(((lx - r) * SS, (ly - r) * SS, (lx + r) * SS, (ly + r) * SS), fill=255)
    for k, (dy, col) in enumerate(((0.05, (140, 226, 244)), (0.32, WHITE), (0.58, (120, 214, 240)))):
        pts = [(lx - r, ly + r)]
        x = lx - r
        while x <= lx + r + 1:
            pts.append((x, ly + r * dy + r * 0.1 * math.sin((x - lx) / r * 3.2 + k)))
            x += 1
        pts.append((lx + r, ly + r))
        cv.tint(mask_and(cv.poly_mask(pts), logo), col, 1.0)
    # name and maker
    tx = lx + r + h * 0.2
    cv.text((tx, h * 0.08), "Nixaro", "LiberationSans-BoldItalic.ttf", h * 0.5, WHITE,
            shadow=((8, 48, 110), 2, 2))
    cv.text((tx + 2, h * 0.62), "Marvasten Reinigungs- und Pooltechnik", "LiberationSans-Bold.ttf", h * 0.17,
            WHITE, shadow=((8, 48, 110), 1, 1))
    # rising air bubbles on the right
    rng = random.Random(21)
    for _ in range(14):
        x, y, r = rng.uniform(w * 0.66, w * 0.98), rng.uniform(h * 0.12, h * 0.7), rng.uniform(2.5, 9)
        cv.ellipse((x - r, y - r, x + r, y + r), outline=(226, 248, 255), width=1.4)
        cv.ellipse((x - r * 0.55, y - r * 0.6, x - r * 0.1, y - r * 0.15), fill=WHITE)
    return cv


PICTURES = [
    Picture("welcome/background.jpg", BoxSize(), pic_welcome_background),
    Picture("welcome/banner.jpg", BoxSize(), pic_welcome_banner),
]
