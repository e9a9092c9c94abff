"""Pictures of the ladders page (pages/equipment/ladderspage.ui): the ladders and stairs of the
catalogue in place at their pool, the ladder tilt hinge and the two small pictures beside the
captions of the installation and ladder choices.

Three scenes carry the catalogue: a steel-wall pool standing on the lawn or partly sunk into it
with an A-frame ladder over its wall; the far wall of an in-ground pool seen across the water with
a ladder or stair hanging in it; and the end of a rectangular in-ground pool with a stair moulded
into it.  Whatever lies under the water is drawn first and then tinted by a translucent water
surface, so that steps and treads show through it."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera
from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import (
    GRASS_FAR, GRASS_NEAR, LINER, LINER_DARK, RAIL_BLUE, SOIL, SOIL_DARK, STAINLESS, STAINLESS_EDGE, STEEL,
    STEEL_DARK, STONE_COLOURS, WATER_FAR, WATER_NEAR, WATER_SHINE, WHITE, lit, mix, shade,
)
from ..plans import circle_plan, offset_plan
from ..pool_parts import draw_handrail, draw_skimmer, draw_stones, draw_wall
from ..scenery import garden_backdrop, ground_shadow
from ..sizes import BoxSize
from ..solids import draw_box

WATER_Z = -0.15            # water level of the in-ground pools, below the coping
STEP_BLUE = (22, 70, 164)
TREAD_GREY = (150, 158, 168)
RUBBER = (44, 48, 54)
PAINTED = (246, 247, 248)
PAINTED_EDGE = (150, 156, 166)
ACRYLIC = (236, 242, 246)


# --------------------------------------------------------------------------
# Drawing helpers
# --------------------------------------------------------------------------

def full_mask(cv):
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((0, 0, cv.w * SS, cv.h * SS), fill=255)
    return m


def horizon_of(cam, h):
    """Screen row of the horizon: where the far lawn meets the sky.  A camera looking down
    steeply would leave no sky at all; the garden's trees then stand in a strip at the top,
    as in the pool pictures."""
    return max(cam.p(0.0, -400.0, 0.0)[1], h * 0.13)


def clipped(cam, pts, near=0.4):
    """Screen points of a 3D polygon, cut at a plane just in front of the camera, so that
    a floor or a water surface may reach behind it."""
    out = []
    for a, b in zip(pts, pts[1:] + pts[:1]):
        da, db = cam.depth(*a) - near, cam.depth(*b) - near
        if da >= 0:
            out.append(a)
        if da * db < 0:
            t = da / (da - db)
            out.append(tuple(a[i] + (b[i] - a[i]) * t for i in range(3)))
    return [cam.p(*q) for q in out]


def tube3(cv, cam, pts, radius, fill=STAINLESS, edge=STAINLESS_EDGE):
    """A polished tube along a 3D polyline, as wide as its projection, with a highlight."""
    if len(pts) < 2:
        return
    scr = [cam.p(*q) for q in pts]
    depth = sum(cam.depth(*q) for q in pts) / len(pts)
    wpx = max(1.3, 2 * radius * cam.f / depth)
    cv.line(scr, edge, wpx + 0.9)
    cv.line(scr, fill, wpx)
    off = wpx * 0.2
    cv.line([(x - off, y - off) for x, y in scr], mix(fill, WHITE, 0.75), max(0.45, wpx * 0.28))


def above(pts, z):
    """The runs of a 3D polyline above the level z, cut where it crosses."""
    runs, run = [], []
    for a, b in zip(pts, pts[1:]):
        if a[2] >= z:
            run.append(a)
        if (a[2] - z) * (b[2] - z) < 0:
            t = (z - a[2]) / (b[2] - a[2])
            cut = tuple(a[i] + (b[i] - a[i]) * t for i in range(3))
            run.append(cut)
            if a[2] >= z:
                runs.append(run)
                run = []
    if pts[-1][2] >= z:
        run.append(pts[-1])
    if len(run) > 1:
        runs.append(run)
    return runs


def arc_yz(x, cy, cz, ry, rz, a0, a1, n=14):
    """Points of an elliptic arc in the plane x = const (angles from +y towards +z)."""
    return [(x, cy + ry * math.cos(a0 + (a1 - a0) * k / n), cz + rz * math.sin(a0 + (a1 - a0) * k / n))
            for k in range(n + 1)]


def water_layer(cv, cam, outline, rng, alpha=0.58):
    """The translucent water surface over everything drawn so far below it: tint, ripples, glints."""
    wat = clipped(cam, [(x, y, WATER_Z) for x, y in outline])
    wmask = cv.poly_mask(wat)
    ys = [y for _, y in wat]
    y0, y1 = max(min(ys), 0.0), min(max(ys), cv.h)
    layer = cv.gradient(y0, y1, WATER_FAR, WATER_NEAR)
    cv.img.paste(layer, (0, 0), wmask.point(lambda v: int(v * alpha)))
    rip = cv.new_mask()
    rd = ImageDraw.Draw(rip)
    span = max(1.0, y1 - y0)
    for k in range(int(span / 6) + 4):
        t = (k + 0.5) / (int(span / 6) + 4)
        y = y0 + span * t
        xa = rng.uniform(0, cv.w)
        seg = cv.w * rng.uniform(0.06, 0.2)
        pts, x = [], xa
        while x < xa + seg:
            pts.append((x * SS, (y + (0.5 + 1.4 * t) * math.sin((x - xa) / (3.0 + 6 * t))) * SS))
            x += 1.5
        if len(pts) > 1:
            rd.line(pts, fill=255, width=max(1, int(SS * (0.6 + 0.8 * t))), joint="curve")
    cv.tint(mask_and(rip, wmask), WATER_SHINE, 0.4)
    sp = cv.new_mask()
    sd = ImageDraw.Draw(sp)
    for _ in range(int(cv.w * span / 1200) + 3):
        x, y = rng.uniform(0, cv.w), rng.uniform(y0, y1)
        r = rng.uniform(0.5, 1.3)
        sd.ellipse(((x - r * 2.5) * SS, (y - r * 0.6) * SS, (x + r * 2.5) * SS, (y + r * 0.6) * SS), fill=255)
    cv.tint(mask_and(sp, wmask), WHITE, 0.65)
    return wmask


def tread(cv, cam, x0, x1, y0, y1, z, thick, colour, top=None, pattern=None):
    """A flat step: a thin box, its top in another colour, optionally patterned."""
    draw_box(cv, cam, x0, x1, y0, y1, z - thick, z, colour, top_colour=top or colour)
    q = [cam.p(x0, y0, z), cam.p(x1, y0, z), cam.p(x1, y1, z), cam.p(x0, y1, z)]
    if pattern == "embossed":          # rows of little studs pressed into the steel
        for i in range(1, 12):
            for j in range(1, 3):
                p = cam.p(x0 + (x1 - x0) * i / 12, y0 + (y1 - y0) * j / 3, z)
                cv.ellipse((p[0] - 0.5, p[1] - 0.35, p[0] + 0.5, p[1] + 0.35), fill=shade(colour, 0.78))
    elif pattern == "rubber":          # a black rubber pad on the steel
        m = 0.03
        pad = [cam.p(x0 + m, y0 + m * 0.6, z + 0.004), cam.p(x1 - m, y0 + m * 0.6, z + 0.004),
               cam.p(x1 - m, y1 - m * 0.6, z + 0.004), cam.p(x0 + m, y1 - m * 0.6, z + 0.004)]
        cv.polygon(pad, RUBBER)
        for i in range(1, 9):
            a = cam.p(x0 + m + (x1 - x0 - 2 * m) * i / 9, y0 + m, z + 0.004)
            b = cam.p(x0 + m + (x1 - x0 - 2 * m) * i / 9, y1 - m, z + 0.004)
            cv.line([a, b], (78, 84, 92), 0.5)
    elif pattern == "grooves":         # anti-slip grooves of a plastic step
        for i in range(1, 4):
            a = cam.p(x0 + 0.02, y0 + (y1 - y0) * i / 4, z + 0.002)
            b = cam.p(x1 - 0.02, y0 + (y1 - y0) * i / 4, z + 0.002)
            cv.line([a, b], shade(top or colour, 0.82), 0.5)
    return q


# --------------------------------------------------------------------------
# A steel-wall pool on the lawn, or partly sunk into it, with an A-frame ladder
# --------------------------------------------------------------------------

def aframe_scene(w, h, *, wall, sunk=0.0, outside_steps=4, inside_steps=4, tubes=(STAINLESS, STAINLESS_EDGE),
                 steps=(TREAD_GREY, None), hoops=True, seed=51):
    """A ladder over the wall of a round steel pool (radius 2.5 m), seen from the lawn.

    wall: height of the wall; sunk: how deep the pool stands in the ground; the
    outside steps lead up to the platform over the rim, the inside ones into the water."""
    cv = Canvas(w, h)
    R = 2.5
    z_top = wall - sunk               # the rim above the lawn
    cam = Camera(elevation=14, azimuth=-30, distance=6.5, target=(0.0, R, z_top * 0.55))
    top = z_top + 0.5                 # platform
    pts = [(x, y, z) for x in (-0.75, 0.75) for y in (R - 0.4, R + 0.9) for z in (0.0, top + 0.72)]
    cam.fit(pts, (w * 0.16, h * 0.06, w * 0.84, h * 0.96))
    garden_backdrop(cv, horizon_of(cam, h), seed=seed)
    plan = circle_plan(R, 180)
    rng = random.Random(seed)
    ground_shadow(cv, cam, plan, 0.0, dx=0.2, dy=0.25, grow=0.1, alpha=0.28, blur=cam.f * 0.01)
    if sunk > 0:   # the ground dug away round the wall, filled with gravel
        cv.polygon(cam.ring(offset_plan(plan, 0.45), 0.0), mix(SOIL, (214, 204, 186), 0.55))
        gravel = cv.poly_mask(cam.ring(offset_plan(plan, 0.45), 0.0))
        sp = cv.new_mask()
        sd = ImageDraw.Draw(sp)
        for _ in range(600):
            x, y = rng.uniform(0, w), rng.uniform(0, h)
            r = rng.uniform(0.3, 0.8)
            sd.ellipse(((x - r) * SS, (y - r) * SS, (x + r) * SS, (y + r) * SS), fill=255)
        cv.tint(mask_and(sp, gravel), (246, 240, 228), 0.7)
    draw_wall(cv, cam, plan, 0.0, z_top - 0.05, STEEL, ground_dark=0.25)
    if sunk == 0:
        draw_wall(cv, cam, offset_plan(plan, 0.015), 0.0, 0.06, STEEL_DARK, ground_dark=0.0)
    draw_skimmer(cv, cam, plan, z_top, at=0.17)
    # water inside: the far half of the opening shows over the rim
    opening = offset_plan(plan, -0.02)
    rim = cv.poly_mask(cam.ring(opening, z_top))
    cv.fill_gradient(rim, cam.p(0, -R, z_top)[1], cam.p(0, R, z_top)[1], LINER_DARK, LINER)
    wat = mask_and(rim, cv.poly_mask(cam.ring(opening, z_top - 0.16)))
    cv.fill_gradient(wat, cam.p(0, -R, z_top)[1], cam.p(0, R, z_top)[1], WATER_FAR, WATER_NEAR)
    draw_handrail(cv, cam, plan, z_top)

    tcol, tedge = tubes
    scol, stop = steps
    half = 0.26
    y_in, y_out = R - 0.2, R + 0.2          # feet of the hoops, over the platform
    foot_out = R + 0.2 + 0.32 * z_top        # outside legs stand on the lawn
    foot_in = R - 0.2 - 0.32 * z_top

    def leg(side, outside):
        x = side * half
        if outside:
            return [(x, foot_out, 0.0), (x, y_out, top)]
        return [(x, foot_in, z_top - 0.1), (x, y_in, top)]

    # inside legs and steps first: they stand behind the rim
    for side in (-1, 1):
        for run in above(leg(side, False), z_top - 0.08):
            tube3(cv, cam, run, 0.022, tcol, tedge)
    for k in range(1, inside_steps):
        f = k / inside_steps
        z = top - (top - z_top) * f * 1.4
        if z > z_top + 0.04:
            y = y_in + (foot_in - y_in) * (top - z) / (top - (z_top - 0.1))
            tread(cv, cam, -half, half, y - 0.05, y + 0.05, z, 0.03, scol, stop, "grooves")
    # platform over the rim
    tread(cv, cam, -half - 0.02, half + 0.02, y_in - 0.02, y_out + 0.02, top, 0.04, scol, stop, "grooves")
    # hoops to hold on to, one each side
    for side in (-1, 1):
        x = side * half
        if hoops:
            hoop = [(x, y_in, top)] + arc_yz(x, R, top + 0.3, 0.2, 0.32, math.pi, 0.0) + [(x, y_out, top)]
        else:
            hoop = [(x, y_in, top), (x, y_in, top + 0.55), (x, y_out, top + 0.55), (x, y_out, top)]
        tube3(cv, cam, hoop, 0.022, tcol, tedge)
    # outside: legs and the steps between them, the lowest nearest the lawn
    for k in range(outside_steps, 0, -1):
        f = k / (outside_steps + 1)
        z = top * (1 - f)
        y = y_out + (foot_out - y_out) * f
        tread(cv, cam, -half, half, y - 0.06, y + 0.06, z, 0.035, scol, stop, "grooves")
    for side in (-1, 1):
        tube3(cv, cam, leg(side, True), 0.022, tcol, tedge)
        fx, fy = cam.p(side * half, foot_out, 0.0)
        cv.ellipse((fx - 3, fy - 1.2, fx + 3, fy + 1.2), fill=(60, 66, 74))   # rubber foot
    return cv


def pic_hbk(w, h):
    """Safety ladder of painted steel tube with plastic steps, its outside steps removable."""
    return aframe_scene(w, h, wall=1.2, tubes=(PAINTED, PAINTED_EDGE), steps=(TREAD_GREY, (176, 184, 194)),
                        outside_steps=3, seed=52)


def pic_hbk3(w, h):
    """Safety ladder of stainless steel."""
    return aframe_scene(w, h, wall=1.2, steps=(STEP_BLUE, (60, 130, 210)), outside_steps=3, seed=53)


def pic_hbg(w, h):
    """Stainless ladder for free-standing pools: straight rails, white plastic steps."""
    return aframe_scene(w, h, wall=1.35, steps=(WHITE, (250, 250, 250)), outside_steps=4, hoops=False, seed=54)


def pic_hhk(w, h):
    """Ladder of a pool sunk halfway: short outside, four steps into the water."""
    return aframe_scene(w, h, wall=1.2, sunk=0.6, outside_steps=1, steps=(WHITE, (250, 250, 250)), seed=55)


def pic_hhg(w, h):
    return aframe_scene(w, h, wall=1.5, sunk=0.75, outside_steps=2, steps=(WHITE, (250, 250, 250)), seed=56)


# --------------------------------------------------------------------------
# The far wall of an in-ground pool, seen across the water, with a ladder or stair in it
# --------------------------------------------------------------------------

def far_wall_scene(w, h, depth, fit_pts, seed):
    """Backdrop, lawn, coping and the far wall of the pool (wall plane y = 0, pool towards y > 0).
    Returns the canvas, the camera and the outline of the water surface."""
    cv = Canvas(w, h)
    cam = Camera(elevation=16, azimuth=-26, distance=4.5, target=(0.0, 0.4, -0.25))
    cam.fit(fit_pts, (w * 0.1, h * 0.3, w * 0.9, h * 0.98))
    garden_backdrop(cv, horizon_of(cam, h), seed=seed)
    x0, x1 = -8.0, 8.0
    near = 12.0
    # the far wall, light at the top, deep blue below
    wall = cv.poly_mask([cam.p(x0, 0, 0), cam.p(x1, 0, 0), cam.p(x1, 0, -depth), cam.p(x0, 0, -depth)])
    cv.fill_gradient(wall, cam.p(0, 0, 0)[1], cam.p(0, 0, -depth)[1], LINER, LINER_DARK)
    floor = cv.poly_mask(clipped(cam, [(x0, 0, -depth), (x1, 0, -depth), (x1, near, -depth), (x0, near, -depth)]))
    cv.fill_gradient(floor, cam.p(0, 0, -depth)[1], cam.p(0, 3, -depth)[1], LINER, mix(LINER, WHITE, 0.25))
    # the waterline: the liner is a little darker where the water laps
    band = [cam.p(x0, 0.0, WATER_Z + 0.02), cam.p(x1, 0.0, WATER_Z + 0.02), cam.p(x1, 0.0, WATER_Z - 0.02),
            cam.p(x0, 0.0, WATER_Z - 0.02)]
    cv.polygon(band, mix(LINER, LINER_DARK, 0.5))
    # coping stones along the wall
    rng = random.Random(seed)
    stone = STONE_COLOURS["white"]
    x = x0
    while x < x1:
        c = shade(stone, rng.uniform(0.95, 1.04))
        draw_box(cv, cam, x + 0.005, x + 0.495, -0.34, 0.03, 0.0, 0.06, c, outline=shade(stone, 0.75))
        x += 0.5
    return cv, cam, [(x0, 0.02), (x1, 0.02), (x1, near), (x0, near)]


def rail_path(x, reach, depth, bottom, slope=0.0):
    """One rail of an in-ground ladder: from its sleeve in the deck (reach behind the wall) up,
    over the coping and down the wall into the water, slanting by slope (metres per metre)."""
    top = 0.62 if reach < 0.5 else 0.5
    inner = 0.13
    ry = (reach + inner) / 2
    cy = (inner - reach) / 2
    pts = [(x, -reach, 0.0), (x, -reach, top * 0.45)]
    pts += arc_yz(x, cy, top * 0.45, ry, top * 0.55, math.pi, 0.0, n=18)
    drop = depth - bottom
    pts += [(x, inner + slope * d, -d) for d in (0.15, drop * 0.55, drop)]
    pts += [(x, 0.04 + slope * drop, -drop - 0.08)]      # the bumper against the wall
    return pts


def inground_scene(w, h, *, steps, reach, pattern=None, tread_depth=0.1, slope=0.0, tread_colour=STAINLESS,
                   depth=1.35, seed=61):
    """A stainless ladder (slope 0) or stair (slope > 0, deep plastic treads) in an in-ground pool."""
    half = 0.25
    spacing = 0.25
    bottom = depth - 0.15 - steps * spacing - 0.1
    fit = [(x, y, z) for x in (-0.8, 0.8) for y in (-reach - 0.1, 0.5 + slope * depth) for z in (-depth * 0.8, 0.7)]
    cv, cam, surface = far_wall_scene(w, h, depth, fit, seed)
    rails = [rail_path(s * half, reach, depth, bottom, slope) for s in (-1, 1)]
    # under water first: rails, then the treads from the deepest up
    for r in rails:
        tube3(cv, cam, r, 0.021)
    for k in range(steps, 0, -1):
        z = -0.15 - spacing * k + 0.08
        y = 0.13 + slope * -z - 0.02
        if pattern == "stair":
            tread(cv, cam, -half + 0.02, half - 0.02, y - 0.02, y + tread_depth, z, 0.05, WHITE, (246, 248, 250),
                  "grooves")
        else:
            tread(cv, cam, -half + 0.015, half - 0.015, y - 0.02, y + tread_depth, z, 0.025, tread_colour,
                  mix(tread_colour, WHITE, 0.2), pattern)
    rng = random.Random(seed + 1)
    water_layer(cv, cam, surface, rng, alpha=0.46)
    # what stands above the water, drawn over it: the rails and their sleeves in the deck
    for r in rails:
        sx, sy = cam.p(r[0][0], r[0][1], 0.06)
        cv.ellipse((sx - 4, sy - 1.6, sx + 4, sy + 1.6), fill=STAINLESS, outline=STAINLESS_EDGE, width=0.5)
        for run in above(r, WATER_Z):
            tube3(cv, cam, run, 0.021)
        wx, wy = cam.p(r[0][0], 0.13, WATER_Z)
        cv.ellipse((wx - 4.5, wy - 1.2, wx + 4.5, wy + 1.2), outline=WATER_SHINE, width=0.6)
    return cv


def pic_elb(w, h):
    """Narrow in-ground ladder (350 mm reach), three embossed steel steps."""
    return inground_scene(w, h, steps=3, reach=0.35, pattern="embossed", depth=1.2, seed=62)


def pic_ebk(w, h):
    """Wide in-ground ladder (650 mm reach), three steps with rubber pads."""
    return inground_scene(w, h, steps=3, reach=0.65, pattern="rubber", depth=1.2, seed=63)


def pic_ebh(w, h):
    return inground_scene(w, h, steps=4, reach=0.35, pattern="embossed", depth=1.5, seed=64)


def pic_ebg(w, h):
    return inground_scene(w, h, steps=4, reach=0.65, pattern="rubber", depth=1.5, seed=65)


def pic_ebtk(w, h):
    """Short built-in stair: three deep plastic treads between slanting rails."""
    return inground_scene(w, h, steps=3, reach=0.35, pattern="stair", tread_depth=0.2, slope=0.35, depth=1.2,
                          seed=66)


def pic_ebtg(w, h):
    return inground_scene(w, h, steps=4, reach=0.35, pattern="stair", tread_depth=0.2, slope=0.35, depth=1.5,
                          seed=67)


def pic_tieftreppe(w, h):
    """The long deep-pool stair: six treads, longer and flatter."""
    return inground_scene(w, h, steps=6, reach=0.35, pattern="stair", tread_depth=0.2, slope=0.62, depth=1.55,
                          seed=68)


# --------------------------------------------------------------------------
# The end of a rectangular in-ground pool with a moulded stair
# --------------------------------------------------------------------------

RECT_W, RECT_L, RECT_D = 3.5, 7.0, 1.5


def rect_end_plan():
    """The rectangular pool's outline, the stair end on the far side (y = 0), pool towards +y."""
    hx = RECT_W / 2
    return [(-hx, 0.0), (hx, 0.0), (hx, RECT_L), (-hx, RECT_L)]


