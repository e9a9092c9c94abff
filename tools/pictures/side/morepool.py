"""Pictures of the information page "Mehr Schwimmbad" (pages/side/morepoolpage.ui): how the
concrete-free pool wall of polystyrene blocks goes up, and a cut through the finished wall.

The five step pictures are drawn at the size a click enlarges them to (the table in
morepoolpage.cpp); in the page's first layout the boxes show them smaller."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera, bounds3d
from ..canvas import SS, Canvas
from ..entries import Picture
from ..palette import (
    FOAM, GRASS_FAR, GRASS_NEAR, LINER, SOIL, SOIL_DARK, STEEL, STEEL_DARK, STONE_COLOURS, WATER_FAR, WATER_NEAR,
    mix, shade,
)
from ..plans import circle_plan, offset_plan
from ..pool_parts import draw_wall, draw_water
from ..pools import draw_inground_pool
from ..pool.rectangular import draw_foam_block
from ..scenery import draw_bush, garden_backdrop, ground_shadow
from ..sizes import BoxSize, ZoomSize
from ..solids import draw_box, sweep_profile
from . import _parts as p

# what a click on each picture enlarges it to (morepoolpage.cpp)
ENLARGED = {
    "as1": (383, 353),
    "as2": (449, 129),
    "as3": (569, 201),
    "as4": (441, 257),
    "as5": (601, 185),
}

JOINT = (196, 200, 206)


def block_camera(w, h, pts, box, elevation=28, azimuth=-30, distance=6):
    cam = Camera(elevation=elevation, azimuth=azimuth, distance=distance)
    cam.fit(pts, box)
    return cam


def floor_shadow(cv, cam, x0, x1, y0, y1):
    m = cv.poly_mask([cam.p(x0, y0, 0), cam.p(x1, y0, 0), cam.p(x1, y1, 0), cam.p(x0, y1, 0)])
    cv.tint(cv.blur_mask(m, 5), (110, 150, 175), 0.4)


def pic_foamblock(w, h):
    """One hollow block of polystyrene, its two cores open."""
    cv = Canvas(w, h)
    p.studio(cv, floor=0.62)
    L, W, H = 1.0, 0.25, 0.25
    cam = block_camera(w, h, [(x, y, z) for x in (0, L) for y in (0, W) for z in (0, H)],
                       (w * 0.1, h * 0.16, w * 0.9, h * 0.84), elevation=34)
    floor_shadow(cv, cam, 0.06, L + 0.1, 0.04, W + 0.12)
    draw_foam_block(cv, cam, 0.0, 0.0, 0.0, L, W, H, random.Random(201))
    return cv


def pic_foamblock_row(w, h):
    """The first course laid round the steel wall: block after block along its curve."""
    cv = Canvas(w, h)
    p.studio(cv, floor=0.4)
    R, t, c = 4.0, 0.25, 0.25
    cam = Camera(elevation=24, azimuth=0, distance=14)
    a0, a1 = math.radians(235), math.radians(305)
    pts = [((R + u) * math.cos(a), (R + u) * math.sin(a), z) for a in (a0, (a0 + a1) / 2, a1)
           for u in (-0.05, t) for z in (0, 0.8)]
    cam.fit(pts, (w * 0.02, h * 0.06, w * 0.98, h * 0.94))
    plan = circle_plan(R - 0.03, 240)
    use = lambda i: a0 - 0.05 <= (2 * math.pi * i / 240) <= a1 + 0.05
    draw_wall(cv, cam, plan, 0.0, 0.8, STEEL, inner=True, use=use, ground_dark=0.0)
    profile = [(0, 0), (t, 0), (t, c), (0, c)]
    block = math.radians(7.2)
    a = a0
    while a < a1 - 0.001:
        b = min(a1, a + block)
        sweep_profile(cv, cam, profile, R, a + 0.002, b - 0.002, FOAM, steps=4, caps=True, cap_colour=(226, 230, 236))
        a = b
    return cv


def tongue_block(cv, cam, x0, z0, L, W, H, rng):
    """A block with a tongue along its top, so that the next course keys into it."""
    draw_foam_block(cv, cam, x0, 0.0, z0, L, W, H, rng)
    draw_box(cv, cam, x0 + 0.02, x0 + L - 0.02, W * 0.4, W * 0.6, z0 + H, z0 + H + 0.03, FOAM, outline=JOINT)


def pic_foamblock_joint(w, h):
    """Keyed like building bricks: a block coming down onto the course below."""
    cv = Canvas(w, h)
    p.studio(cv, floor=0.7)
    L, W, H = 1.0, 0.25, 0.25
    cam = block_camera(w, h, [(x, y, z) for x in (0, 2.1) for y in (0, W) for z in (0, 0.72)],
                       (w * 0.08, h * 0.06, w * 0.92, h * 0.94), elevation=22, azimuth=-18, distance=8)
    rng = random.Random(203)
    floor_shadow(cv, cam, 0.05, 2.15, 0.04, W + 0.1)
    for x in (0.0, 1.0):
        tongue_block(cv, cam, x, 0.0, L, W, H, rng)
    tongue_block(cv, cam, 0.5, 0.42, L, W, H, rng)
    # an arrow: the block goes down and keys in
    ax, top = cam.p(1.0, W / 2, 0.7)
    _, bot = cam.p(1.0, W / 2, 0.32)
    ax += w * 0.34
    cv.line([(ax, top), (ax, bot - 6)], (40, 110, 190), 3)
    cv.polygon([(ax - 7, bot - 10), (ax + 7, bot - 10), (ax, bot + 2)], (40, 110, 190))
    return cv


def pic_foamblock_wall(w, h):
    """The wall stands: blocks all round the steel wall, in the pit."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.2, seed=204, trees=True)
    R = 2.5
    cam = Camera(elevation=36, azimuth=-10, distance=20)
    cam.fit(bounds3d(circle_plan(R + 1.2, 48), -1.2, 0.1), (w * 0.05, h * 0.22, w * 0.95, h * 0.98))
    pit = circle_plan(R + 0.9, 120)
    cv.polygon(cam.ring(offset_plan(pit, 0.45), 0), mix(SOIL, GRASS_NEAR, 0.35))
    cv.polygon(cam.ring(pit, 0), SOIL_DARK)
    draw_wall(cv, cam, pit, -1.2, 0, SOIL_DARK, inner=True, ground_dark=0.0)
    t, c = 0.25, 0.25
    profile = [(0, 0), (t, 0), (t, c), (0, c)]
    block = math.radians(12)
    for k in range(4):
        z = -1.2 + k * c
        a = block / 2 if k % 2 else 0.0
        while a < 2 * math.pi - 0.001:
            b = min(2 * math.pi, a + block)
            sweep_profile(cv, cam, [(u, v + z) for u, v in profile], R + 0.02, a + 0.004, b - 0.004, FOAM, steps=3,
                          caps=False)
            a = b
    # the steel wall inside the blocks, the liner and the water
    plan = circle_plan(R, 120)
    draw_wall(cv, cam, plan, -1.2, 0.0, LINER, inner=True, ground_dark=0.0)
    draw_water(cv, cam, offset_plan(plan, -0.02), 0.0, -0.16, random.Random(204))
    cv.line(cam.ring(plan, 0.0) + [cam.ring(plan, 0.0)[0]], STEEL, 1.6)
    return cv


