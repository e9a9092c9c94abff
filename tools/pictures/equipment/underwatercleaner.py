"""Pictures of the underwater-cleaner page (pages/equipment/underwatercleanerpage.ui): the
hydraulic "Buggy" on its hose and the four cleaning robots, each on the floor of a pool
under water.  All five share one box; the page shows the chosen cleaner's alone."""

import math

from PIL import ImageDraw

from ..canvas import SS, Canvas
from ..entries import Picture
from ..palette import STAINLESS, STAINLESS_EDGE, WHITE, mix, shade
from ..sizes import BoxSize
from .floorcleaning import caustics, soft_shadow, tiled_floor

TRACK = (52, 58, 66)
TRACK_LUG = (96, 104, 114)


def underwater(w, h, seed):
    """The pool under water: the far wall, the tiled floor and light playing on it."""
    cv = Canvas(w, h)
    horizon = h * 0.42
    wall = cv.new_mask()
    ImageDraw.Draw(wall).rectangle((0, 0, w * SS, horizon * SS), fill=255)
    cv.fill_gradient(wall, 0, horizon, (150, 214, 240), (92, 176, 222))
    tiled_floor(cv, horizon, w * 0.5, rows=8, cols=12, top_colour=(104, 182, 224), low_colour=(150, 212, 240))
    caustics(cv, horizon, h, seed=seed, alpha=0.28, scale=1.3)
    caustics(cv, 0, horizon, seed=seed + 1, alpha=0.12, scale=0.6)
    return cv


def gradient_poly(cv, pts, y0, y1, c0, c1):
    cv.fill_gradient(cv.poly_mask(pts), y0, y1, c0, c1)