def prism(cv, cam, outline, z0, z1, side, top):
    """A slab of the stair: its riser faces towards the viewer and its tread on top."""
    draw_wall(cv, cam, outline, z0, z1, side, ground_dark=0.0)
    cv.polygon(cam.ring(outline, z1), top)


def stair_scene(w, h, steps_outlines, body, treads, nose=None, seed=71, view=None):
    """The pool end with one slab per step (outlines from the lowest step up)."""
    cv = Canvas(w, h)
    plan = rect_end_plan()
    el, az, dist, reach = view or (32, -16, 9.0, 3.2)
    cam = Camera(elevation=el, azimuth=az, distance=dist, target=(0.0, 1.4, -0.6))
    hx = RECT_W / 2
    cam.fit([(x, y, z) for x in (-hx - 0.4, hx + 0.4) for y in (-0.45, reach) for z in (-RECT_D * 0.5, 0.06)],
            (w * 0.04, h * 0.24, w * 0.96, h * 0.99))
    garden_backdrop(cv, horizon_of(cam, h), seed=seed)
    # the pool's inside: floor, then the walls facing the viewer
    fl = cv.poly_mask(cam.ring(plan, -RECT_D))
    cv.fill_gradient(fl, cam.p(0, 0, -RECT_D)[1], cam.p(0, RECT_L, -RECT_D)[1], LINER, mix(LINER, WHITE, 0.25))
    draw_wall(cv, cam, plan, -RECT_D, 0.0, LINER, inner=True, ground_dark=-0.0)
    walls = cv.poly_mask(cam.ring(plan, 0.0))
    cv.shade_gradient(mask_and(walls, full_mask(cv)), cam.p(0, 0, 0)[1], cam.p(0, 0, -RECT_D)[1], LINER_DARK, 0.0, 0.5)
    z = -RECT_D
    rise = RECT_D / (len(steps_outlines) + 1)
    for k, outline in enumerate(steps_outlines):
        z1 = -RECT_D + rise * (k + 1)
        prism(cv, cam, outline, z, z1, body, treads)
        if nose:
            edge = cam.ring(outline, z1)
            cv.line(edge + [edge[0]], nose, 0.9)
        z = z1
    rng = random.Random(seed)
    clip = cv.poly_mask(cam.ring(plan, WATER_Z))
    water_layer(cv, cam, plan, rng, alpha=0.4)
    del clip
    draw_stones(cv, cam, [(x, y) for x, y in plan], STONE_COLOURS["white"], z=0.0, width=0.32, stone_len=0.5,
                seed=seed)
    return cv


