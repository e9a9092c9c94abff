#!/usr/bin/env python3
"""Draws the catalogue pictures that Nixaro shows on its pages.

Run from the repository root:

    python3 tools/make_pictures.py

Every picture is drawn from scratch as a flat, softly shaded illustration and
written as a baseline JPEG to assets/<area>/<name>.jpg.  The drawing is fully
deterministic: all "random" detail (clouds, ripples, stone grain) comes from
generators with fixed seeds, so a rerun gives identical files.

Shapes are modelled in metres in a small 3D scene (x to the right, y towards
the viewer, z up) and projected through a simple pinhole camera.  Each picture
is drawn at SS times its final size and scaled down at the end, which gives
smooth, anti-aliased edges with plain ImageDraw primitives.
"""

import math
import os
import random
import sys

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont
except ImportError:  # a virtual-env python without Pillow: retry with the system one
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise

SS = 3                 # supersampling factor
JPEG_QUALITY = 88
ASSET_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "assets")

# --------------------------------------------------------------------------
# Palette (shared by every picture)
# --------------------------------------------------------------------------

SKY_TOP = (92, 174, 232)
SKY_LOW = (200, 234, 248)
CLOUD = (255, 255, 255)
TREE_FAR = (118, 172, 118)
TREE = (62, 136, 70)
TREE_DARK = (40, 104, 54)
TRUNK = (118, 84, 56)
HEDGE = (48, 116, 60)
GRASS_FAR = (130, 194, 94)
GRASS_NEAR = (80, 156, 66)
WATER_FAR = (150, 232, 240)
WATER_NEAR = (16, 156, 208)
WATER_SHINE = (226, 252, 255)
LINER = (30, 108, 188)
LINER_DARK = (16, 70, 140)
STEEL = (228, 233, 238)
STEEL_DARK = (160, 170, 184)
STEEL_INNER = (200, 207, 216)
RAIL_BLUE = (28, 96, 178)
RAIL_LIGHT = (96, 164, 228)
STAINLESS = (238, 242, 246)
STAINLESS_EDGE = (96, 108, 124)
WOOD = (198, 148, 94)
WOOD_DARK = (146, 102, 62)
CONCRETE = (192, 192, 186)
CONCRETE_DARK = (146, 146, 140)
FLEECE = (246, 244, 236)
SOIL = (160, 120, 82)
SOIL_DARK = (112, 80, 54)
FOAM = (250, 250, 246)
HOSE = (46, 150, 74)
WHITE = (255, 255, 255)

STONE_COLOURS = {
    "white": (236, 233, 224),
    "blue": (72, 128, 192),
    "red": (180, 76, 56),
    "yellow": (228, 192, 108),
}

# direction towards the light (front left, above); used for flat shading
LIGHT = (-0.45, 0.55, 0.70)
_ln = math.sqrt(sum(c * c for c in LIGHT))
LIGHT = tuple(c / _ln for c in LIGHT)

FONT_DIRS = ["/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/dejavu"]


# --------------------------------------------------------------------------
# Colour helpers
# --------------------------------------------------------------------------

def mix(c0, c1, t):
    """Blend two RGB colours, t = 0 gives c0, t = 1 gives c1."""
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


def shade(c, f):
    """Scale an RGB colour's brightness by f (clamped to 0..255)."""
    return tuple(max(0, min(255, int(round(v * f)))) for v in c)


def lit(c, normal, ambient=0.74, diffuse=0.34):
    """Flat Lambert shading of colour c for a surface normal."""
    d = sum(a * b for a, b in zip(normal, LIGHT))
    return shade(c, ambient + diffuse * max(0.0, d))


def font(name, size):
    for d in FONT_DIRS:
        path = os.path.join(d, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.truetype(os.path.join(FONT_DIRS[1], "DejaVuSans-Bold.ttf"), size)


# --------------------------------------------------------------------------
# Canvas: supersampled drawing surface in final-pixel coordinates
# --------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, bg=WHITE):
        self.w, self.h = w, h
        self.img = Image.new("RGB", (w * SS, h * SS), bg)
        self.draw = ImageDraw.Draw(self.img)

    # geometry in final pixels -> supersampled pixels
    @staticmethod
    def _s(pts):
        return [(x * SS, y * SS) for x, y in pts]

    def polygon(self, pts, fill, outline=None, width=1.0):
        if len(pts) >= 3:
            self.draw.polygon(self._s(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0]], outline, width)

    def line(self, pts, fill, width=1.0):
        if len(pts) >= 2:
            self.draw.line(self._s(pts), fill=fill, width=max(1, int(round(width * SS))), joint="curve")

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        x0, y0, x1, y1 = box
        self.draw.ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=fill, outline=outline,
                          width=max(1, int(round(width * SS))))

    def rect(self, box, fill=None, outline=None, width=1.0, radius=0):
        x0, y0, x1, y1 = box
        self.draw.rounded_rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), radius=radius * SS,
                                    fill=fill, outline=outline,
                                    width=max(1, int(round(width * SS))))

    def text(self, xy, s, fnt_name, size, fill, anchor="la", shadow=None):
        f = font(fnt_name, int(size * SS))
        x, y = xy
        if shadow is not None:
            colour, dx, dy = shadow
            self.draw.text(((x + dx) * SS, (y + dy) * SS), s, font=f, fill=colour, anchor=anchor)
        self.draw.text((x * SS, y * SS), s, font=f, fill=fill, anchor=anchor)

    # masks and fills
    def new_mask(self):
        return Image.new("L", self.img.size, 0)

    def poly_mask(self, pts):
        m = self.new_mask()
        if len(pts) >= 3:
            ImageDraw.Draw(m).polygon(self._s(pts), fill=255)
        return m

    def tint(self, mask, colour, alpha=1.0):
        if alpha < 1.0:
            mask = mask.point(lambda v: int(v * alpha))
        self.img.paste(colour, (0, 0) + self.img.size, mask)

    def gradient(self, y0, y1, c0, c1, horizontal=False):
        """A full-size image with a linear gradient from c0 (at y0) to c1 (at y1)."""
        n = self.img.size[0] if horizontal else self.img.size[1]
        a, b = y0 * SS, y1 * SS
        strip = [mix(c0, c1, (i - a) / (b - a) if b != a else 0.0) for i in range(n)]
        if horizontal:
            line = Image.new("RGB", (n, 1))
        else:
            line = Image.new("RGB", (1, n))
        line.putdata(strip)
        return line.resize(self.img.size, Image.NEAREST)

    def fill_gradient(self, mask, y0, y1, c0, c1, horizontal=False):
        self.img.paste(self.gradient(y0, y1, c0, c1, horizontal), (0, 0), mask)

    def shade_gradient(self, mask, y0, y1, colour, a0, a1):
        """Darken/lighten the masked area with a colour whose opacity runs a0 -> a1."""
        n = self.img.size[1]
        a, b = y0 * SS, y1 * SS
        col = Image.new("L", (1, n))
        col.putdata([int(255 * (a0 + (a1 - a0) * max(0.0, min(1.0, (i - a) / (b - a))))) for i in range(n)])
        alpha = ImageChops.multiply(col.resize(self.img.size, Image.NEAREST), mask)
        self.img.paste(colour, (0, 0) + self.img.size, alpha)

    def copy(self):
        c = Canvas.__new__(Canvas)
        c.w, c.h = self.w, self.h
        c.img = self.img.copy()
        c.draw = ImageDraw.Draw(c.img)
        return c

    def paste_layer(self, layer, mask):
        self.img.paste(layer.img, (0, 0), mask)

    def blur_mask(self, mask, radius):
        return mask.filter(ImageFilter.GaussianBlur(radius * SS))

    def final(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


def mask_and(a, b):
    return ImageChops.multiply(a, b)


def mask_minus(a, b):
    return ImageChops.subtract(a, b)


# --------------------------------------------------------------------------
# Camera: pinhole projection of the little 3D scenes
# --------------------------------------------------------------------------

class Camera:
    def __init__(self, elevation=28.0, azimuth=0.0, distance=24.0, target=(0.0, 0.0, 0.0)):
        self.el = math.radians(elevation)
        self.az = math.radians(azimuth)
        self.d = distance
        self.t = target
        self.f, self.cx, self.cy = 1.0, 0.0, 0.0

    def _view(self, x, y, z):
        x, y, z = x - self.t[0], y - self.t[1], z - self.t[2]
        ca, sa = math.cos(self.az), math.sin(self.az)
        xr = x * ca - y * sa
        yr = x * sa + y * ca
        ce, se = math.cos(self.el), math.sin(self.el)
        xc = xr
        yc = z * ce - yr * se
        zc = self.d - (yr * ce + z * se)
        return xc, yc, zc

    def p(self, x, y, z=0.0):
        xc, yc, zc = self._view(x, y, z)
        return (self.cx + self.f * xc / zc, self.cy - self.f * yc / zc)

    def depth(self, x, y, z=0.0):
        return self._view(x, y, z)[2]

    def eye(self):
        ca, sa = math.cos(self.az), math.sin(self.az)
        yr, z = self.d * math.cos(self.el), self.d * math.sin(self.el)
        return (self.t[0] + yr * sa, self.t[1] + yr * ca, self.t[2] + z)

    def ring(self, plan, z):
        return [self.p(x, y, z) for x, y in plan]

    def fit(self, pts3d, box):
        """Choose focal length and centre so that the points fill the screen box."""
        self.f, self.cx, self.cy = 1.0, 0.0, 0.0
        pr = [self.p(*q) for q in pts3d]
        xs, ys = [q[0] for q in pr], [q[1] for q in pr]
        bx0, by0, bx1, by1 = box
        s = min((bx1 - bx0) / (max(xs) - min(xs)), (by1 - by0) / (max(ys) - min(ys)))
        self.f = s
        self.cx = (bx0 + bx1) / 2 - s * (min(xs) + max(xs)) / 2
        self.cy = (by0 + by1) / 2 - s * (min(ys) + max(ys)) / 2
        return self

    def faces_viewer(self, point, normal):
        e = self.eye()
        return sum((p - q) * n for p, q, n in zip(point, e, normal)) < 0


def bounds3d(plan, z0, z1):
    return [(x, y, z) for x, y in plan for z in (z0, z1)]


# --------------------------------------------------------------------------
# Plan shapes (outlines in metres, centred on the origin)
# --------------------------------------------------------------------------

def circle_plan(r, n=120, cx=0.0, cy=0.0, a0=0.0):
    return [(cx + r * math.cos(a0 + 2 * math.pi * i / n), cy + r * math.sin(a0 + 2 * math.pi * i / n))
            for i in range(n)]


def oval_plan(length, width, n=140):
    """Stadium outline: two half circles joined by straight sides (long axis x)."""
    r = width / 2
    c = (length - width) / 2
    pts = []
    half = n // 2
    for i in range(half + 1):
        a = -math.pi / 2 + math.pi * i / half
        pts.append((c + r * math.cos(a), r * math.sin(a)))
    for i in range(half + 1):
        a = math.pi / 2 + math.pi * i / half
        pts.append((-c + r * math.cos(a), r * math.sin(a)))
    return pts


def eight_plan(length, width, n=160):
    """Figure-eight outline: two overlapping circles of equal size."""
    r = width / 2
    d = length - width
    h = math.sqrt(max(r * r - (d / 2) ** 2, 0.0))
    t0 = math.atan2(h, d / 2)
    pts = []
    half = n // 2
    for i in range(half + 1):          # left circle, round its far side
        a = t0 + (2 * math.pi - 2 * t0) * i / half
        pts.append((-d / 2 + r * math.cos(a), r * math.sin(a)))
    for i in range(1, half):           # right circle
        a = (t0 - math.pi) + (2 * math.pi - 2 * t0) * i / half
        pts.append((d / 2 + r * math.cos(a), r * math.sin(a)))
    return pts


def rect_plan(length, width, corner=0.12, nc=6):
    """Rectangle with slightly rounded corners (long axis x)."""
    hx, hy = length / 2 - corner, width / 2 - corner
    pts = []
    for cx, cy, a0 in ((hx, -hy, -math.pi / 2), (hx, hy, 0.0), (-hx, hy, math.pi / 2), (-hx, -hy, math.pi)):
        for i in range(nc + 1):
            a = a0 + (math.pi / 2) * i / nc
            pts.append((cx + corner * math.cos(a), cy + corner * math.sin(a)))
    return pts


def signed_area(plan):
    return 0.5 * sum(plan[i][0] * plan[(i + 1) % len(plan)][1] - plan[(i + 1) % len(plan)][0] * plan[i][1]
                     for i in range(len(plan)))


def edge_normals(plan):
    """Outward unit normal of every edge (edge i runs from point i to point i+1)."""
    sgn = 1.0 if signed_area(plan) > 0 else -1.0
    out = []
    for i in range(len(plan)):
        (x0, y0), (x1, y1) = plan[i], plan[(i + 1) % len(plan)]
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy) or 1.0
        out.append((sgn * dy / ln, -sgn * dx / ln))
    return out


