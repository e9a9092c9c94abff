"""Picture of the options page (pages/quote/optionspage.ui): the further articles, a link to their page."""

import math

from PIL import ImageDraw

from ..canvas import SS, Canvas
from ..entries import Picture
from ..palette import STAINLESS_EDGE, WHITE
from ..scenery import wave_band
from ..sizes import Kept


def pic_further_articles(w, h):
    """A little collage of pool accessories: brush, thermometer, care products, ball."""
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, (240, 250, 254), (196, 234, 248))
    wave_band(cv, h * 0.8, h * 0.03, w * 0.3, (110, 206, 236), 0.8)
    wave_band(cv, h * 0.87, h * 0.025, w * 0.22, (40, 160, 214), 0.9, 1.5)
    s = h / 240.0
    # cleaning brush on a telescopic pole
    p0, p1 = (w * 0.06, h * 0.06), (w * 0.46, h * 0.62)
    cv.line([p0, p1], STAINLESS_EDGE, 7 * s)
    cv.line([p0, p1], (214, 222, 230), 5 * s)
    cv.line([(p0[0] + (p1[0] - p0[0]) * 0.45, p0[1] + (p1[1] - p0[1]) * 0.45),
             (p0[0] + (p1[0] - p0[0]) * 0.48, p0[1] + (p1[1] - p0[1]) * 0.48)], (60, 70, 80), 8 * s)
    bx, by = p1
    head = [(bx - 56 * s, by - 8 * s), (bx + 40 * s, by - 40 * s), (bx + 48 * s, by - 24 * s), (bx - 48 * s, by + 8 * s)]
    cv.polygon(head, (30, 110, 200), outline=(16, 70, 140), width=1)
    for k in range(13):
        t = k / 12
        a = (head[3][0] + (head[2][0] - head[3][0]) * t, head[3][1] + (head[2][1] - head[3][1]) * t)
        cv.line([a, (a[0] + 3 * s, a[1] + 14 * s)], (250, 250, 250), 2 * s)
    # care product bucket
    cx, top, bw, bh = w * 0.62, h * 0.3, w * 0.2, h * 0.42
    cv.polygon([(cx - bw / 2, top), (cx + bw / 2, top), (cx + bw * 0.44, top + bh), (cx - bw * 0.44, top + bh)],
               (250, 250, 250), outline=(170, 180, 190), width=1)
    cv.rect((cx - bw * 0.56, top - 12 * s, cx + bw * 0.56, top + 4 * s), fill=(30, 110, 200), radius=4 * s)
    cv.rect((cx - bw * 0.4, top + bh * 0.28, cx + bw * 0.4, top + bh * 0.72), fill=(5, 168, 216), radius=3 * s)
    dx, dy, ds = cx, top + bh * 0.5, 12 * s
    cv.polygon([(dx, dy - ds * 1.5), (dx + ds * 0.7, dy), (dx - ds * 0.7, dy)], WHITE)
    cv.ellipse((dx - ds * 0.7, dy - ds * 0.7, dx + ds * 0.7, dy + ds * 0.7), fill=WHITE)
    # floating thermometer
    tx, ty = w * 0.86, h * 0.18
    cv.rect((tx - 13 * s, ty, tx + 13 * s, ty + 118 * s), fill=WHITE, outline=(150, 165, 180), width=1, radius=13 * s)
    cv.rect((tx - 3 * s, ty + 14 * s, tx + 3 * s, ty + 100 * s), fill=(236, 236, 236), radius=3 * s)
    cv.rect((tx - 3 * s, ty + 52 * s, tx + 3 * s, ty + 100 * s), fill=(220, 50, 50), radius=3 * s)
    cv.ellipse((tx - 7 * s, ty + 96 * s, tx + 7 * s, ty + 110 * s), fill=(220, 50, 50))
    for k in range(8):
        yy = ty + 20 * s + k * 10 * s
        cv.line([(tx + 5 * s, yy), (tx + 10 * s, yy)], (80, 90, 110), 1 * s)
    cv.ellipse((tx - 16 * s, ty + 104 * s, tx + 16 * s, ty + 126 * s), fill=(255, 200, 40))
    # beach ball
    r = 40 * s
    bx, by = w * 0.2, h * 0.78
    cols = [(232, 60, 56), WHITE, (255, 204, 40), WHITE, (30, 120, 210), WHITE]
    for k in range(6):
        a0 = math.radians(-90 + 60 * k)
        a1 = math.radians(-90 + 60 * (k + 1))
        pts = [(bx, by)] + [(bx + r * math.cos(a0 + (a1 - a0) * t / 10), by + r * math.sin(a0 + (a1 - a0) * t / 10))
                            for t in range(11)]
        cv.polygon(pts, cols[k])
    cv.ellipse((bx - r * 0.22, by - r * 0.22, bx + r * 0.22, by + r * 0.22), fill=WHITE)
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((bx - r * 0.75) * SS, (by - r * 0.85) * SS, (bx - r * 0.05) * SS, (by - r * 0.25) * SS), fill=255)
    cv.tint(cv.blur_mask(m, r * 0.15), WHITE, 0.4)
    cv.ellipse((bx - r, by - r, bx + r, by + r), outline=(120, 120, 120), width=0.8)
    return cv


PICTURES = [
    Picture("quote/further_articles.jpg",
            Kept((320, 240), "its box is 176 x 132, the same 4:3 shape; the collage is laid out for "
                             "240 pixels high (s = h / 240) and the box scales it down"),
            pic_further_articles),
]