def roman_steps(radius, n, cx=0.0, arc=math.pi):
    """Half discs against the end wall, shrinking step by step."""
    out = []
    for k in range(n):
        r = radius - k * (radius - 0.35) / n
        pts = [(cx + r * math.cos(a), r * math.sin(a) * 0.96) for a in
               [math.pi * i / 40 for i in range(41)]]
        out.append(pts[::-1] if arc else pts)
    return out


def corner_steps(size, n, rounded=False):
    """Triangles (or quarter discs) in the far left corner."""
    x0 = -RECT_W / 2
    out = []
    for k in range(n):
        s = size - k * (size - 0.4) / n
        if rounded:
            pts = [(x0, 0.0)] + [(x0 + s * math.cos(a), s * math.sin(a))
                                 for a in [math.pi / 2 * i / 20 for i in range(21)]]
        else:
            pts = [(x0, 0.0), (x0 + s, 0.0), (x0, s)]
        out.append(pts)
    return out


def straight_steps(depth, n):
    hx = RECT_W / 2
    out = []
    for k in range(n):
        d = depth - k * (depth - 0.3) / n
        out.append([(-hx, 0.0), (hx, 0.0), (hx, d), (-hx, d)])
    return out


def pic_rom(w, h):
    """Roman stair, white with blue treads, at the end of the rectangular pool."""
    return stair_scene(w, h, roman_steps(1.12, 4), WHITE, STEP_BLUE, nose=WHITE, seed=72)