def vertex_normals(plan):
    en = edge_normals(plan)
    out = []
    for i in range(len(plan)):
        a, b = en[i - 1], en[i]
        nx, ny = a[0] + b[0], a[1] + b[1]
        ln = math.hypot(nx, ny) or 1.0
        nx, ny = nx / ln, ny / ln
        cosh = max(0.35, nx * b[0] + ny * b[1])
        out.append((nx / cosh, ny / cosh))
    return out


def offset_plan(plan, d):
    """Grow (d > 0) or shrink (d < 0) an outline by d metres (mitred corners)."""
    return [(x + nx * d, y + ny * d) for (x, y), (nx, ny) in zip(plan, vertex_normals(plan))]


def move_plan(plan, dx, dy):
    return [(x + dx, y + dy) for x, y in plan]


def point_on_plan(plan, frac):
    """Point at a fraction of the outline's length, with the outward normal there."""
    lens = plan_lengths(plan)
    s = (frac % 1.0) * lens[-1]
    i = max(k for k in range(len(plan)) if lens[k] <= s)
    (x0, y0), (x1, y1) = plan[i], plan[(i + 1) % len(plan)]
    t = (s - lens[i]) / max(1e-9, lens[i + 1] - lens[i])
    nx, ny = edge_normals(plan)[i]
    return x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, nx, ny


def plan_lengths(plan):
    acc = [0.0]
    for i in range(len(plan)):
        (x0, y0), (x1, y1) = plan[i], plan[(i + 1) % len(plan)]
        acc.append(acc[-1] + math.hypot(x1 - x0, y1 - y0))
    return acc


# --------------------------------------------------------------------------
# Scenery: sky, trees, hedge and lawn
# --------------------------------------------------------------------------

def draw_cloud(cv, x, y, s, alpha=0.9):
    m = cv.new_mask()
    d = ImageDraw.Draw(m)
    for dx, dy, r in ((0, 0, 1.0), (1.1, 0.15, 0.8), (-1.05, 0.2, 0.75), (0.5, -0.45, 0.8), (-0.45, -0.35, 0.7)):
        cx, cy, rr = (x + dx * s) * SS, (y + dy * s) * SS, r * s * SS
        d.ellipse((cx - rr * 1.3, cy - rr, cx + rr * 1.3, cy + rr), fill=255)
    d.rectangle(((x - 3.0 * s) * SS, y * SS, (x + 3.0 * s) * SS, (y + 1.2 * s) * SS), fill=0)
    cv.tint(cv.blur_mask(m, s * 0.06), CLOUD, alpha)


def draw_tree(cv, x, ground, size, colour=TREE, rng=None):
    """A round deciduous tree: trunk and a cluster of crowns."""
    tw = size * 0.12
    cv.polygon([(x - tw / 2, ground), (x + tw / 2, ground), (x + tw / 3, ground - size * 0.7),
                (x - tw / 3, ground - size * 0.7)], TRUNK)
    rng = rng or random.Random(int(x * 7 + size))
    cy = ground - size * 0.95
    blobs = [(0, 0, 0.55)] + [(rng.uniform(-0.4, 0.4), rng.uniform(-0.35, 0.25), rng.uniform(0.32, 0.45))
                              for _ in range(4)]
    for dx, dy, r in blobs:
        rr = r * size
        cv.ellipse((x + dx * size - rr, cy + dy * size - rr, x + dx * size + rr, cy + dy * size + rr),
                   fill=colour)
    # soft highlight on the sunny side
    rr = size * 0.3
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((x - size * 0.32 - rr) * SS, (cy - size * 0.28 - rr) * SS,
                               (x - size * 0.32 + rr) * SS, (cy - size * 0.28 + rr) * SS), fill=255)
    cv.tint(cv.blur_mask(m, size * 0.12), shade(colour, 1.25), 0.5)


def draw_bush(cv, x, y, w, colour=HEDGE, flowers=None, rng=None):
    rng = rng or random.Random(int(x * 13 + y))
    for i in range(5):
        dx = (i - 2) * w * 0.18
        r = w * (0.28 + 0.06 * (2 - abs(i - 2)))
        cv.ellipse((x + dx - r, y - r * 1.6 - (2 - abs(i - 2)) * w * 0.06, x + dx + r, y), fill=shade(colour, 0.95 + 0.05 * i))
    if flowers:
        for _ in range(int(w * 0.5)):
            fx, fy = x + rng.uniform(-0.45, 0.45) * w, y - rng.uniform(0.1, 0.55) * w
            r = max(1.0, w * 0.025)
            cv.ellipse((fx - r, fy - r, fx + r, fy + r), fill=rng.choice(flowers))


