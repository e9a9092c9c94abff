"""What the product pictures of the equipment pages share: the light studio background,
soft shadows and highlights, shaded round parts, and the colours of plastic and cast bronze."""

from PIL import ImageDraw

from ..canvas import SS, Canvas
from ..palette import WHITE, mix

PLASTIC = (246, 247, 249)
PLASTIC_SHADE = (196, 204, 214)
PLASTIC_EDGE = (150, 160, 174)
BRONZE = (184, 118, 64)
BRONZE_LIGHT = (236, 186, 124)
BRONZE_DARK = (110, 62, 30)
STEEL_BALL = (214, 220, 228)
GLASS_DARK = (52, 64, 82)

STUDIO_TOP = (242, 250, 254)
STUDIO_LOW = (198, 232, 248)
SHADOW = (24, 64, 96)


def studio(w, h, top=STUDIO_TOP, low=STUDIO_LOW):
    """A canvas with the soft light-blue background of the product pictures."""
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, top, low)
    return cv


def soft_shadow(cv, box, alpha=0.28, blur=None):
    """A blurred elliptic shadow on the floor under an object."""
    x0, y0, x1, y1 = box
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    cv.tint(cv.blur_mask(m, blur if blur is not None else (y1 - y0) * 0.35), SHADOW, alpha)


def glow(cv, box, colour=WHITE, alpha=0.5, blur=None):
    """A soft elliptic highlight or glow."""
    x0, y0, x1, y1 = box
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    cv.tint(cv.blur_mask(m, blur if blur is not None else min(x1 - x0, y1 - y0) * 0.25), colour, alpha)


def shaded_disc(cv, cx, cy, rx, ry, light, dark, steps=14, outline=None, width=0.8):
    """An ellipse shaded like a dome lit from the upper left: dark rim, light centre."""
    if outline is not None:
        cv.ellipse((cx - rx - width / 2, cy - ry - width / 2, cx + rx + width / 2, cy + ry + width / 2),
                   fill=outline)
    for k in range(steps):
        t = k / (steps - 1)
        f = 1.0 - 0.72 * t
        ox, oy = -rx * 0.28 * t, -ry * 0.28 * t
        cv.ellipse((cx + ox - rx * f, cy + oy - ry * f, cx + ox + rx * f, cy + oy + ry * f),
                   fill=mix(dark, light, t ** 0.8))


def threaded_body(cv, front, axis, radius_x, radius_y, length, colour, edge, threads=7, cap=None):
    """A short cylinder seen from the side, its axis running from the front centre along
    axis (a unit screen vector); front ellipse radii rx, ry.  Thread rings drawn across it."""
    fx, fy = front
    ax, ay = axis
    bx, by = fx + ax * length, fy + ay * length
    # the side of the cylinder: the band between the two ellipses
    side = [(fx, fy - radius_y), (bx, by - radius_y), (bx, by + radius_y), (fx, fy + radius_y)]
    cv.ellipse((bx - radius_x, by - radius_y, bx + radius_x, by + radius_y), fill=cap or mix(colour, edge, 0.5))
    cv.polygon(side, colour)
    m = cv.poly_mask(side)
    cv.shade_gradient(m, fy - radius_y, fy + radius_y, edge, 0.05, 0.55)
    cv.line([(fx, fy - radius_y * 0.55), (bx, by - radius_y * 0.55)], mix(colour, WHITE, 0.6), radius_y * 0.18)
    for k in range(1, threads + 1):
        t = k / (threads + 1)
        tx, ty = fx + ax * length * t, fy + ay * length * t
        cv.line([(tx + radius_x * 0.35, ty - radius_y), (tx - radius_x * 0.1, ty), (tx + radius_x * 0.35, ty + radius_y)],
                mix(colour, edge, 0.7), 0.7)
    cv.line([(fx, fy - radius_y), (bx, by - radius_y)], edge, 0.6)
    cv.line([(fx, fy + radius_y), (bx, by + radius_y)], edge, 0.6)
