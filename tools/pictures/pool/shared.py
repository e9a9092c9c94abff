"""Pictures that several pool pages show: the handrail piece and the edge-stone samples."""

import math
import random

from PIL import ImageDraw

from ..camera import Camera
from ..canvas import SS, Canvas
from ..entries import Picture
from ..palette import GRASS_FAR, GRASS_NEAR, RAIL_BLUE, RAIL_LIGHT, STEEL, STONE_COLOURS, mix
from ..plans import circle_plan, offset_plan
from ..pool_parts import draw_stones, draw_water
from ..scenery import ground_shadow
from ..sizes import BoxSize, ZoomSize
from ..solids import sweep_profile


HANDRAIL_PROFILE_MM = (
    # (u, v) in mm: u outward from the wall, v up from the wall top.
    # outer lip, rounded cap, liner hook, and the U clamp around the wall top
    [(36, -22), (36, 0)]
    + [(36 * math.cos(math.pi * k / 14), 9 * math.sin(math.pi * k / 14)) for k in range(1, 14)]
    + [(-36, 0), (-36, -18), (-26, -18), (-26, -14), (-31, -14), (-31, -5), (-9, -5), (-9, -30), (-4, -30),
       (-4, -5), (4, -5), (4, -30), (9, -30), (9, -5), (31, -5), (31, -22)]
)


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


# enlargedSampleSize in pages/pool/poolpage.cpp: a click on a stone sample zooms its box to this
ENLARGED_SAMPLE = (177, 105)

PICTURES = [
    # small: twice its box so that it stays sharp when scaled
    Picture("pool/handrail.jpg", BoxSize(2), pic_handrail),
    # twice the enlarged sample, for the same reason
    Picture("pool/stone_white.jpg", ZoomSize(ENLARGED_SAMPLE, 2), pic_stone("white")),
    Picture("pool/stone_blue.jpg", ZoomSize(ENLARGED_SAMPLE, 2), pic_stone("blue")),
    Picture("pool/stone_red.jpg", ZoomSize(ENLARGED_SAMPLE, 2), pic_stone("red")),
    Picture("pool/stone_yellow.jpg", ZoomSize(ENLARGED_SAMPLE, 2), pic_stone("yellow")),
]
