"""Pictures of the pool covers page (pages/equipment/coverspage.ui): the SafeTop® safety cover on
a round pool and its strap under the handrail, the Cabrio Dome over a round and an oval pool,
and the Lupo solar cover floating on the water.  LupoBMP_2 shows no picture."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import (
    RAIL_BLUE, RAIL_LIGHT, STAINLESS, STAINLESS_EDGE, STEEL, STEEL_DARK, WHITE, lit, mix, shade,
)
from ..plans import circle_plan, offset_plan, oval_plan
from ..pool_parts import draw_handrail, draw_skimmer, draw_wall, draw_water
from ..scenery import garden_backdrop, ground_shadow
from ..sizes import BoxSize

COVER_BLUE = (30, 92, 170)
COVER_LIGHT = (76, 142, 214)
STRAP = (20, 48, 96)
DOME = (236, 246, 252)
FRAME = (200, 206, 214)
BUBBLE = (40, 120, 200)


def steel_pool(cv, cam, plan, height, water=True, seed=5):
    """A steel-wall pool on the lawn: shadow, wall, skimmer, water and handrail."""
    ground_shadow(cv, cam, plan, 0.0, blur=cam.f * 0.012)
    draw_wall(cv, cam, plan, 0.0, height - 0.05, STEEL, ground_dark=0.25)
    draw_wall(cv, cam, offset_plan(plan, 0.015), 0.0, 0.06, STEEL_DARK, ground_dark=0.0)
    draw_skimmer(cv, cam, plan, height, at=0.72)
    if water:
        draw_water(cv, cam, offset_plan(plan, -0.02), height, height - 0.16, random.Random(seed))
    draw_handrail(cv, cam, plan, height)


def garden_pool(w, h, plan, height, seed, elevation=24, azimuth=-10, fit_height=None, box=None):
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.3, seed=seed)
    cam = Camera(elevation=elevation, azimuth=azimuth, distance=24)
    cam.fit(bounds3d(offset_plan(plan, 0.4), 0.0, fit_height or height + 0.4),
            box or (w * 0.05, h * 0.34, w * 0.95, h * 0.94))
    return cv, cam


def pic_safetop(w, h):
    """A round pool closed with the blue safety cover, its straps down the wall."""
    plan = circle_plan(2.5, 160)
    height = 1.2
    cv, cam = garden_pool(w, h, plan, height, seed=81)
    steel_pool(cv, cam, plan, height, water=False)
    # the cover, stretched a hand's breadth over the handrail
    edge = offset_plan(plan, 0.1)
    cover = cam.ring(edge, height + 0.03)
    m = cv.poly_mask(cover)
    ys = [y for _, y in cover]
    cv.fill_gradient(m, min(ys), max(ys), COVER_LIGHT, COVER_BLUE)
    # seams of the woven panels
    for k in range(-4, 5):
        x = k * 0.55
        seam = [cam.p(x, y, height + 0.03) for y in (-2.6, 2.6)]
        line = cv.new_mask()
        ImageDraw.Draw(line).line([(p[0] * SS, p[1] * SS) for p in seam], fill=255, width=SS)
        cv.tint(mask_and(line, m), WHITE, 0.35)
    # the hem hanging over the rail, and a strap down the wall every half metre or so
    draw_wall(cv, cam, edge, height - 0.05, height + 0.03, shade(COVER_BLUE, 0.85), ground_dark=0.0)
    for k in range(20):
        a = 2 * math.pi * (k + 0.5) / 20
        nx, ny = math.cos(a), math.sin(a)
        if not cam.faces_viewer((2.6 * nx, 2.6 * ny, 0.6), (nx, ny, 0.0)):
            continue
        top = cam.p(2.58 * nx, 2.58 * ny, height - 0.05)
        foot = cam.p(2.52 * nx, 2.52 * ny, 0.28)
        cv.line([top, foot], STRAP, 0.8)
        cv.ellipse((foot[0] - 0.9, foot[1] - 0.9, foot[0] + 0.9, foot[1] + 0.9), fill=STAINLESS_EDGE)
    # a soft shine on the taut cloth
    shine = cv.poly_mask(cam.ring(circle_plan(1.0, 60, -0.8, -0.6), height + 0.03))
    cv.tint(cv.blur_mask(shine, 6), WHITE, 0.22)
    return cv


def pic_safetop_2(w, h):
    """Close to the wall: the cover's hem over the handrail, a strap and its hook at the wall."""
    cv = Canvas(w, h)
    full = cv.new_mask()
    ImageDraw.Draw(full).rectangle((0, 0, w * SS, h * SS), fill=255)
    cv.fill_gradient(full, 0, h, (232, 244, 251), (196, 226, 242))
    R = 6.0
    plan = circle_plan(R, 720)
    height = 1.2
    cam = Camera(elevation=18, azimuth=0, distance=2.2, target=(0.0, R, 0.85))
    cam.fit([(x, R + dy, z) for x in (-0.32, 0.32) for dy in (-0.05, 0.1) for z in (0.45, height + 0.12)],
            (w * 0.0, h * 0.04, w * 1.0, h * 0.98))
    draw_wall(cv, cam, plan, 0.0, height - 0.05, STEEL, ground_dark=0.0)
    draw_handrail(cv, cam, plan, height)
    edge = offset_plan(plan, 0.1)
    cover = cam.ring(edge, height + 0.03)
    m = cv.poly_mask(cover)
    cv.fill_gradient(m, 0, cam.p(0, R, height)[1], COVER_LIGHT, COVER_BLUE)
    draw_wall(cv, cam, edge, height - 0.06, height + 0.03, shade(COVER_BLUE, 0.85), ground_dark=0.0)
    hem = [cam.p(x, R + 0.1, height - 0.06) for x in (-2, 2)]
    cv.line(hem, shade(COVER_BLUE, 0.6), 1.2)
    # strap: from an eyelet in the hem down to the ratchet and the hook under the rail foot
    for x in (-0.16, 0.16):
        eye = cam.p(x, R + 0.1, height - 0.03)
        ratchet = cam.p(x, R + 0.09, height - 0.3)
        hook = cam.p(x, R + 0.02, 0.5)
        cv.line([eye, ratchet, hook], STRAP, 4.0)
        cv.ellipse((eye[0] - 2.5, eye[1] - 2.5, eye[0] + 2.5, eye[1] + 2.5), fill=STAINLESS, outline=STAINLESS_EDGE)
        cv.rect((ratchet[0] - 4, ratchet[1] - 7, ratchet[0] + 4, ratchet[1] + 7), fill=(64, 70, 80), radius=2)
        cv.line([(ratchet[0] - 2.5, ratchet[1] - 3), (ratchet[0] + 2.5, ratchet[1] - 3)], (150, 158, 168), 0.8)
        cv.line([(hook[0], hook[1] - 3), (hook[0], hook[1] + 4), (hook[0] + 3.5, hook[1] + 4)], STAINLESS_EDGE, 2.2)
        cv.line([(hook[0], hook[1] - 3), (hook[0], hook[1] + 4), (hook[0] + 3.5, hook[1] + 4)], STAINLESS, 1.2)
    return cv