def garden_backdrop(cv, horizon, seed=1, sun=None, hedge=True, trees=True):
    """Sky, clouds, a row of trees, a hedge and the lawn up to the bottom edge."""
    w, h = cv.w, cv.h
    rng = random.Random(seed)
    sky = cv.new_mask()
    ImageDraw.Draw(sky).rectangle((0, 0, w * SS, horizon * SS), fill=255)
    cv.fill_gradient(sky, 0, horizon, SKY_TOP, SKY_LOW)
    if sun:
        sx, sy, sr = sun
        glow = cv.new_mask()
        ImageDraw.Draw(glow).ellipse(((sx - sr * 2.6) * SS, (sy - sr * 2.6) * SS,
                                      (sx + sr * 2.6) * SS, (sy + sr * 2.6) * SS), fill=255)
        cv.tint(cv.blur_mask(glow, sr), (255, 250, 220), 0.55)
        cv.ellipse((sx - sr, sy - sr, sx + sr, sy + sr), fill=(255, 238, 150))
    for _ in range(max(2, w // 220)):
        draw_cloud(cv, rng.uniform(0.05, 0.95) * w, rng.uniform(0.2, 0.6) * horizon,
                   rng.uniform(0.035, 0.06) * w, 0.85)
    if trees:
        x = -20.0
        while x < w + 20:
            s = rng.uniform(0.55, 0.9) * h * 0.16
            draw_tree(cv, x, horizon + 2, s, TREE_FAR, rng)
            x += rng.uniform(0.7, 1.3) * s
        x = rng.uniform(0, 60)
        while x < w + 30:
            s = rng.uniform(0.7, 1.1) * h * 0.17
            if rng.random() < 0.6:
                draw_tree(cv, x, horizon + 4, s, rng.choice((TREE, TREE_DARK)), rng)
            x += rng.uniform(1.2, 2.2) * s
    lawn = cv.new_mask()
    ImageDraw.Draw(lawn).rectangle((0, horizon * SS, w * SS, h * SS), fill=255)
    cv.fill_gradient(lawn, horizon, h, GRASS_FAR, GRASS_NEAR)
    if hedge:
        bump = h * 0.035
        top = horizon - h * 0.01
        pts = [(0, horizon + h * 0.035)]
        x = 0.0
        while x <= w + bump:
            pts.append((x, top - bump * 0.5 * (1 + math.sin(x / bump * 1.3)) - rng.uniform(0, bump * 0.3)))
            x += bump * 0.5
        pts.append((w, horizon + h * 0.035))
        cv.polygon(pts, HEDGE)
        hm = cv.poly_mask(pts)
        cv.shade_gradient(hm, top - bump, horizon + h * 0.035, TREE_DARK, 0.0, 0.6)
    # mown stripes, very soft
    stripes = cv.new_mask()
    d = ImageDraw.Draw(stripes)
    for i in range(-6, 12):
        x0 = i * w * 0.16
        d.polygon([((x0) * SS, h * SS), ((x0 + w * 0.08) * SS, h * SS),
                   ((x0 * 0.35 + w * 0.34 + w * 0.03) * SS, horizon * SS), ((x0 * 0.35 + w * 0.34) * SS, horizon * SS)],
                  fill=255)
    cv.tint(mask_and(stripes, lawn), (255, 255, 230), 0.06)


def ground_shadow(cv, cam, plan, z=0.0, dx=0.35, dy=0.3, grow=0.15, alpha=0.3, blur=6.0):
    m = cv.poly_mask(cam.ring(move_plan(offset_plan(plan, grow), dx, dy), z))
    cv.tint(cv.blur_mask(m, blur), (20, 60, 30), alpha)


# --------------------------------------------------------------------------
# Walls, water, handrail, stones, ladder
# --------------------------------------------------------------------------

def wall_faces(cam, plan, z0, z1, inner=False, use=None):
    """Visible quads of the vertical wall along an outline, farthest first.

    Returns (depth, screen quad, normal, edge index) tuples.  With inner=True the
    faces are the inside of the wall (normal pointing into the shape)."""
    normals = edge_normals(plan)
    out = []
    for i in range(len(plan)):
        if use is not None and not use(i):
            continue
        a, b = plan[i], plan[(i + 1) % len(plan)]
        nx, ny = normals[i]
        if inner:
            nx, ny = -nx, -ny
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (z0 + z1) / 2)
        if not cam.faces_viewer(mid, (nx, ny, 0.0)):
            continue
        quad = [cam.p(a[0], a[1], z0), cam.p(b[0], b[1], z0), cam.p(b[0], b[1], z1), cam.p(a[0], a[1], z1)]
        out.append((cam.depth(*mid), quad, (nx, ny, 0.0), i))
    out.sort(key=lambda q: -q[0])
    return out


def draw_wall(cv, cam, plan, z0, z1, colour, inner=False, use=None, ground_dark=0.22):
    """Flat-shaded wall band, darkened towards its foot by ground_dark; returns its mask."""
    faces = wall_faces(cam, plan, z0, z1, inner, use)
    m = cv.new_mask()
    md = ImageDraw.Draw(m)
    for _, quad, n, i in faces:
        c = lit(colour, n)
        cv.polygon(quad, c)
        md.polygon(cv._s(quad), fill=255)
    if ground_dark > 0 and faces:
        ys = [y for _, q, _, _ in faces for _, y in q]
        cv.shade_gradient(m, min(ys), max(ys), (30, 40, 60), 0.0, ground_dark)
    return m


def draw_water(cv, cam, opening, z_top, z_water, rng, span=None):
    """Fills the opening of a pool: liner visible above the water line and the
    water surface with ripples and glints.  span = (y0, y1) overrides the screen
    rows over which the water runs from light to deep.  Returns the water mask."""
    rim = cam.ring(opening, z_top)
    rim_mask = cv.poly_mask(rim)
    ys = [y for _, y in rim]
    cv.fill_gradient(rim_mask, min(ys), max(ys), LINER_DARK, LINER)
    wat = cam.ring(opening, z_water)
    wmask = mask_and(rim_mask, cv.poly_mask(wat))
    wy = [y for _, y in wat]
    y0, y1 = span or (min(wy), max(wy))
    cv.fill_gradient(wmask, y0, y1, WATER_FAR, WATER_NEAR)
    y0, y1 = max(y0, 0.0), min(y1, cv.h)
    # darker band along the far water line (shadow of the wall)
    edge = cv.poly_mask(cam.ring(offset_plan(opening, -0.12), z_water))
    cv.tint(mask_minus(wmask, edge), LINER, 0.35)
    # ripples
    xs = [x for x, _ in wat]
    x0, x1 = max(min(xs), 0.0), min(max(xs), cv.w)
    rip = cv.new_mask()
    rd = ImageDraw.Draw(rip)
    span = max(1.0, y1 - y0)
    n = int(span / 5) + 4
    for k in range(n):
        t = (k + 0.5) / n
        y = y0 + span * t
        amp = 0.6 + 1.6 * t
        seg = (x1 - x0) * rng.uniform(0.08, 0.22)
        xa = rng.uniform(x0, x1)
        pts = []
        x = xa
        while x < xa + seg:
            pts.append((x * SS, (y + amp * math.sin((x - xa) / (3.0 + 6 * t))) * SS))
            x += 1.5
        if len(pts) > 1:
            rd.line(pts, fill=255, width=max(1, int(SS * (0.7 + 0.9 * t))), joint="curve")
    cv.tint(mask_and(rip, wmask), WATER_SHINE, 0.45)
    # sparkles
    sp = cv.new_mask()
    sd = ImageDraw.Draw(sp)
    for _ in range(int((x1 - x0) * span / 900) + 3):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.uniform(0.6, 1.6)
        sd.ellipse(((x - r * 2.5) * SS, (y - r * 0.6) * SS, (x + r * 2.5) * SS, (y + r * 0.6) * SS), fill=255)
    cv.tint(mask_and(sp, wmask), WHITE, 0.7)
    return wmask


def draw_handrail(cv, cam, plan, z_top, out=0.05, inn=0.07, drop=0.09):
    """Blue combined handrail clipped over the wall top: outer lip and top band."""
    outer = offset_plan(plan, out)
    draw_wall(cv, cam, outer, z_top - drop, z_top, RAIL_BLUE, ground_dark=0.0)
    ring_o = cv.poly_mask(cam.ring(outer, z_top))
    ring_i = cv.poly_mask(cam.ring(offset_plan(plan, -inn), z_top))
    band = mask_minus(ring_o, ring_i)
    ys = [y for _, y in cam.ring(outer, z_top)]
    cv.fill_gradient(band, min(ys), max(ys), RAIL_LIGHT, RAIL_BLUE)
    # a thin highlight along the middle of the top band
    mid = cam.ring(offset_plan(plan, (out - inn) / 2), z_top)
    cv.line(mid + [mid[0]], mix(RAIL_LIGHT, WHITE, 0.35), 0.5)


def draw_skimmer(cv, cam, plan, z_top, at=0.58, size=(0.42, 0.3)):
    """White skimmer box on the outer wall at the given fraction of the outline."""
    lens = plan_lengths(plan)
    total = lens[-1]
    s0, s1 = at * total - size[0] / 2, at * total + size[0] / 2
    pts = []
    for i in range(len(plan)):
        if s0 <= lens[i] <= s1:
            pts.append(i)
    if not pts:
        return
    vn = vertex_normals(plan)
    lip = 0.03
    top, bot = z_top - 0.1, z_top - 0.1 - size[1]
    front = [(plan[i][0] + vn[i][0] * lip, plan[i][1] + vn[i][1] * lip) for i in pts]
    quad = [cam.p(x, y, bot) for x, y in front] + [cam.p(x, y, top) for x, y in reversed(front)]
    cv.polygon(quad, (246, 248, 250), outline=STEEL_DARK, width=0.6)
    k = len(front)
    inner = front[k // 5: k - k // 5] or front
    hole = [cam.p(x, y, bot + size[1] * 0.35) for x, y in inner] + \
           [cam.p(x, y, top - size[1] * 0.15) for x, y in reversed(inner)]
    cv.polygon(hole, (70, 84, 100))


def stone_ring(plan, width, stone_len):
    """Split the band around an outline into stones.  Returns lists of
    (inner points, outer points) in plan coordinates."""
    lens = plan_lengths(plan)
    total = lens[-1]
    n = max(3, int(round(total / stone_len)))
    step = total / n
    outer = offset_plan(plan, width)

    def at(s, pts):
        s %= total
        for i in range(len(plan)):
            if lens[i] <= s <= lens[i + 1]:
                t = (s - lens[i]) / max(1e-9, lens[i + 1] - lens[i])
                a, b = pts[i], pts[(i + 1) % len(pts)]
                return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)
        return pts[0]

    stones = []
    for k in range(n):
        s0, s1 = k * step, (k + 1) * step
        idx = [i for i in range(len(plan)) if s0 < lens[i] < s1]
        inn = [at(s0, plan)] + [plan[i] for i in idx] + [at(s1, plan)]
        out = [at(s0, outer)] + [outer[i] for i in idx] + [at(s1, outer)]
        stones.append((inn, out))
    return stones


def draw_stones(cv, cam, plan, colour, z=0.0, width=0.32, thick=0.06, stone_len=0.5, seed=3, grain=True):
    """Edge stones with a rounded front lip around a pool opening."""
    rng = random.Random(seed)
    items = []
    for inn, out in stone_ring(plan, width, stone_len):
        cx = sum(p[0] for p in inn + out) / (2 * len(inn))
        cy = sum(p[1] for p in inn + out) / (2 * len(inn))
        items.append((cam.depth(cx, cy, z), inn, out))
    items.sort(key=lambda t: -t[0])
    joint = shade(colour, 0.72)
    for _, inn, out in items:
        c = shade(colour, rng.uniform(0.95, 1.04))
        # lip facing the water (seen on the far side)
        for k in range(len(inn) - 1):
            a, b = inn[k], inn[k + 1]
            nx, ny = -(b[1] - a[1]), (b[0] - a[0])
            ln = math.hypot(nx, ny) or 1
            n3 = (nx / ln, ny / ln, 0.0)
            if signed_area(plan) < 0:
                n3 = (-n3[0], -n3[1], 0.0)
            n_in = n3          # points into the pool
            cxx, cyy = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
            if cam.faces_viewer((cxx, cyy, z), n_in):
                cv.polygon([cam.p(a[0], a[1], z - thick * 0.6), cam.p(b[0], b[1], z - thick * 0.6),
                            cam.p(b[0], b[1], z + thick), cam.p(a[0], a[1], z + thick)], lit(shade(c, 0.82), n_in))
        # outer face
        for k in range(len(out) - 1):
            a, b = out[k], out[k + 1]
            nx, ny = (b[1] - a[1]), -(b[0] - a[0])
            ln = math.hypot(nx, ny) or 1
            n3 = (nx / ln, ny / ln, 0.0)
            if signed_area(plan) < 0:
                n3 = (-n3[0], -n3[1], 0.0)
            cxx, cyy = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
            if cam.faces_viewer((cxx, cyy, z), n3):
                cv.polygon([cam.p(a[0], a[1], z - 0.01), cam.p(b[0], b[1], z - 0.01),
                            cam.p(b[0], b[1], z + thick), cam.p(a[0], a[1], z + thick)], lit(shade(c, 0.9), n3))
        top = [cam.p(x, y, z + thick) for x, y in inn] + [cam.p(x, y, z + thick) for x, y in reversed(out)]
        cv.polygon(top, lit(c, (0, 0, 1), 0.8, 0.3))
        if grain:
            xs, ys = [p[0] for p in top], [p[1] for p in top]
            m = cv.poly_mask(top)
            sp = cv.new_mask()
            sd = ImageDraw.Draw(sp)
            area = (max(xs) - min(xs)) * (max(ys) - min(ys))
            for _ in range(int(area / 6) + 2):
                x, y = rng.uniform(min(xs), max(xs)), rng.uniform(min(ys), max(ys))
                r = rng.uniform(0.25, 0.6)
                sd.ellipse(((x - r) * SS, (y - r) * SS, (x + r) * SS, (y + r) * SS), fill=255)
            cv.tint(mask_and(sp, m), shade(c, rng.choice((0.8, 1.15))), 0.55)
        # rounded lip highlight and joints
        lip = [cam.p(x, y, z + thick) for x, y in offset_plan_part(inn, plan, 0.03)]
        cv.line(lip, mix(c, WHITE, 0.45), 0.7)
        cv.line([top[0], top[-1]], joint, 0.6)


def offset_plan_part(pts, plan, d):
    """Move a run of outline points outward by d (using the outline's orientation)."""
    sgn = 1.0 if signed_area(plan) > 0 else -1.0
    out = []
    for k, (x, y) in enumerate(pts):
        a = pts[max(0, k - 1)]
        b = pts[min(len(pts) - 1, k + 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1
        out.append((x + sgn * dy / ln * d, y - sgn * dx / ln * d))
    return out


def tube(cv, pts, width, fill=STAINLESS, edge=STAINLESS_EDGE):
    cv.line(pts, edge, width + 1.0)
    cv.line(pts, fill, width)


def draw_pool_ladder(cv, cam, plan, z_ground, z_top, z_water, at=0.62, width=0.5):
    """Stainless A-frame ladder over the pool wall at a fraction of the outline."""
    px, py, nx, ny = point_on_plan(plan, at)
    tx, ty = -ny, nx
    h = z_top - z_ground
    tw = max(1.6, cam.f * 0.045 / 10)
    over = 0.45
    for side in (-1, 1):
        bx, by = px + tx * side * width / 2, py + ty * side * width / 2
        # inside leg (partly under water)
        inside = [(bx - nx * 0.15, by - ny * 0.15, z_top + over), (bx - nx * 0.55, by - ny * 0.55, z_top - 0.2),
                  (bx - nx * 0.62, by - ny * 0.62, z_water)]
        tube(cv, [cam.p(*q) for q in inside], tw)
    for side in (-1, 1):
        bx, by = px + tx * side * width / 2, py + ty * side * width / 2
        outside = [(bx - nx * 0.15, by - ny * 0.15, z_top + over), (bx + nx * 0.2, by + ny * 0.2, z_top + over),
                   (bx + nx * 0.45, by + ny * 0.45, z_top), (bx + nx * (0.45 + 0.35 * h), by + ny * (0.45 + 0.35 * h), z_ground)]
        tube(cv, [cam.p(*q) for q in outside], tw)
    # steps on the outside
    nsteps = max(1, int(h / 0.3))
    for k in range(1, nsteps + 1):
        f = k / (nsteps + 1)
        z = z_ground + h * f
        off = 0.45 + 0.35 * h * (1 - f)
        a = (px + tx * -width / 2 + nx * off, py + ty * -width / 2 + ny * off, z)
        b = (px + tx * width / 2 + nx * off, py + ty * width / 2 + ny * off, z)
        tube(cv, [cam.p(*a), cam.p(*b)], tw * 1.3, fill=(250, 250, 250))
    # platform over the rim
    a = (px - tx * width / 2 + nx * 0.2, py - ty * width / 2 + ny * 0.2, z_top + 0.06)
    b = (px + tx * width / 2 + nx * 0.2, py + ty * width / 2 + ny * 0.2, z_top + 0.06)
    tube(cv, [cam.p(*a), cam.p(*b)], tw * 1.6, fill=(250, 250, 250))


# --------------------------------------------------------------------------
# Whole pools
# --------------------------------------------------------------------------

def draw_steel_pool(cv, cam, plan, height, z_ground=0.0, seed=5, ladder_at=0.62, skimmer_at=0.7,
                    shadow=True):
    """A filled steel-wall pool standing on (or partly sunk into) the lawn."""
    rng = random.Random(seed)
    z_top = z_ground + height
    if shadow:
        ground_shadow(cv, cam, plan, z_ground, blur=cam.f * 0.012)
    draw_wall(cv, cam, plan, z_ground, z_top - 0.05, STEEL, ground_dark=0.25)
    draw_wall(cv, cam, offset_plan(plan, 0.015), z_ground, z_ground + 0.06, STEEL_DARK, ground_dark=0.0)
    if skimmer_at is not None:
        draw_skimmer(cv, cam, plan, z_top, at=skimmer_at)
    draw_water(cv, cam, offset_plan(plan, -0.02), z_top, z_top - 0.16, rng)
    draw_handrail(cv, cam, plan, z_top)
    if ladder_at is not None:
        draw_pool_ladder(cv, cam, plan, z_ground, z_top, z_top - 0.16, at=ladder_at)


def draw_inground_pool(cv, cam, plan, stone_colour, seed=7, ladder=True, stone_len=0.5):
    """An in-ground pool with a ring of edge stones at lawn level."""
    rng = random.Random(seed)
    draw_water(cv, cam, plan, 0.0, -0.14, rng)
    draw_stones(cv, cam, plan, stone_colour, z=0.0, stone_len=stone_len, seed=seed)
    if ladder:
        draw_grab_rails(cv, cam, plan)


def draw_grab_rails(cv, cam, plan, at=0.86):
    """Two curved stainless grab rails of an in-ground pool's entry."""
    px, py, nx, ny = point_on_plan(plan, at)
    tx, ty = -ny, nx
    tw = max(1.4, cam.f * 0.04 / 10)
    for side in (-1, 1):
        bx, by = px + tx * side * 0.28, py + ty * side * 0.28
        pts = [(bx + nx * 0.45, by + ny * 0.45, 0.05), (bx + nx * 0.42, by + ny * 0.42, 0.55),
               (bx + nx * 0.2, by + ny * 0.2, 0.85), (bx - nx * 0.05, by - ny * 0.05, 0.7),
               (bx - nx * 0.15, by - ny * 0.15, 0.2), (bx - nx * 0.18, by - ny * 0.18, -0.12)]
        tube(cv, [cam.p(*q) for q in pts], tw)


# --------------------------------------------------------------------------
# Small objects
# --------------------------------------------------------------------------

def draw_box(cv, cam, x0, x1, y0, y1, z0, z1, colour, outline=None, top_colour=None, texture=None):
    """An axis-aligned box: visible faces only.  texture(face_quad, normal) may
    add detail to each face after it is filled."""
    faces = [
        ((0, 0, 1), [(x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)]),
        ((0, 0, -1), [(x0, y0, z0), (x1, y0, z0), (x1, y1, z0), (x0, y1, z0)]),
        ((1, 0, 0), [(x1, y0, z0), (x1, y1, z0), (x1, y1, z1), (x1, y0, z1)]),
        ((-1, 0, 0), [(x0, y0, z0), (x0, y1, z0), (x0, y1, z1), (x0, y0, z1)]),
        ((0, 1, 0), [(x0, y1, z0), (x1, y1, z0), (x1, y1, z1), (x0, y1, z1)]),
        ((0, -1, 0), [(x0, y0, z0), (x1, y0, z0), (x1, y0, z1), (x0, y0, z1)]),
    ]
    for n, q in faces:
        c = sum(v[0] for v in q) / 4, sum(v[1] for v in q) / 4, sum(v[2] for v in q) / 4
        if cam.faces_viewer(c, n):
            col = top_colour if (n == (0, 0, 1) and top_colour) else colour
            pts = [cam.p(*v) for v in q]
            cv.polygon(pts, lit(col, n), outline=outline, width=0.5)
            if texture:
                texture(q, n)


def draw_cylinder(cv, cam, cx, cy, r, z0, z1, colour, top_colour=None, n=48):
    plan = circle_plan(r, n, cx, cy)
    draw_wall(cv, cam, plan, z0, z1, colour, ground_dark=0.15)
    cv.polygon(cam.ring(plan, z1), top_colour or lit(colour, (0, 0, 1)))
    return plan


def draw_lying_roll(cv, cam, cx, cy, z, r, length, colour, end_colour=None):
    """A roll (fleece, liner) lying on the ground with its axis along x."""
    n = 28
    sides = []
    for k in range(n):
        a0, a1 = 2 * math.pi * k / n, 2 * math.pi * (k + 1) / n
        ny0, nz0 = math.cos((a0 + a1) / 2), math.sin((a0 + a1) / 2)
        q = [(cx - length / 2, cy + r * math.cos(a0), z + r + r * math.sin(a0)),
             (cx + length / 2, cy + r * math.cos(a0), z + r + r * math.sin(a0)),
             (cx + length / 2, cy + r * math.cos(a1), z + r + r * math.sin(a1)),
             (cx - length / 2, cy + r * math.cos(a1), z + r + r * math.sin(a1))]
        mid = (cx, cy + r * ny0, z + r + r * nz0)
        if cam.faces_viewer(mid, (0, ny0, nz0)):
            sides.append((cam.depth(*mid), q, (0, ny0, nz0)))
    sides.sort(key=lambda t: -t[0])
    for _, q, nrm in sides:
        cv.polygon([cam.p(*v) for v in q], lit(colour, nrm))
    for ex in (cx - length / 2, cx + length / 2):
        if cam.faces_viewer((ex, cy, z + r), (1 if ex > cx else -1, 0, 0)):
            end = [cam.p(ex, cy + r * math.cos(2 * math.pi * k / n), z + r + r * math.sin(2 * math.pi * k / n))
                   for k in range(n)]
            cv.polygon(end, end_colour or shade(colour, 0.9))
            # spiral hint
            for rr in (0.75, 0.5, 0.25):
                ring = [cam.p(ex, cy + r * rr * math.cos(2 * math.pi * k / n),
                              z + r + r * rr * math.sin(2 * math.pi * k / n)) for k in range(n)]
                cv.line(ring + [ring[0]], shade(colour, 0.75), 0.5)


def draw_parasol(cv, x, ground, size, c0=(222, 64, 56), c1=WHITE):
    """A garden parasol in plain 2D (for the welcome picture)."""
    top = ground - size * 1.15
    cv.line([(x, ground), (x, top)], (235, 235, 235), size * 0.035)
    w = size * 0.75
    segs = 8
    pts_edge = [(x - w + 2 * w * k / segs, top + size * 0.28 + size * 0.03 * math.sin(math.pi * k / segs))
                for k in range(segs + 1)]
    apex = (x, top - size * 0.06)
    for k in range(segs):
        a, b = pts_edge[k], pts_edge[k + 1]
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 + size * 0.05)
        cv.polygon([apex, a, mid, b], c0 if k % 2 == 0 else c1)
    cv.ellipse((x - size * 0.05, top - size * 0.1, x + size * 0.05, top), fill=(235, 235, 235))
    base = size * 0.18
    cv.ellipse((x - base, ground - base * 0.25, x + base, ground + base * 0.25), fill=(60, 70, 80))


def draw_lounger(cv, x, y, size, colour=(244, 244, 240), cushion=(40, 150, 210)):
    """A side view of a sun lounger (2D)."""
    L = size
    pts = [(x, y - L * 0.14), (x + L * 0.62, y - L * 0.14), (x + L * 0.95, y - L * 0.42),
           (x + L * 1.0, y - L * 0.38), (x + L * 0.7, y - L * 0.08), (x, y - L * 0.08)]
    cv.polygon(pts, colour, outline=shade(colour, 0.7), width=0.8)
    cv.polygon([(x + L * 0.02, y - L * 0.17), (x + L * 0.6, y - L * 0.17), (x + L * 0.9, y - L * 0.44),
                (x + L * 0.84, y - L * 0.46), (x + L * 0.57, y - L * 0.2), (x + L * 0.02, y - L * 0.2)], cushion)
    for lx in (0.06, 0.58):
        cv.line([(x + L * lx, y - L * 0.08), (x + L * lx, y)], shade(colour, 0.6), L * 0.03)


# --------------------------------------------------------------------------
# Pictures: welcome page
# --------------------------------------------------------------------------

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


def wave_band(cv, y, amp, length, colour, alpha=1.0, phase=0.0):
    pts = [(0, cv.h + 5)]
    x = 0.0
    while x <= cv.w + 4:
        pts.append((x, y + amp * math.sin(2 * math.pi * x / length + phase)))
        x += 2
    pts.append((cv.w, cv.h + 5))
    cv.tint(cv.poly_mask(pts), colour, alpha)


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


# --------------------------------------------------------------------------
# Pictures: pool pages
# --------------------------------------------------------------------------

def pool_scene(w, h, plan, height, z_ground=0.0, elevation=27, azimuth=-12, seed=1, box=None, **kw):
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.3, seed=seed)
    cam = Camera(elevation=elevation, azimuth=azimuth, distance=26)
    box = box or (w * 0.08, h * 0.3, w * 0.92, h * 0.94)
    cam.fit(bounds3d(offset_plan(plan, 0.5), z_ground, z_ground + height + 0.5), box)
    draw_steel_pool(cv, cam, plan, height, z_ground=z_ground, seed=seed, **kw)
    return cv


def pic_pool_round(w, h):
    return pool_scene(w, h, circle_plan(2.5, 160), 1.2, seed=31, ladder_at=0.17, skimmer_at=0.32)


def pic_pool_oval(w, h):
    # oval pools are sunk most of the way: only the top of the wall shows
    return pool_scene(w, h, oval_plan(8.0, 4.16), 0.45, elevation=25, azimuth=-8, seed=32,
                      ladder_at=0.15, skimmer_at=0.35, box=(w * 0.05, h * 0.36, w * 0.95, h * 0.95))


def pic_pool_eight(w, h):
    return pool_scene(w, h, eight_plan(6.25, 3.6), 1.2, elevation=28, azimuth=-10, seed=33,
                      ladder_at=0.9, skimmer_at=0.1)


def rect_scene(w, h, seed=34, box=None):
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.3, seed=seed)
    plan = rect_plan(7.0, 3.5, corner=0.1)
    cam = Camera(elevation=28, azimuth=-14, distance=24)
    cam.fit(bounds3d(offset_plan(plan, 0.4), 0, 0.9), box or (w * 0.06, h * 0.36, w * 0.94, h * 0.95))
    ground_shadow(cv, cam, offset_plan(plan, 0.33), 0.0, dx=0.08, dy=0.12, grow=0.03, alpha=0.22, blur=2)
    draw_inground_pool(cv, cam, plan, STONE_COLOURS["white"], seed=seed, ladder=True, stone_len=0.5)
    return cv