def draw_robot(cv, x, y, width, height, body, accent, roller=(236, 236, 232), deep=0.34, handle=True,
               cable=True, stripe=True):
    """A cleaning robot seen from the front left: body on two tracks, brush roller in front,
    carrying handle on top and its floating cable.  (x, y) is the lower left front corner."""
    dx, dy = width * deep, -width * deep * 0.5
    W, H = width, height
    track_h = H * 0.34
    soft_shadow(cv, (x - W * 0.08, y - H * 0.12, x + W + dx + W * 0.1, y + H * 0.2), alpha=0.4, blur=4)

    # the far track shows behind the body on its side
    side = [(x + W, y), (x + W + dx, y + dy), (x + W + dx, y + dy - H), (x + W, y - H)]
    # body: side, front, top
    gradient_poly(cv, side, y + dy - H, y, shade(body, 0.86), shade(body, 0.7))
    front = [(x, y - track_h * 0.4), (x + W, y - track_h * 0.4), (x + W, y - H), (x, y - H)]
    gradient_poly(cv, front, y - H, y, shade(body, 1.04), shade(body, 0.86))
    top = [(x, y - H), (x + W, y - H), (x + W + dx, y + dy - H), (x + dx, y + dy - H)]
    gradient_poly(cv, top, y + dy - H, y - H, shade(body, 0.95), mix(body, WHITE, 0.45))
    # rounded front edge: a highlight along the top of the front
    cv.line([(x + 1.5, y - H + 1.2), (x + W - 1.5, y - H + 1.2)], mix(body, WHITE, 0.6), 1.6)

    # the track on the visible side: a long rounded band with its lugs
    t0, t1 = (x + W - W * 0.02, y), (x + W + dx, y + dy)
    band = [(t0[0], t0[1]), (t1[0], t1[1]), (t1[0], t1[1] - track_h), (t0[0], t0[1] - track_h)]
    cv.polygon(band, TRACK)
    for i in range(1, 9):
        f = i / 9
        px, py = t0[0] + (t1[0] - t0[0]) * f, t0[1] + (t1[1] - t0[1]) * f
        cv.line([(px, py), (px, py - track_h)], TRACK_LUG, 1.0)
    cv.ellipse((t1[0] - track_h * 0.32, t1[1] - track_h, t1[0] + track_h * 0.32, t1[1]), fill=shade(TRACK, 1.2))
    # the tracks' front ends and the brush roller between them
    tw = W * 0.14
    for tx in (x, x + W - tw):
        cv.rect((tx, y - track_h, tx + tw, y + 1), fill=TRACK, radius=track_h * 0.25)
    ry0, ry1 = y - track_h * 0.92, y + 0.5
    roll = cv.new_mask()
    ImageDraw.Draw(roll).rectangle(((x + tw) * SS, ry0 * SS, (x + W - tw) * SS, ry1 * SS), fill=255)
    cv.fill_gradient(roll, ry0, ry1, mix(roller, WHITE, 0.4), shade(roller, 0.72))
    n = 14
    for i in range(1, n):
        rx = x + tw + (W - 2 * tw) * i / n
        cv.line([(rx, ry0 + 1), (rx - 2, ry1 - 1)], shade(roller, 0.62), 0.9)

    # the intake grille and the maker's stripe on the front
    gy = y - track_h * 0.4
    cv.rect((x + W * 0.22, gy - H * 0.2, x + W * 0.78, gy - H * 0.06), fill=shade(body, 0.55), radius=2)
    for i in range(1, 9):
        gx = x + W * 0.22 + W * 0.56 * i / 9
        cv.line([(gx, gy - H * 0.19), (gx, gy - H * 0.07)], shade(body, 0.4), 0.8)
    if stripe:
        cv.polygon([(x, y - H * 0.72), (x + W, y - H * 0.72), (x + W, y - H * 0.6), (x, y - H * 0.6)], accent)
        cv.polygon([(x + W, y - H * 0.72), (x + W + dx, y + dy - H * 0.72), (x + W + dx, y + dy - H * 0.6),
                    (x + W, y - H * 0.6)], shade(accent, 0.8))

    if handle:   # a handle across the top, from front left to back right
        a = (x + W * 0.22 + dx * 0.5, y + dy * 0.5 - H)
        b = (x + W * 0.78 + dx * 0.5, y + dy * 0.5 - H)
        arc = [(a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t - H * 0.42 * math.sin(math.pi * t))
               for t in [i / 20 for i in range(21)]]
        cv.line(arc, shade(accent, 0.6), 5.2)
        cv.line(arc, accent, 3.6)
    if cable:    # the floating cable, up to the water's surface
        c0 = (x + W * 0.5 + dx, y + dy - H * 0.9)
        pts = [(c0[0] + t * W * 0.9, c0[1] - t * H * 2.6 + H * 0.5 * math.sin(t * 3.2)) for t in
               [i / 24 for i in range(25)]]
        cv.line(pts, (40, 46, 54), 2.6)
        cv.line(pts, (84, 92, 104), 1.2)
        for t in (0.35, 0.62, 0.88):
            px, py = pts[int(t * 24)]
            cv.ellipse((px - 3.2, py - 4.4, px + 3.2, py + 4.4), fill=(250, 190, 60), outline=(170, 120, 30), width=0.6)


def draw_caddy(cv, x, y, size):
    """The transport cart: a frame on two wheels with a handle bar."""
    s = size
    soft_shadow(cv, (x - s * 0.2, y - s * 0.06, x + s * 0.6, y + s * 0.1), alpha=0.3, blur=3)
    cv.line([(x, y - s * 0.04), (x + s * 0.12, y - s * 1.15)], STAINLESS_EDGE, 4.2)
    cv.line([(x, y - s * 0.04), (x + s * 0.12, y - s * 1.15)], STAINLESS, 2.8)
    cv.line([(x + s * 0.02, y - s * 1.12), (x + s * 0.24, y - s * 1.18)], (40, 46, 54), 5.0)
    cv.line([(x - s * 0.02, y - s * 0.05), (x + s * 0.36, y - s * 0.02)], STAINLESS_EDGE, 3.6)
    cv.line([(x - s * 0.02, y - s * 0.05), (x + s * 0.36, y - s * 0.02)], STAINLESS, 2.2)
    for wx in (x - s * 0.02, x + s * 0.2):
        r = s * 0.1
        cv.ellipse((wx - r * 0.8, y - r, wx + r * 0.8, y + r), fill=(40, 46, 54))
        cv.ellipse((wx - r * 0.35, y - r * 0.45, wx + r * 0.35, y + r * 0.45), fill=(170, 178, 188))