def pic_eck(w, h):
    """Corner stair, white with blue treads."""
    return stair_scene(w, h, corner_steps(2.0, 4), WHITE, STEP_BLUE, nose=WHITE, seed=73)


def pic_calsacr(w, h):
    """Acrylic Roman stair, white with marked step edges."""
    return stair_scene(w, h, roman_steps(1.25, 4), ACRYLIC, WHITE, nose=STEP_BLUE, seed=74,
                       view=(34, -10, 9.0, 2.0))


def pic_eckacr(w, h):
    """Acrylic corner stair, rounded."""
    return stair_scene(w, h, corner_steps(1.8, 4, rounded=True), ACRYLIC, WHITE, nose=STEP_BLUE, seed=75,
                       view=(34, -10, 9.0, 2.2))


def pic_transacr(w, h):
    """Acrylic stair across the whole end of the pool."""
    return stair_scene(w, h, straight_steps(1.25, 4), ACRYLIC, WHITE, nose=STEP_BLUE, seed=76,
                       view=(34, -10, 9.0, 2.2))


# --------------------------------------------------------------------------
# The tilt hinge and the small caption pictures
# --------------------------------------------------------------------------

def pic_gelenk(w, h):
    """The ladder tilt hinge: the sleeve in the deck, the hinge knuckle and the rail tilted back."""
    cv = Canvas(w, h)
    cv.fill_gradient(full_mask(cv), 0, h, (240, 248, 252), (200, 228, 242))
    cam = Camera(elevation=22, azimuth=-38, distance=1.2, target=(0.05, 0.0, 0.1))
    a = math.radians(40)
    tip = (0.26 * math.sin(a), 0.0, 0.07 + 0.26 * math.cos(a))
    cam.fit([(-0.09, -0.09, 0.0), (0.09, 0.09, 0.0), (-0.09, 0.09, 0.0), (0.09, -0.09, 0.0), tip,
             (tip[0] + 0.03, 0.0, tip[2] + 0.02)], (w * 0.08, h * 0.08, w * 0.92, h * 0.92))
    stone = STONE_COLOURS["white"]
    cv.polygon([cam.p(-0.4, -0.4, 0.0), cam.p(0.6, -0.4, 0.0), cam.p(0.6, 0.5, 0.0), cam.p(-0.4, 0.5, 0.0)],
               lit(stone, (0, 0, 1), 0.8, 0.3))
    # flange of the sleeve in the deck, and its opening
    cv.polygon(cam.ring(circle_plan(0.055, 40), 0.003), STAINLESS, outline=STAINLESS_EDGE, width=0.6)
    cv.polygon(cam.ring(circle_plan(0.026, 30), 0.004), (96, 106, 120))
    # the two hinge plates standing on the flange, the pin through them and the rail's knuckle between
    for y in (0.022, -0.034):
        draw_box(cv, cam, -0.03, 0.03, y, y + 0.012, 0.0, 0.085, STAINLESS, outline=STAINLESS_EDGE)
        if y < 0:
            knuckle = [cam.p(0.0, yy, 0.065) for yy in (-0.022, 0.022)]
            cv.line(knuckle, STAINLESS_EDGE, 6.5)
            cv.line(knuckle, (226, 231, 236), 5.0)
            rail = [(0.0, 0.0, 0.065), tip]
            tube3(cv, cam, rail, 0.021)
    p = cam.p(0.0, 0.036, 0.065)
    cv.ellipse((p[0] - 1.8, p[1] - 1.8, p[0] + 1.8, p[1] + 1.8), fill=(90, 100, 114))
    # an arrow for the tilt
    c = cam.p(0.0, 0.0, 0.065)
    r = math.hypot(cam.p(*tip)[0] - c[0], cam.p(*tip)[1] - c[1]) * 0.8
    t0 = math.atan2(cam.p(*tip)[1] - c[1], cam.p(*tip)[0] - c[0])
    pts = [(c[0] + r * math.cos(t0 - 0.55 + 0.5 * i / 8), c[1] + r * math.sin(t0 - 0.55 + 0.5 * i / 8)) for i in range(9)]
    cv.line(pts, RAIL_BLUE, 1.3)
    end, prev = pts[0], pts[1]
    dx, dy = end[0] - prev[0], end[1] - prev[1]
    ln = math.hypot(dx, dy) or 1
    dx, dy = dx / ln, dy / ln
    cv.polygon([(end[0] + dx * 4, end[1] + dy * 4), (end[0] - dy * 3, end[1] + dx * 3), (end[0] + dy * 3, end[1] - dx * 3)],
               RAIL_BLUE)
    return cv