def pic_pool_rect(w, h):
    return rect_scene(w, h)


def pic_rect_finished(w, h):
    return rect_scene(w, h, seed=35)


def foam_texture(cv, cam, rng):
    """Returns a face texture callback: polystyrene beads and block joints."""
    def tex(quad, n):
        pts = [cam.p(*v) for v in quad]
        m = cv.poly_mask(pts)
        sp = cv.new_mask()
        sd = ImageDraw.Draw(sp)
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        for _ in range(int((max(xs) - min(xs)) * (max(ys) - min(ys)) / 10) + 4):
            x, y = rng.uniform(min(xs), max(xs)), rng.uniform(min(ys), max(ys))
            r = rng.uniform(0.5, 1.1)
            sd.ellipse(((x - r) * SS, (y - r) * SS, (x + r) * SS, (y + r) * SS), fill=255)
        cv.tint(mask_and(sp, m), (214, 218, 222), 0.6)
    return tex


def draw_foam_block(cv, cam, x0, y0, z0, length, width, height, rng, cores=2, filled=()):
    """One hollow polystyrene wall block (long axis x) with its cores open at the top."""
    draw_box(cv, cam, x0, x0 + length, y0, y0 + width, z0, z0 + height, FOAM,
             outline=(196, 200, 206), texture=foam_texture(cv, cam, rng))
    wall = width * 0.22
    cl = (length - wall * (cores + 1)) / cores
    for k in range(cores):
        cx0 = x0 + wall + k * (cl + wall)
        q = [(cx0, y0 + wall, z0 + height), (cx0 + cl, y0 + wall, z0 + height),
             (cx0 + cl, y0 + width - wall, z0 + height), (cx0, y0 + width - wall, z0 + height)]
        pts = [cam.p(*v) for v in q]
        if k in filled:
            cv.polygon(pts, CONCRETE, outline=CONCRETE_DARK, width=0.5)
        else:
            cv.polygon(pts, (150, 156, 164))
            # inner far wall of the core, lit
            far = [cam.p(cx0, y0 + wall, z0 + height), cam.p(cx0 + cl, y0 + wall, z0 + height),
                   cam.p(cx0 + cl, y0 + wall + (width - 2 * wall) * 0.55, z0 + height),
                   cam.p(cx0, y0 + wall + (width - 2 * wall) * 0.55, z0 + height)]
            cv.polygon(far, (212, 216, 222))


