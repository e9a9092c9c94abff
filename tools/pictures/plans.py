"""Plan shapes (outlines in metres, centred on the origin) and their geometry."""

import math


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
