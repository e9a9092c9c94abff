"""The program's icon: the round logo of the welcome page's banner, a sun over waves in
a blue disc with a white rim, as PNG files in the desktop's sizes and as SVG.

The geometry is the banner's (see welcome/welcome.py), in units of the disc's radius
around its centre, so that all sizes and the SVG show the same picture.
"""

import math

from PIL import Image, ImageDraw

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
RIM = (255, 255, 255)
DISC = (28, 150, 214)
SUN = (255, 220, 90)
WAVES = ((0.05, (140, 226, 244)), (0.32, (255, 255, 255)), (0.58, (120, 214, 240)))
RIM_WIDTH = 0.07      # of the radius; wider than the banner's 2 px so that it shows at 16 px
SUN_AT = (0.05, -0.45)
SUN_RADIUS = 0.32


def wave(k, dy, steps=96):
    """The outline of wave k as points (x, y) in radius units, closed along the bottom."""
    pts = [(-1.0, 1.2)]
    for i in range(steps + 1):
        x = -1.0 + 2.0 * i / steps
        pts.append((x, dy + 0.1 * math.sin(x * 3.2 + k)))
    pts.append((1.0, 1.2))
    return pts


def png(size, ss=8):
    """The icon at size x size pixels, drawn at ss times that and scaled down."""
    n = size * ss
    r = n / 2 / (1 + RIM_WIDTH)
    c = n / 2

    def at(x, y):
        return (c + x * r, c + y * r)

    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    rr = r * (1 + RIM_WIDTH)
    d.ellipse((c - rr, c - rr, c + rr, c + rr), fill=RIM + (255,))
    art = Image.new("RGBA", (n, n), DISC + (255,))
    a = ImageDraw.Draw(art)
    sx, sy = at(*SUN_AT)
    sr = SUN_RADIUS * r
    a.ellipse((sx - sr, sy - sr, sx + sr, sy + sr), fill=SUN + (255,))
    for k, (dy, colour) in enumerate(WAVES):
        a.polygon([at(x, y) for x, y in wave(k, dy)], fill=colour + (255,))
    disc = Image.new("L", (n, n), 0)
    ImageDraw.Draw(disc).ellipse((c - r, c - r, c + r, c + r), fill=255)
    img.paste(art, (0, 0), disc)
    return img.resize((size, size), Image.LANCZOS)


def svg():
    """The icon as a scalable SVG of 256 units."""
    size = 256
    r = size / 2 / (1 + RIM_WIDTH)
    c = size / 2

    def at(x, y):
        return "%.2f,%.2f" % (c + x * r, c + y * r)

    def hexcolour(rgb):
        return "#%02x%02x%02x" % rgb

    waves = "\n".join(
        '    <polygon fill="%s" points="%s"/>' % (hexcolour(colour), " ".join(at(x, y) for x, y in wave(k, dy)))
        for k, (dy, colour) in enumerate(WAVES))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
  <title>Nixaro</title>
  <defs>
    <clipPath id="disc"><circle cx="{c}" cy="{c}" r="{r:.2f}"/></clipPath>
  </defs>
  <circle cx="{c}" cy="{c}" r="{c}" fill="{hexcolour(RIM)}"/>
  <g clip-path="url(#disc)">
    <circle cx="{c}" cy="{c}" r="{r:.2f}" fill="{hexcolour(DISC)}"/>
    <circle cx="{c + SUN_AT[0] * r:.2f}" cy="{c + SUN_AT[1] * r:.2f}" r="{SUN_RADIUS * r:.2f}" fill="{hexcolour(SUN)}"/>
{waves}
  </g>
</svg>
"""
