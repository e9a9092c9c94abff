"""Whole pools, and the garden scene round a steel-wall pool."""

import random

from .camera import Camera, bounds3d
from .canvas import Canvas
from .palette import STEEL, STEEL_DARK
from .plans import offset_plan
from .pool_parts import (
    draw_grab_rails, draw_handrail, draw_pool_ladder, draw_skimmer, draw_stones, draw_wall, draw_water,
)
from .scenery import garden_backdrop, ground_shadow


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


def pool_scene(w, h, plan, height, z_ground=0.0, elevation=27, azimuth=-12, seed=1, box=None, **kw):
    cv = Canvas(w, h)
    garden_backdrop(cv, h * 0.3, seed=seed)
    cam = Camera(elevation=elevation, azimuth=azimuth, distance=26)
    box = box or (w * 0.08, h * 0.3, w * 0.92, h * 0.94)
    cam.fit(bounds3d(offset_plan(plan, 0.5), z_ground, z_ground + height + 0.5), box)
    draw_steel_pool(cv, cam, plan, height, z_ground=z_ground, seed=seed, **kw)
    return cv