def badge(w, h):
    cv = Canvas(w, h)
    cv.fill_gradient(full_mask(cv), 0, h, (236, 248, 253), (190, 226, 242))
    return cv


def pic_deco_installation(w, h):
    """Section through a pool sunk halfway into the ground."""
    cv = badge(w, h)
    g = h * 0.52
    cv.polygon([(0, g), (w, g), (w, h), (0, h)], SOIL)
    cv.polygon([(0, g), (w, g), (w, g + h * 0.07), (0, g + h * 0.07)], mix(GRASS_NEAR, GRASS_FAR, 0.4))
    x0, x1, top, bot = w * 0.2, w * 0.8, h * 0.28, h * 0.8
    cv.polygon([(x0, top + h * 0.1), (x1, top + h * 0.1), (x1, bot), (x0, bot)], WATER_NEAR)
    cv.polygon([(x0, top + h * 0.1), (x1, top + h * 0.1), (x1, top + h * 0.2), (x0, top + h * 0.2)], WATER_FAR)
    for x in (x0, x1):
        cv.line([(x, top), (x, bot)], STEEL_DARK, 2.2)
        cv.line([(x, top), (x, bot)], STEEL, 1.2)
    cv.line([(x0, bot), (x1, bot)], STEEL_DARK, 2.0)
    cv.line([(x0 - 1.5, top), (x0 + 2.5, top)], RAIL_BLUE, 2.0)
    cv.line([(x1 - 2.5, top), (x1 + 1.5, top)], RAIL_BLUE, 2.0)
    cv.line([(0, g), (x0, g)], SOIL_DARK, 0.6)
    return cv


