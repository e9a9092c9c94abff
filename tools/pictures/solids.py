"""Small objects: boxes, cylinders, lying rolls and profiles swept along an arc."""

import math

from .palette import lit, shade
from .plans import circle_plan, signed_area
from .pool_parts import draw_wall


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
