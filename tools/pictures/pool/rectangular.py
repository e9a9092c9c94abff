"""Pictures of the rectangular pool page (pages/pool/rectangularpoolpage.ui): the finished pool,
its polystyrene block wall and the pit with the walls going up."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import (
    CONCRETE, CONCRETE_DARK, FOAM, GRASS_NEAR, SOIL, SOIL_DARK, STONE_COLOURS, WOOD, WOOD_DARK, mix,
)
from ..plans import offset_plan, rect_plan
from ..pool_parts import draw_wall, tube
from ..pools import draw_inground_pool
from ..scenery import garden_backdrop, ground_shadow
from ..sizes import BoxSize, Kept
from ..solids import draw_box


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


PICTURES = [
    Picture("pool/rect.jpg", Kept((722, 450), "no form shows it (the rectangular page has no pool panel); "
                                              "drawn at the size of the round pool picture"), pic_pool_rect),
    Picture("pool/rect_finished.jpg", BoxSize(), pic_rect_finished),
    Picture("pool/rect_foamblock.jpg", BoxSize(), pic_rect_foamblock),
    Picture("pool/rect_construction.jpg", BoxSize(), pic_rect_construction),
]