def pic_foamblock_pool(w, h):
    """Finished: the pool in the lawn, its rim of edge stones."""
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.32, seed=205)
    plan = circle_plan(2.5, 120)
    cam = Camera(elevation=24, azimuth=-10, distance=22)
    cam.fit(bounds3d(offset_plan(plan, 0.6), 0, 0.1), (w * 0.25, h * 0.38, w * 0.75, h * 0.96))
    ground_shadow(cv, cam, offset_plan(plan, 0.33), 0.0, dx=0.08, dy=0.12, grow=0.03, alpha=0.2, blur=2)
    draw_inground_pool(cv, cam, plan, STONE_COLOURS["blue"], seed=205, ladder=True, stone_len=0.5)
    for x, flowers in ((w * 0.1, [(240, 80, 90)]), (w * 0.9, [(250, 220, 90)])):
        draw_bush(cv, x, h * 0.9, h * 0.4, flowers=flowers)
    return cv


def pic_foamblock_cutaway(w, h):
    """A cut through the finished wall: soil, the block wall, the steel wall with its
    liner, the water, and the edge stone over it all."""
    cv = Canvas(w, h)
    s = h / 400.0
    ground = h * 0.3
    p.fill(cv, (198, 230, 248), (232, 246, 252), 0, ground)
    # the soil round the pit, in layers
    cv.rect((0, ground, w, h), fill=SOIL)
    rng = random.Random(206)
    for _ in range(160):
        x, y = rng.uniform(0, w), rng.uniform(ground + 20 * s, h)
        r = rng.uniform(1.5, 4) * s
        cv.ellipse((x - r, y - r * 0.7, x + r, y + r * 0.7), fill=shade(SOIL, rng.uniform(0.8, 0.95)))
    cv.rect((0, ground - 8 * s, w, ground + 14 * s), fill=GRASS_NEAR)
    cv.rect((0, ground - 8 * s, w, ground - 2 * s), fill=GRASS_FAR)
    # the pit holds the pool: water to the right of the wall
    wall_x = w * 0.38
    floor = h * 0.9
    cv.rect((wall_x, ground - 6 * s, w, floor), fill=mix(WATER_FAR, WATER_NEAR, 0.5))
    m = cv.new_mask()
    ImageDraw.Draw(m).rectangle((wall_x * SS, (ground + 12 * s) * SS, w * SS, floor * SS), fill=255)
    cv.fill_gradient(m, ground, floor, WATER_FAR, WATER_NEAR)
    cv.rect((wall_x, floor, w, floor + 10 * s), fill=(120, 126, 130))
    # blocks stacked behind the steel wall, their cores open: no concrete
    bw, bh = 62 * s, (floor - ground) / 5
    for k in range(5):
        y0 = ground + k * bh
        x0 = wall_x - bw - 4 * s
        cv.rect((x0, y0 + 1, x0 + bw, y0 + bh - 1), fill=FOAM, outline=JOINT, width=1)
        cv.rect((x0 + bw * 0.25, y0 + bh * 0.22, x0 + bw * 0.75, y0 + bh * 0.78), fill=(226, 230, 236))
        for _ in range(30):
            x, y = rng.uniform(x0 + 2, x0 + bw - 2), rng.uniform(y0 + 2, y0 + bh - 2)
            cv.ellipse((x - 0.8, y - 0.8, x + 0.8, y + 0.8), fill=(214, 218, 222))
    cv.rect((wall_x - 4 * s, ground - 4 * s, wall_x, floor + 4 * s), fill=STEEL_DARK)
    cv.rect((wall_x, ground - 4 * s, wall_x + 3 * s, floor), fill=LINER)
    # the edge stone over wall and blocks
    stone = (wall_x - bw - 20 * s, ground - 20 * s, wall_x + 26 * s, ground - 4 * s)
    cv.rect(stone, fill=STONE_COLOURS["white"], outline=(190, 186, 176), width=1, radius=3 * s)
    # the ripples of the water line
    for k in range(6):
        x = wall_x + 20 * s + k * 50 * s
        cv.line([(x, ground + 2 * s), (x + 24 * s, ground + 2 * s)], (226, 250, 255), 2 * s)
    labels = (("Styroporsteine", wall_x - bw / 2 - 4 * s, h * 0.95), ("Stahlwand", wall_x + 8 * s, h * 0.56),
              ("Beckenrandstein", wall_x - bw / 2, ground - 40 * s))
    for text, x, y in labels:
        cv.text((x, y), text, p.BOLD, 15 * s, p.NAVY, anchor="lm" if text == "Stahlwand" else "mm")
    return cv


PICTURES = [
    Picture("side/foamblock.jpg", ZoomSize(ENLARGED["as1"]), pic_foamblock),
    Picture("side/foamblock_row.jpg", ZoomSize(ENLARGED["as2"]), pic_foamblock_row),
    Picture("side/foamblock_joint.jpg", ZoomSize(ENLARGED["as3"]), pic_foamblock_joint),
    Picture("side/foamblock_wall.jpg", ZoomSize(ENLARGED["as4"]), pic_foamblock_wall),
    Picture("side/foamblock_pool.jpg", ZoomSize(ENLARGED["as5"]), pic_foamblock_pool),
    Picture("side/foamblock_cutaway.jpg", BoxSize(), pic_foamblock_cutaway),
]