def pic_buggy(w, h):
    """The hydraulic cleaner on the pool floor: a low disc body, the swivel on top and its hose."""
    cv = underwater(w, h, seed=41)
    cx, cy, r = w * 0.42, h * 0.76, w * 0.26
    k = 0.42
    soft_shadow(cv, (cx - r * 1.12, cy - r * k * 0.4, cx + r * 1.2, cy + r * k * 1.5), alpha=0.4, blur=4)
    skirt, body, dome = (40, 60, 80), (250, 200, 40), (255, 226, 110)
    cv.ellipse((cx - r, cy - r * k, cx + r, cy + r * k), fill=skirt)          # the flexible disc
    for a in range(0, 360, 15):
        t = math.radians(a)
        cv.line([(cx + r * 0.78 * math.cos(t), cy + r * 0.78 * k * math.sin(t)),
                 (cx + r * 0.97 * math.cos(t), cy + r * 0.97 * k * math.sin(t))], (70, 92, 112), 0.9)
    br = r * 0.74
    dome_pts = [(cx - br, cy - 2)] + [(cx - br * math.cos(t), cy - 2 - br * 0.72 * math.sin(t))
                                       for t in [math.pi * i / 30 for i in range(31)]] + [(cx + br, cy - 2)]
    dome_pts += [(cx + br * math.cos(t), cy - 2 + br * k * math.sin(t)) for t in [math.pi * i / 30 for i in range(31)]]
    gradient_poly(cv, dome_pts, cy - br * 0.72, cy + br * k, dome, shade(body, 0.82))
    cv.ellipse((cx - br * 0.55, cy - br * 0.62, cx - br * 0.05, cy - br * 0.32), fill=mix(dome, WHITE, 0.6))
    # two bug eyes at the front, the swivel and the segmented hose
    for ex in (cx - br * 0.36, cx + br * 0.18):
        cv.ellipse((ex - 5, cy - br * 0.18 - 5, ex + 5, cy - br * 0.18 + 5), fill=WHITE, outline=(60, 60, 60), width=0.6)
        cv.ellipse((ex - 2, cy - br * 0.18 - 2, ex + 2, cy - br * 0.18 + 2), fill=(30, 30, 30))
    sx, sy = cx + br * 0.1, cy - br * 0.72
    cv.rect((sx - 8, sy - 10, sx + 8, sy + 4), fill=(60, 90, 140), radius=3)
    pts = [(sx + t * w * 0.5, sy - 10 - t * h * 0.62 + h * 0.12 * math.sin(t * 2.6)) for t in [i / 40 for i in range(41)]]
    cv.line(pts, (30, 80, 150), 11)
    cv.line(pts, (70, 140, 210), 8)
    for i in range(0, 41, 2):
        px, py = pts[i]
        cv.line([(px - 4.5, py + 2), (px + 4.5, py - 2)], (40, 100, 170), 1.2)
    return cv


def robot_picture(seed, body, accent, roller=(236, 236, 232), width=0.5, height=0.3, caddy=False):
    def make(w, h):
        cv = underwater(w, h, seed)
        x = w * (0.5 - width * 0.62)
        if caddy:   # the cart stands beside the robot
            draw_caddy(cv, w * 0.76, h * 0.8, h * 0.5)
            x = w * 0.06
        draw_robot(cv, x, h * 0.84, w * width, h * height, body, accent, roller)
        return cv
    return make


PICTURES = [
    Picture("equipment/cleaner_buggy.jpg", BoxSize(), pic_buggy),
    Picture("equipment/cleaner_smart.jpg", BoxSize(),
            robot_picture(43, (226, 232, 238), (40, 140, 210), width=0.46, height=0.26)),
    Picture("equipment/cleaner_itop.jpg", BoxSize(),
            robot_picture(45, (246, 246, 248), (120, 80, 170), roller=(240, 210, 110))),
    Picture("equipment/cleaner_comfort.jpg", BoxSize(),
            robot_picture(47, (214, 220, 226), (50, 168, 90), width=0.52, height=0.31)),
    Picture("equipment/cleaner_deluxe.jpg", BoxSize(),
            robot_picture(49, (84, 92, 104), (0, 190, 200), width=0.48, height=0.3, caddy=True)),
]
