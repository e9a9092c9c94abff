"""Pool parts: walls, water, handrail, skimmer, edge stones, ladder and grab rails."""

import math
import random

from PIL import ImageDraw

from .canvas import SS, mask_and, mask_minus
from .palette import (
    LINER, LINER_DARK, RAIL_BLUE, RAIL_LIGHT, STAINLESS, STAINLESS_EDGE, STEEL_DARK, WATER_FAR, WATER_NEAR,
    WATER_SHINE, WHITE, lit, mix, shade,
)
from .plans import edge_normals, offset_plan, plan_lengths, point_on_plan, signed_area, vertex_normals


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