def rebar(cv, pts, width):
    tube(cv, pts, width, fill=(150, 84, 54), edge=(92, 50, 32))


def pic_rect_foamblock(w, h):
    """Three courses of hollow polystyrene blocks, cores filled with concrete
    and reinforced: the wall of the rectangular pool in detail."""
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, (226, 242, 250), (186, 222, 240))
    cam = Camera(elevation=28, azimuth=-30, distance=5)
    L, W, H = 1.0, 0.25, 0.25
    cam.fit([(x, y, z) for x in (0.0, 1.25) for y in (0, W) for z in (0, 1.0)],
            (w * 0.06, h * 0.04, w * 0.94, h * 0.94))
    rng = random.Random(41)
    shadow = cv.poly_mask([cam.p(0.05, 0.05, 0), cam.p(1.35, 0.05, 0), cam.p(1.35, 0.45, 0), cam.p(0.05, 0.45, 0)])
    cv.tint(cv.blur_mask(shadow, 6), (110, 150, 175), 0.45)
    # courses staggered by a quarter block; the top course still shows its open cores
    for k, shift in enumerate((0.0, 0.25, 0.0)):
        draw_foam_block(cv, cam, shift, 0.0, k * H, L, W, H, rng, filled=() if k == 2 else (0, 1))
    tw = 2.4
    for bx in (0.21, 0.75):      # vertical bars standing in the open cores
        rebar(cv, [cam.p(bx, W / 2, 3 * H - 0.02), cam.p(bx, W / 2, 1.0)], tw)
    rebar(cv, [cam.p(0.06, W / 2, 3 * H + 0.015), cam.p(0.95, W / 2, 3 * H + 0.015)], tw)
    return cv