def dome(cv, cam, plan, z_base, rise, panels=8, opening=None):
    """A transparent dome over an outline: ribs of aluminium, clear panels between them.
    opening = (a0, a1): an opened side, where no panel is drawn."""
    cx = sum(x for x, _ in plan) / len(plan)
    cy = sum(y for _, y in plan) / len(plan)

    def lift(x, y, t):
        # t: 0 at the rim, 1 at the crown
        return (cx + (x - cx) * math.cos(t * math.pi / 2), cy + (y - cy) * math.cos(t * math.pi / 2),
                z_base + rise * math.sin(t * math.pi / 2))

    # the dome's outline on screen: every point of every rib
    n = len(plan)
    ribs = []
    for k in range(panels):
        x, y = plan[int(n * k / panels)]
        ribs.append([lift(x, y, i / 16) for i in range(17)])
    shell = []
    for i in range(0, n, max(1, n // 90)):
        x, y = plan[i]
        shell += [cam.p(*lift(x, y, t / 10)) for t in range(11)]
    hull = convex_hull(shell)
    m = cv.poly_mask(hull)
    if opening:
        a0, a1 = opening
        gap = []
        for i in range(n):
            x, y = plan[i]
            a = math.atan2(y - cy, x - cx) % (2 * math.pi)
            if a0 <= a <= a1:
                gap.append(i)
        if gap:
            door = [cam.p(*lift(*plan[i], 0.0)) for i in gap] + [cam.p(*lift(*plan[i], 0.55)) for i in reversed(gap)]
            m = mask_and(m, cv.poly_mask(door).point(lambda v: 255 - v))
    cv.tint(m, DOME, 0.38)
    ys = [y for _, y in hull]
    cv.shade_gradient(m, min(ys), max(ys), WHITE, 0.35, 0.0)
    # ribs: those at the back thin and pale, those in front bright
    for rib in ribs:
        front = cam.faces_viewer(rib[0], ((rib[0][0] - cx), (rib[0][1] - cy), 0.0))
        pts = [cam.p(*q) for q in rib]
        cv.line(pts, FRAME if front else mix(FRAME, WHITE, 0.5), 1.0 if front else 0.6)
    ring = cam.ring(plan, z_base)
    cv.line(ring + [ring[0]], FRAME, 1.1)
    return m


def convex_hull(pts):
    pts = sorted(set((round(x, 2), round(y, 2)) for x, y in pts))
    if len(pts) < 3:
        return pts

    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])

    lower, upper = [], []
    for p in pts:
        while len(lower) >= 2 and cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(pts):
        while len(upper) >= 2 and cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