def pic_deco_ladder(w, h):
    """A stainless ladder in side-on outline."""
    cv = badge(w, h)
    cv.polygon([(0, h * 0.62), (w, h * 0.62), (w, h), (0, h)], WATER_NEAR)
    cv.polygon([(0, h * 0.62), (w, h * 0.62), (w, h * 0.7), (0, h * 0.7)], WATER_FAR)
    for dx in (0.0, w * 0.16):
        x = w * 0.3 + dx
        pts = [(x, h * 0.92), (x, h * 0.36)] + [(x + w * 0.16 + w * 0.16 * math.cos(t), h * 0.36 - h * 0.2 * math.sin(t))
                                                for t in [math.pi - math.pi * i / 10 for i in range(11)]]
        pts += [(x + w * 0.32, h * 0.5)]
        cv.line(pts, STAINLESS_EDGE, 2.4)
        cv.line(pts, STAINLESS, 1.3)
    for k in range(3):
        y = h * (0.5 + 0.14 * k)
        cv.line([(w * 0.3, y), (w * 0.46, y)], STAINLESS_EDGE, 2.2)
    return cv


PICTURES = [
    Picture("equipment/hbk.jpg", BoxSize(), pic_hbk),
    Picture("equipment/hbk3.jpg", BoxSize(), pic_hbk3),
    Picture("equipment/hbg.jpg", BoxSize(), pic_hbg),
    Picture("equipment/hhk.jpg", BoxSize(), pic_hhk),
    Picture("equipment/hhg.jpg", BoxSize(), pic_hhg),
    Picture("equipment/elb.jpg", BoxSize(), pic_elb),
    Picture("equipment/ebk.jpg", BoxSize(), pic_ebk),
    Picture("equipment/ebtk.jpg", BoxSize(), pic_ebtk),
    Picture("equipment/ebh.jpg", BoxSize(), pic_ebh),
    Picture("equipment/ebg.jpg", BoxSize(), pic_ebg),
    Picture("equipment/ebtg.jpg", BoxSize(), pic_ebtg),
    Picture("equipment/rom.jpg", BoxSize(), pic_rom),
    Picture("equipment/eck.jpg", BoxSize(), pic_eck),
    Picture("equipment/calsacr.jpg", BoxSize(), pic_calsacr),
    Picture("equipment/eckacr.jpg", BoxSize(), pic_eckacr),
    Picture("equipment/transacr.jpg", BoxSize(), pic_transacr),
    Picture("equipment/tieftreppe.jpg", BoxSize(), pic_tieftreppe),
    Picture("equipment/gelenk.jpg", BoxSize(), pic_gelenk),
    Picture("equipment/deco_installation.jpg", BoxSize(), pic_deco_installation),
    Picture("equipment/deco_ladder.jpg", BoxSize(), pic_deco_ladder),
]