def pic_rect_construction(w, h):
    """The pit of a rectangular pool with the block walls going up."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.18, seed=42, trees=False)
    plan_len, plan_w, depth = 7.0, 3.5, 1.5
    cam = Camera(elevation=36, azimuth=-18, distance=22)
    pit = rect_plan(plan_len + 1.0, plan_w + 1.0, corner=0.2)
    cam.fit(bounds3d(offset_plan(pit, 1.0), -depth, 0), (w * 0.04, h * 0.22, w * 0.96, h * 0.98))
    # trampled earth round the pit and the excavated soil heaped at the back
    cv.polygon(cam.ring(offset_plan(pit, 0.9), 0), mix(SOIL, GRASS_NEAR, 0.35))
    cv.polygon(cam.ring(offset_plan(pit, 0.45), 0), SOIL)
    hx0, hy0 = cam.p(-plan_len / 2 - 0.8, -plan_w / 2 - 1.25, 0)
    hx1, _ = cam.p(-plan_len / 2 + 1.8, -plan_w / 2 - 1.25, 0)
    cv.polygon([(hx0, hy0)] + [(hx0 + (hx1 - hx0) * t / 20, hy0 - (hx1 - hx0) * 0.22 * math.sin(math.pi * t / 20) ** 0.8)
                               for t in range(21)], SOIL_DARK)
    clip = cv.poly_mask(cam.ring(pit, 0))
    layer = cv.copy()
    draw_wall(layer, cam, pit, -depth - 0.1, 0, SOIL_DARK, inner=True, ground_dark=0.0)
    layer.polygon(cam.ring(rect_plan(plan_len + 0.6, plan_w + 0.6, corner=0.05), -depth), CONCRETE)
    # five courses laid all round, the sixth under way on the far side
    hx, hy, t, course = plan_len / 2, plan_w / 2, 0.25, 0.25
    joint = (186, 190, 196)
    for k in range(6):
        z0 = -depth + k * course
        top = k == 5
        back_end = -hx - t + (2 * hx + 2 * t) * (0.45 if top else 1.0)
        draw_box(layer, cam, -hx - t, back_end, -hy - t, -hy, z0, z0 + course, FOAM, outline=joint)
        if not top:
            draw_box(layer, cam, hx, hx + t, -hy, hy, z0, z0 + course, FOAM, outline=joint)
            draw_box(layer, cam, -hx - t, -hx, -hy, hy, z0, z0 + course, FOAM, outline=joint)
            draw_box(layer, cam, -hx - t, hx + t, hy, hy + t, z0, z0 + course, FOAM, outline=joint)
        x = -hx - t + (0.5 if k % 2 else 0.0)
        while x < back_end - 0.05:          # staggered block joints on the far wall
            layer.line([cam.p(x, -hy, z0), cam.p(x, -hy, z0 + course)], joint, 0.5)
            x += 1.0
    for i in range(10):                    # reinforcement bars out of the cores
        x = -hx + 0.3 + 0.75 * i
        if x < hx:
            z = -depth + 6 * course if x < -hx - t + (2 * hx + 2 * t) * 0.45 else -depth + 5 * course
            rebar(layer, [cam.p(x, -hy - t / 2, z), cam.p(x, -hy - t / 2, z + 0.35)], 0.9)
    cv.paste_layer(layer, clip)
    # a pallet of blocks waiting beside the pit
    px, py = hx + 1.05, hy - 0.2
    draw_box(cv, cam, px, px + 1.05, py - 1.0, py, 0.0, 0.12, WOOD, outline=WOOD_DARK)
    for k in range(3):
        for j in range(4):
            draw_box(cv, cam, px + 0.02, px + 1.02, py - 1.0 + j * 0.25, py - 0.75 + j * 0.25,
                     0.12 + k * 0.25, 0.37 + k * 0.25, FOAM, outline=joint)
    return cv


HANDRAIL_PROFILE_MM = (
    # (u, v) in mm: u outward from the wall, v up from the wall top.
    # outer lip, rounded cap, liner hook, and the U clamp around the wall top
    [(36, -22), (36, 0)]
    + [(36 * math.cos(math.pi * k / 14), 9 * math.sin(math.pi * k / 14)) for k in range(1, 14)]
    + [(-36, 0), (-36, -18), (-26, -18), (-26, -14), (-31, -14), (-31, -5), (-9, -5), (-9, -30), (-4, -30),
       (-4, -5), (4, -5), (4, -30), (9, -30), (9, -5), (31, -5), (31, -22)]
)


def sweep_profile(cv, cam, profile, radius, a0, a1, colour, steps=24, caps=True, cap_colour=None):
    """Sweeps a closed (u, v) profile along a horizontal arc (u is added to the
    radius, v is the height) and draws the visible faces, farthest first."""
    sgn = 1.0 if signed_area(profile) > 0 else -1.0

    def world(u, v, a):
        return ((radius + u) * math.cos(a), (radius + u) * math.sin(a), v)

    faces = []
    for j in range(len(profile)):
        (u0, v0), (u1, v1) = profile[j], profile[(j + 1) % len(profile)]
        du, dv = u1 - u0, v1 - v0
        ln = math.hypot(du, dv) or 1.0
        nu, nv = sgn * dv / ln, -sgn * du / ln
        for k in range(steps):
            b0 = a0 + (a1 - a0) * k / steps
            b1 = a0 + (a1 - a0) * (k + 1) / steps
            bm = (b0 + b1) / 2
            n = (nu * math.cos(bm), nu * math.sin(bm), nv)
            mid = world((u0 + u1) / 2, (v0 + v1) / 2, bm)
            if cam.faces_viewer(mid, n):
                q = [world(u0, v0, b0), world(u1, v1, b0), world(u1, v1, b1), world(u0, v0, b1)]
                faces.append((cam.depth(*mid), [cam.p(*x) for x in q], n))
    faces.sort(key=lambda f: -f[0])
    for _, q, n in faces:
        cv.polygon(q, lit(colour, n, 0.7, 0.42))
    if caps:
        for a, tang in ((a0, -1.0), (a1, 1.0)):
            n = (-math.sin(a) * tang, math.cos(a) * tang, 0.0)
            mid = world(0, 0, a)
            if cam.faces_viewer(mid, n):
                pts = [cam.p(*world(u, v, a)) for u, v in profile]
                cv.polygon(pts, cap_colour or shade(colour, 0.78), outline=shade(colour, 0.55), width=0.6)


def pic_handrail(w, h):
    """A short curved piece of the blue combined handrail clamped on the wall top,
    seen from the inside of the pool so that the profile at its cut end shows."""
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    bg0, bg1 = (238, 247, 252), (198, 228, 244)
    cv.fill_gradient(full, 0, h, bg0, bg1)
    prof = [(u / 1000.0, v / 1000.0) for u, v in HANDRAIL_PROFILE_MM]
    R = 1.6
    a0, a1 = math.pi / 2 - 0.085, math.pi / 2 + 0.085
    cam = Camera(elevation=30, azimuth=-30, distance=0.8, target=(0.0, R, 0.0))
    pts = [((R + u) * math.cos(a), (R + u) * math.sin(a), v) for u, v in prof for a in (a0, a1)]
    cam.fit(pts, (w * 0.03, h * 0.07, w * 0.97, h * 0.8))
    sheet = [(0.0012, -0.005), (0.0012, -0.3), (-0.0012, -0.3), (-0.0012, -0.005)]
    sweep_profile(cv, cam, sheet, R, a0 + 0.002, a1 - 0.002, STEEL, steps=12)
    cv.shade_gradient(full, h * 0.72, h, bg1, 0.0, 0.9)      # let the wall fade out downwards
    sweep_profile(cv, cam, prof, R, a0, a1, RAIL_BLUE, steps=28, cap_colour=mix(RAIL_BLUE, RAIL_LIGHT, 0.35))
    return cv


def pic_stone(colour_name):
    def make(w, h):
        cv = Canvas(w, h)
        colour = STONE_COLOURS[colour_name]
        plan = circle_plan(2.5, 360)
        cam = Camera(elevation=38, azimuth=0, distance=5, target=(0.0, 2.6, 0.0))
        cam.fit([(x, 2.5 + dy, z) for x in (-0.7, 0.7) for dy in (-0.45, 0.5) for z in (0, 0.08)], (0, 0, w, h))
        full = cv.new_mask()
        ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
        cv.fill_gradient(full, 0, h, GRASS_FAR, GRASS_NEAR)
        ground_shadow(cv, cam, offset_plan(plan, 0.34), 0, dx=0.02, dy=0.04, grow=0.0, alpha=0.3, blur=5)
        draw_water(cv, cam, plan, 0.0, -0.1, random.Random(51), span=(-h * 0.3, h * 0.75))
        draw_stones(cv, cam, plan, colour, width=0.34, thick=0.08, stone_len=0.42, seed=52)
        return cv
    return make


# --------------------------------------------------------------------------
# Pictures: options page
# --------------------------------------------------------------------------

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


# --------------------------------------------------------------------------
# Pictures: final page (set-up steps)
# --------------------------------------------------------------------------

STEP_PLANS = {
    "oval": lambda: oval_plan(7.0, 3.5),
    "eight": lambda: eight_plan(6.25, 3.6),
    "round": lambda: circle_plan(2.5, 140),
}

SLAB = 0.15      # thickness of the concrete floor slab
WALL_H = 1.2


def step_scene(w, h, plan, seed, elevation=38, azimuth=-10, margin=0.6, z_max=WALL_H):
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.2, seed=seed, trees=True)
    cam = Camera(elevation=elevation, azimuth=azimuth, distance=22)
    cam.fit(bounds3d(offset_plan(plan, margin), 0, z_max), (w * 0.06, h * 0.22, w * 0.94, h * 0.96))
    return cv, cam


def draw_site(cv, cam, plan, grow=0.55):
    """Levelled building site: a patch of bare earth around the slab."""
    site = offset_plan(plan, grow)
    cv.polygon(cam.ring(offset_plan(site, 0.15), 0), mix(SOIL, GRASS_NEAR, 0.45))
    cv.polygon(cam.ring(site, 0), SOIL)


def draw_slab(cv, cam, plan, formwork=False, rng=None):
    slab = offset_plan(plan, 0.12)
    ground_shadow(cv, cam, slab, 0, dx=0.1, dy=0.1, grow=0.02, alpha=0.25, blur=2)
    draw_wall(cv, cam, slab, 0, SLAB, CONCRETE, ground_dark=0.1)
    top = cam.ring(slab, SLAB)
    cv.polygon(top, lit(CONCRETE, (0, 0, 1), 0.82, 0.2))
    if rng:  # trowel marks
        m = cv.poly_mask(top)
        t = cv.new_mask()
        td = ImageDraw.Draw(t)
        xs, ys = [p[0] for p in top], [p[1] for p in top]
        for _ in range(22):
            x, y = rng.uniform(min(xs), max(xs)), rng.uniform(min(ys), max(ys))
            r = rng.uniform(10, 22)
            td.arc(((x - r) * SS, (y - r * 0.4) * SS, (x + r) * SS, (y + r * 0.4) * SS), 200, 340, fill=255,
                   width=SS)
        cv.tint(mask_and(t, m), WHITE, 0.25)
    if formwork:
        draw_wall(cv, cam, offset_plan(slab, 0.04), 0, SLAB + 0.06, WOOD, ground_dark=0.1)
        ring = offset_plan(slab, 0.04)
        o = cv.poly_mask(cam.ring(offset_plan(ring, 0.03), SLAB + 0.06))
        i = cv.poly_mask(cam.ring(ring, SLAB + 0.06))
        cv.tint(mask_minus(o, i), shade(WOOD, 1.1))
        # stakes
        for k in range(0, len(ring), max(1, len(ring) // 14)):
            x, y = offset_plan(ring, 0.06)[k]
            tube(cv, [cam.p(x, y, 0), cam.p(x, y, SLAB + 0.16)], 1.6, fill=WOOD, edge=WOOD_DARK)


def draw_fleece(cv, cam, plan, rng, tape=True):
    fl = offset_plan(plan, 0.05)
    pts = cam.ring(fl, SLAB + 0.005)
    cv.polygon(pts, FLEECE)
    m = cv.poly_mask(pts)
    # felt texture
    sp = cv.new_mask()
    sd = ImageDraw.Draw(sp)
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    for _ in range(500):
        x, y = rng.uniform(min(xs), max(xs)), rng.uniform(min(ys), max(ys))
        sd.line(((x * SS, y * SS), ((x + rng.uniform(-2, 2)) * SS, (y + rng.uniform(-1, 1)) * SS)), fill=255,
                width=SS // 2 or 1)
    cv.tint(mask_and(sp, m), (214, 210, 196), 0.6)
    # seams between the fleece webs
    lens_x = [p[0] for p in fl]
    x0, x1 = min(lens_x), max(lens_x)
    ys_p = [p[1] for p in fl]
    for k in range(1, 4):
        x = x0 + (x1 - x0) * k / 4
        seam = cv.new_mask()
        ImageDraw.Draw(seam).line([tuple(v * SS for v in cam.p(x, min(ys_p) - 1, SLAB)),
                                   tuple(v * SS for v in cam.p(x, max(ys_p) + 1, SLAB))], fill=255, width=SS)
        cv.tint(mask_and(seam, m), (196, 190, 176), 1.0)
    if tape:  # fixing strips along the edge
        vn = fl
        for k in range(0, len(vn), max(1, len(vn) // 16)):
            x, y = vn[k]
            a = cam.p(x * 0.97, y * 0.97, SLAB + 0.01)
            b = cam.p(x * 1.015, y * 1.015, SLAB + 0.01)
            cv.line([a, b], (230, 170, 60), 2.2)


def pic_step1(shape):
    def make(w, h):
        plan = STEP_PLANS[shape]()
        cv, cam = step_scene(w, h, plan, seed=61, z_max=0.5)
        draw_site(cv, cam, plan)
        draw_slab(cv, cam, plan, formwork=True, rng=random.Random(62))
        # a trowel left on the slab
        x, y = plan[len(plan) // 4][0] * 0.45, plan[len(plan) // 4][1] * 0.45
        z = SLAB + 0.01
        blade = [cam.p(x - 0.42, y - 0.14, z), cam.p(x + 0.3, y - 0.18, z), cam.p(x + 0.36, y + 0.1, z),
                 cam.p(x - 0.38, y + 0.14, z)]
        cv.polygon(blade, STAINLESS, outline=STAINLESS_EDGE, width=0.7)
        tube(cv, [cam.p(x, y, z), cam.p(x + 0.06, y, z + 0.16), cam.p(x + 0.5, y, z + 0.19)], 4.0,
             fill=WOOD, edge=WOOD_DARK)
        # and a bucket beside the site
        xs, ys = [p[0] for p in plan], [p[1] for p in plan]
        bx, by = min(xs) - 0.1, max(ys) * 0.55
        draw_cylinder(cv, cam, bx, by, 0.2, 0.0, 0.32, (60, 70, 82), top_colour=CONCRETE_DARK)
        return cv
    return make


def pic_step2(shape):
    def make(w, h):
        plan = STEP_PLANS[shape]()
        cv, cam = step_scene(w, h, plan, seed=63, z_max=0.5)
        draw_site(cv, cam, plan)
        draw_slab(cv, cam, plan)
        draw_fleece(cv, cam, plan, random.Random(64))
        # remaining fleece roll beside the slab
        xs = [p[0] for p in plan]
        ys = [p[1] for p in plan]
        draw_lying_roll(cv, cam, max(xs) * 0.35, max(ys) + 0.55, 0.0, 0.14, 1.8, FLEECE, (228, 224, 212))
        return cv
    return make


def rail_segments(plan, n=10, gap=2):
    """Index ranges of the bottom-rail elements around the outline."""
    m = len(plan)
    return [(k * m // n + gap, (k + 1) * m // n - gap) for k in range(n)]


def draw_bottom_rail(cv, cam, plan, skip=()):
    """U-shaped bottom rail on the slab edge, made of plugged-together elements."""
    z0, z1 = SLAB, SLAB + 0.08
    segs = rail_segments(plan)
    m = len(plan)

    def in_seg(i):
        for k, (a, b) in enumerate(segs):
            if k not in skip and a <= i < b:
                return True
        return False

    def joint(i):
        for k, (a, b) in enumerate(segs):
            if k not in skip and (b <= i < b + 4 or a - 4 <= i < a) and (i - b) % m < 4:
                return True
        return False

    draw_wall(cv, cam, offset_plan(plan, -0.04), z0, z1, STEEL_INNER, inner=True, use=in_seg, ground_dark=0.0)
    top_o = offset_plan(plan, 0.03)
    top_i = offset_plan(plan, -0.04)
    for k, (a, b) in enumerate(segs):
        if k in skip:
            continue
        run_o = [cam.p(*top_o[i % m], z1) for i in range(a, b + 1)]
        run_i = [cam.p(*top_i[i % m], z1) for i in range(a, b + 1)]
        cv.polygon(run_o + list(reversed(run_i)), (120, 132, 146))
    draw_wall(cv, cam, top_o, z0, z1, (208, 214, 222), use=in_seg, ground_dark=0.0)
    # connectors between the elements
    for k, (a, b) in enumerate(segs):
        nxt = (k + 1) % len(segs)
        if k in skip or nxt in skip:
            continue
        i0, i1 = b - 1, b + 2 * 2 + 1
        pts_o = [cam.p(*offset_plan(plan, 0.045)[i % m], z) for i in (i0, i1) for z in (z0, z1 + 0.01)]
        cv.polygon([pts_o[0], pts_o[2], pts_o[3], pts_o[1]], (90, 100, 116))


def pic_step3(w, h):
    plan = STEP_PLANS["round"]()
    cv, cam = step_scene(w, h, plan, seed=65, z_max=0.5)
    draw_site(cv, cam, plan, grow=0.9)
    draw_slab(cv, cam, plan)
    draw_fleece(cv, cam, plan, random.Random(66), tape=False)
    missing = 2
    draw_bottom_rail(cv, cam, plan, skip=(missing,))
    # the missing element lies in front, ready to be plugged in
    a, b = rail_segments(plan)[missing]
    piece = move_plan([plan[i % len(plan)] for i in range(a - 2, b + 3)], 0.3, 0.75)
    nrm = vertex_normals(plan)
    outer = [(x + nrm[(a - 2 + k) % len(plan)][0] * 0.04, y + nrm[(a - 2 + k) % len(plan)][1] * 0.04)
             for k, (x, y) in enumerate(piece)]
    inner = [(x - nrm[(a - 2 + k) % len(plan)][0] * 0.04, y - nrm[(a - 2 + k) % len(plan)][1] * 0.04)
             for k, (x, y) in enumerate(piece)]
    shadow = cv.poly_mask(cam.ring(move_plan(outer, 0.03, 0.04), 0)
                          + list(reversed(cam.ring(move_plan(inner, 0.03, 0.04), 0))))
    cv.tint(cv.blur_mask(shadow, 1.5), (40, 30, 20), 0.35)
    cv.polygon(cam.ring(outer, 0.0) + list(reversed(cam.ring(outer, 0.08))), (208, 214, 222),
               outline=(110, 122, 136), width=0.5)
    cv.polygon(cam.ring(outer, 0.08) + list(reversed(cam.ring(inner, 0.08))), (120, 132, 146))
    return cv


def draw_empty_pool(cv, cam, plan, inner_colour=STEEL_INNER, floor_colour=None, use=None, rim=True,
                    after_floor=None):
    """Steel wall standing in its bottom rail, seen from above so the inside shows.
    use(i) limits the wall to some edges (a wall still being set up); after_floor
    draws whatever lies on the floor before the walls go over it."""
    z0, z1 = SLAB, SLAB + WALL_H
    if floor_colour is not None:
        cv.polygon(cam.ring(offset_plan(plan, -0.01), z0 + 0.006), floor_colour)
    if after_floor:
        after_floor()
    draw_wall(cv, cam, plan, z0, z1, inner_colour, inner=True, use=use, ground_dark=0.0)
    draw_wall(cv, cam, offset_plan(plan, 0.01), z0, z1, STEEL, use=use, ground_dark=0.22)
    draw_wall(cv, cam, offset_plan(plan, 0.03), z0, z0 + 0.08, STEEL_DARK, use=use, ground_dark=0.0)
    if rim:
        m = len(plan)
        run = [i for i in range(m + 1) if use is None or use(i % m)]
        if run:
            # the top edge: split into continuous runs
            groups, cur = [], [run[0]]
            for i in run[1:]:
                if i == cur[-1] + 1:
                    cur.append(i)
                else:
                    groups.append(cur)
                    cur = [i]
            groups.append(cur)
            for g in groups:
                cv.line([cam.p(*plan[i % m], z1) for i in g], (246, 248, 250), 1.6)


def pic_step4(w, h):
    plan = STEP_PLANS["round"]()
    cv, cam = step_scene(w, h, plan, seed=67, z_max=WALL_H + 0.3)
    draw_site(cv, cam, plan, grow=0.9)
    draw_slab(cv, cam, plan)
    draw_fleece(cv, cam, plan, random.Random(68), tape=False)
    draw_bottom_rail(cv, cam, plan)
    m = len(plan)
    # the wall has been unrolled from the front left, round the back, to the front right
    start, span = int(m * 0.36), int(m * 0.75)
    end = (start + span) % m
    draw_empty_pool(cv, cam, plan, use=lambda i: (i - start) % m < span)
    # the rest of the coil stands where the wall ends
    ex, ey = plan[end]
    nx, ny = vertex_normals(plan)[end]
    tx, ty = -ny, nx
    cx, cy = ex + tx * 0.32 + nx * 0.05, ey + ty * 0.32 + ny * 0.05
    draw_cylinder(cv, cam, cx, cy, 0.3, SLAB, SLAB + WALL_H, STEEL)
    for rr in (0.24, 0.18, 0.12):
        ring = cam.ring(circle_plan(rr, 40, cx, cy), SLAB + WALL_H)
        cv.line(ring + [ring[0]], STEEL_DARK, 0.6)
    return cv


def draw_liner_package(cv, cam, x, y, rng):
    """The folded liner on the floor, partly spread out."""
    z = SLAB + 0.01
    sheet = [(x - 1.1, y - 0.3), (x - 0.2, y - 0.75), (x + 0.9, y - 0.45), (x + 1.2, y + 0.3), (x + 0.3, y + 0.7),
             (x - 0.9, y + 0.45)]
    cv.polygon(cam.ring(sheet, z), LINER, outline=LINER_DARK, width=0.7)
    for k in range(5):
        a = (x - 0.9 + k * 0.4, y - 0.5 + rng.uniform(-0.1, 0.1))
        b = (x - 0.7 + k * 0.4, y + 0.45 + rng.uniform(-0.1, 0.1))
        cv.line([cam.p(a[0], a[1], z), cam.p(b[0], b[1], z)], shade(LINER, 1.3), 0.9)
    draw_box(cv, cam, x - 0.3, x + 0.4, y - 0.25, y + 0.25, z, z + 0.22, LINER, outline=LINER_DARK)


def pic_step5(w, h):
    plan = STEP_PLANS["round"]()
    cv, cam = step_scene(w, h, plan, seed=69, z_max=WALL_H + 0.3)
    draw_site(cv, cam, plan, grow=0.9)
    draw_slab(cv, cam, plan)
    fl_rng = random.Random(70)
    draw_empty_pool(cv, cam, plan, floor_colour=FLEECE,
                    after_floor=lambda: (draw_fleece(cv, cam, plan, fl_rng, tape=False),
                                         draw_liner_package(cv, cam, 0.1, -0.2, random.Random(71))))
    # hanging profile strips lying ready on the wall top
    m = len(plan)
    for k in range(0, m, m // 12):
        a, b = plan[k], plan[(k + m // 36) % m]
        if cam.faces_viewer((a[0], a[1], 1), (-a[0], -a[1], 0)):
            cv.line([cam.p(a[0], a[1], SLAB + WALL_H + 0.01), cam.p(b[0], b[1], SLAB + WALL_H + 0.01)],
                    RAIL_BLUE, 2.4)
    return cv


def pic_step6(w, h):
    plan = STEP_PLANS["round"]()
    cv, cam = step_scene(w, h, plan, seed=72, z_max=WALL_H + 0.3)
    draw_site(cv, cam, plan, grow=0.9)
    draw_slab(cv, cam, plan)
    m = len(plan)
    hung = lambda i: int(m * 0.55) <= i < int(m * 0.98)   # the far side already carries the liner
    rng = random.Random(73)

    def floor_stuff():
        draw_fleece(cv, cam, plan, rng, tape=False)
        # liner spread over the floor from the hung side
        sheet = offset_plan(plan, -0.05)
        pts = [p for i, p in enumerate(sheet) if hung(i)]
        hung_pts = list(pts)
        # the loose front edge of the sheet: a wavy curve across the floor
        (xa, ya), (xb, yb) = pts[-1], pts[0]
        for k in range(1, 24):
            t = k / 24
            x = xa + (xb - xa) * t
            y = ya + (yb - ya) * t + 1.3 * math.sin(math.pi * t) + 0.12 * math.sin(5 * math.pi * t)
            pts.append((x, y))
        cv.polygon(cam.ring(pts, SLAB + 0.012), LINER)
        for k in range(6):
            a = hung_pts[int(len(hung_pts) * k / 6)]
            cv.line([cam.p(a[0], a[1], SLAB + 0.012), cam.p(a[0] * 0.2, a[1] * 0.2 + 0.5, SLAB + 0.012)],
                    shade(LINER, 1.25), 0.8)

    draw_empty_pool(cv, cam, plan, after_floor=floor_stuff)
    # the liner hanging down the inside of the far wall
    faces = wall_faces(cam, offset_plan(plan, -0.012), SLAB, SLAB + WALL_H + 0.02, inner=True, use=hung)
    for _, quad, n, i in faces:
        cv.polygon(quad, lit(LINER, n))
    for _, quad, n, i in faces:
        if i % 9 == 0:
            cv.line([quad[3], quad[0]], shade(LINER, 1.2), 0.6)
    run = [cam.p(*plan[i], SLAB + WALL_H + 0.01) for i in range(m) if hung(i)]
    cv.line(run, RAIL_BLUE, 2.2)
    return cv


def pic_step7(w, h):
    plan = STEP_PLANS["round"]()
    cv, cam = step_scene(w, h, plan, seed=74, z_max=WALL_H + 0.3)
    draw_site(cv, cam, plan, grow=0.9)
    draw_slab(cv, cam, plan)

    def floor_stuff():
        fl = offset_plan(plan, -0.02)
        pts = cam.ring(fl, SLAB + 0.01)
        cv.polygon(pts, LINER)
        water = cam.ring(offset_plan(plan, -0.1), SLAB + 0.09)
        wm = mask_and(cv.poly_mask(water), cv.poly_mask(pts))
        ys = [y for _, y in water]
        cv.fill_gradient(wm, min(ys), max(ys), WATER_FAR, WATER_NEAR)
        cv.tint(wm, LINER, 0.15)
        cv.line(water + [water[0]], WATER_SHINE, 0.8)
        for k in range(8):   # a few remaining folds, being smoothed outwards
            a = plan[int(len(plan) * (0.55 + 0.05 * k)) % len(plan)]
            p0 = cam.p(a[0] * 0.92, a[1] * 0.92, SLAB + 0.02)
            p1 = cam.p(a[0] * 0.75, a[1] * 0.75, SLAB + 0.02)
            cv.line([p0, p1], shade(LINER, 1.35), 0.9)

    draw_empty_pool(cv, cam, plan, inner_colour=LINER, after_floor=floor_stuff)
    draw_handrail(cv, cam, plan, SLAB + WALL_H, drop=0.07)
    # garden hose over the wall, running water into the pool
    m = len(plan)
    k = int(m * 0.43)
    px, py = plan[k]
    nx, ny = edge_normals(plan)[k]
    hose = [(px + nx * 1.6, py + ny * 1.6 + 0.4, 0.0), (px + nx * 0.8, py + ny * 0.8, 0.02),
            (px + nx * 0.3, py + ny * 0.3, SLAB + WALL_H * 0.6), (px + nx * 0.02, py + ny * 0.02, SLAB + WALL_H + 0.08),
            (px - nx * 0.25, py - ny * 0.25, SLAB + WALL_H - 0.05)]
    end = hose[-1]
    stream = [cam.p(*end), cam.p(end[0] - nx * 0.3, end[1] - ny * 0.3, SLAB + WALL_H * 0.5),
              cam.p(end[0] - nx * 0.38, end[1] - ny * 0.38, SLAB + 0.1)]
    cv.line(stream, (210, 244, 252), 2.6)
    tube(cv, [cam.p(*q) for q in hose], 3.2, fill=HOSE, edge=(24, 90, 44))
    return cv


def pic_step8(shape):
    def make(w, h):
        plan = STEP_PLANS[shape]()
        if shape == "oval":
            return pool_scene(w, h, plan, 0.45, elevation=30, azimuth=-8, seed=81, ladder_at=0.15,
                              skimmer_at=0.35, box=(w * 0.05, h * 0.32, w * 0.95, h * 0.95))
        if shape == "eight":
            return pool_scene(w, h, plan, 1.2, elevation=30, azimuth=-10, seed=82, ladder_at=0.9,
                              skimmer_at=0.1)
        return pool_scene(w, h, plan, 1.2, elevation=30, azimuth=-12, seed=83, ladder_at=0.17, skimmer_at=0.32)
    return make


# --------------------------------------------------------------------------
# Picture table and main
# --------------------------------------------------------------------------

# Sizes: the pool pictures and stone samples (enlarged by a click on the pool
# pages) and the small handrail picture are drawn at twice their frame so they
# stay sharp when scaled; the oval and figure-eight pool pictures keep the
# aspect of their own frames.  The set-up steps fill the final page's notebook.
STEP = (440, 330)

PICTURES = [
    ("welcome/background.jpg", (784, 531), pic_welcome_background),
    ("welcome/banner.jpg", (784, 110), pic_welcome_banner),
    ("pool/round.jpg", (722, 450), pic_pool_round),
    ("pool/oval.jpg", (770, 434), pic_pool_oval),
    ("pool/eight.jpg", (706, 434), pic_pool_eight),
    ("pool/rect.jpg", (722, 450), pic_pool_rect),
    ("pool/rect_finished.jpg", (313, 225), pic_rect_finished),
    ("pool/rect_foamblock.jpg", (185, 225), pic_rect_foamblock),
    ("pool/rect_construction.jpg", (273, 129), pic_rect_construction),
    ("pool/handrail.jpg", (258, 98), pic_handrail),
    ("pool/stone_white.jpg", (354, 210), pic_stone("white")),
    ("pool/stone_blue.jpg", (354, 210), pic_stone("blue")),
    ("pool/stone_red.jpg", (354, 210), pic_stone("red")),
    ("pool/stone_yellow.jpg", (354, 210), pic_stone("yellow")),
    ("quote/further_articles.jpg", (320, 240), pic_further_articles),
    ("quote/step1_oval.jpg", STEP, pic_step1("oval")),
    ("quote/step1_eight.jpg", STEP, pic_step1("eight")),
    ("quote/step1_round.jpg", STEP, pic_step1("round")),
    ("quote/step2_oval.jpg", STEP, pic_step2("oval")),
    ("quote/step2_eight.jpg", STEP, pic_step2("eight")),
    ("quote/step2_round.jpg", STEP, pic_step2("round")),
    ("quote/step3.jpg", STEP, pic_step3),
    ("quote/step4.jpg", STEP, pic_step4),
    ("quote/step5.jpg", STEP, pic_step5),
    ("quote/step6.jpg", STEP, pic_step6),
    ("quote/step7.jpg", STEP, pic_step7),
    ("quote/step8_oval.jpg", STEP, pic_step8("oval")),
    ("quote/step8_eight.jpg", STEP, pic_step8("eight")),
    ("quote/step8_round.jpg", STEP, pic_step8("round")),
]


def main(argv):
    only = set(argv[1:])
    for rel, (w, h), make in PICTURES:
        if only and rel not in only:
            continue
        path = os.path.normpath(os.path.join(ASSET_DIR, rel))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        img = make(w, h).final()
        img.save(path, "JPEG", quality=JPEG_QUALITY, optimize=True, progressive=False)
        print("%-32s %4d x %-4d %6d bytes" % (rel, w, h, os.path.getsize(path)))


if __name__ == "__main__":
    main(sys.argv)
