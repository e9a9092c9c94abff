"""Pictures of the final page (pages/quote/finalpage.ui): the set-up steps, each filling its
box on a notebook page; steps 1, 2 and 8 have one picture per pool shape."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas, mask_and, mask_minus
from ..entries import Picture
from ..palette import (
    CONCRETE, CONCRETE_DARK, FLEECE, GRASS_NEAR, HOSE, LINER, LINER_DARK, RAIL_BLUE, SOIL, STAINLESS,
    STAINLESS_EDGE, STEEL, STEEL_DARK, STEEL_INNER, WATER_FAR, WATER_NEAR, WATER_SHINE, WHITE, WOOD,
    WOOD_DARK, lit, mix, shade,
)
from ..plans import circle_plan, edge_normals, eight_plan, move_plan, offset_plan, oval_plan, vertex_normals
from ..pool_parts import draw_handrail, draw_wall, tube, wall_faces
from ..pools import pool_scene
from ..scenery import garden_backdrop, ground_shadow
from ..sizes import BoxSize
from ..solids import draw_box, draw_cylinder, draw_lying_roll


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


PICTURES = [
    Picture("quote/step1_oval.jpg", BoxSize(), pic_step1("oval")),
    Picture("quote/step1_eight.jpg", BoxSize(), pic_step1("eight")),
    Picture("quote/step1_round.jpg", BoxSize(), pic_step1("round")),
    Picture("quote/step2_oval.jpg", BoxSize(), pic_step2("oval")),
    Picture("quote/step2_eight.jpg", BoxSize(), pic_step2("eight")),
    Picture("quote/step2_round.jpg", BoxSize(), pic_step2("round")),
    Picture("quote/step3.jpg", BoxSize(), pic_step3),
    Picture("quote/step4.jpg", BoxSize(), pic_step4),
    Picture("quote/step5.jpg", BoxSize(), pic_step5),
    Picture("quote/step6.jpg", BoxSize(), pic_step6),
    Picture("quote/step7.jpg", BoxSize(), pic_step7),
    Picture("quote/step8_oval.jpg", BoxSize(), pic_step8("oval")),
    Picture("quote/step8_eight.jpg", BoxSize(), pic_step8("eight")),
    Picture("quote/step8_round.jpg", BoxSize(), pic_step8("round")),
]