def pic_cabrio(w, h):
    """The Cabrio Dome closed over a round pool."""
    plan = circle_plan(2.5, 160)
    height = 1.2
    cv, cam = garden_pool(w, h, plan, height, seed=82, fit_height=height + 1.6, box=(w * 0.05, h * 0.2, w * 0.95, h * 0.94))
    steel_pool(cv, cam, plan, height, seed=82)
    dome(cv, cam, offset_plan(plan, 0.08), height + 0.02, 1.5, panels=10)
    return cv


def pic_cabrio_2(w, h):
    """The Cabrio Dome over an oval pool, its front side opened."""
    plan = oval_plan(6.0, 3.2, 160)
    height = 1.2
    cv, cam = garden_pool(w, h, plan, height, seed=83, elevation=22, azimuth=-26, fit_height=height + 1.4,
                          box=(w * 0.03, h * 0.22, w * 0.97, h * 0.94))
    steel_pool(cv, cam, plan, height, seed=83)
    dome(cv, cam, offset_plan(plan, 0.08), height + 0.02, 1.3, panels=12, opening=(math.radians(60), math.radians(120)))
    return cv


def pic_lupo(w, h):
    """The blue bubble solar cover floating on the water of a round pool, a corner turned back."""
    plan = circle_plan(2.5, 160)
    height = 1.2
    cv, cam = garden_pool(w, h, plan, height, seed=84, elevation=40)
    steel_pool(cv, cam, plan, height, seed=84)
    z = height - 0.15
    sheet = [(x, y) for x, y in offset_plan(plan, -0.08) if x + 0.55 * y < 1.7]
    pts = cam.ring(sheet, z)
    m = cv.poly_mask(pts)
    ys = [y for _, y in pts]
    cv.fill_gradient(m, min(ys), max(ys), mix(BUBBLE, WHITE, 0.25), BUBBLE)
    # the bubbles, in rows
    dots = cv.new_mask()
    d = ImageDraw.Draw(dots)
    step = 0.16
    for i in range(-18, 19):
        for j in range(-18, 19):
            x, y = i * step + (j % 2) * step / 2, j * step * 0.87
            if x * x + y * y > 2.3 ** 2:
                continue
            p = cam.p(x, y, z)
            r = 0.045 * cam.f / cam.depth(x, y, z)
            d.ellipse(((p[0] - r) * SS, (p[1] - r * 0.6) * SS, (p[0] + r) * SS, (p[1] + r * 0.6) * SS), fill=255)
    cv.tint(mask_and(dots, m), mix(BUBBLE, WHITE, 0.55), 0.8)
    # the turned-back edge
    fold = [(x, y) for x, y in sheet if abs(x + 0.55 * y - 1.7) < 0.12]
    if len(fold) > 1:
        cv.line([cam.p(x, y, z + 0.02) for x, y in fold], mix(BUBBLE, WHITE, 0.6), 1.0)
    return cv


PICTURES = [
    Picture("equipment/safetop.jpg", BoxSize(), pic_safetop),
    Picture("equipment/safetop_2.jpg", BoxSize(), pic_safetop_2),
    Picture("equipment/cabrio.jpg", BoxSize(), pic_cabrio),
    Picture("equipment/cabrio_2.jpg", BoxSize(), pic_cabrio_2),
    Picture("equipment/lupo.jpg", BoxSize(), pic_lupo),
]
