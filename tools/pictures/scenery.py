"""Scenery: sky, trees, hedge and lawn, garden furniture and bands of waves."""

import math
import random

from PIL import ImageDraw

from .canvas import SS, mask_and
from .palette import (
    CLOUD, GRASS_FAR, GRASS_NEAR, HEDGE, SKY_LOW, SKY_TOP, TREE, TREE_DARK, TREE_FAR, TRUNK, WHITE, shade,
)
from .plans import move_plan, offset_plan


def draw_cloud(cv, x, y, s, alpha=0.9):
    m = cv.new_mask()
    d = ImageDraw.Draw(m)
    for dx, dy, r in ((0, 0, 1.0), (1.1, 0.15, 0.8), (-1.05, 0.2, 0.75), (0.5, -0.45, 0.8), (-0.45, -0.35, 0.7)):
        cx, cy, rr = (x + dx * s) * SS, (y + dy * s) * SS, r * s * SS
        d.ellipse((cx - rr * 1.3, cy - rr, cx + rr * 1.3, cy + rr), fill=255)
    d.rectangle(((x - 3.0 * s) * SS, y * SS, (x + 3.0 * s) * SS, (y + 1.2 * s) * SS), fill=0)
    cv.tint(cv.blur_mask(m, s * 0.06), CLOUD, alpha)


def draw_tree(cv, x, ground, size, colour=TREE, rng=None):
    """A round deciduous tree: trunk and a cluster of crowns."""
    tw = size * 0.12
    cv.polygon([(x - tw / 2, ground), (x + tw / 2, ground), (x + tw / 3, ground - size * 0.7),
                (x - tw / 3, ground - size * 0.7)], TRUNK)
    rng = rng or random.Random(int(x * 7 + size))
    cy = ground - size * 0.95
    blobs = [(0, 0, 0.55)] + [(rng.uniform(-0.4, 0.4), rng.uniform(-0.35, 0.25), rng.uniform(0.32, 0.45))
                              for _ in range(4)]
    for dx, dy, r in blobs:
        rr = r * size
        cv.ellipse((x + dx * size - rr, cy + dy * size - rr, x + dx * size + rr, cy + dy * size + rr),
                   fill=colour)
    # soft highlight on the sunny side
    rr = size * 0.3
    m = cv.new_mask()
    ImageDraw.Draw(m).ellipse(((x - size * 0.32 - rr) * SS, (cy - size * 0.28 - rr) * SS,
                               (x - size * 0.32 + rr) * SS, (cy - size * 0.28 + rr) * SS), fill=255)
    cv.tint(cv.blur_mask(m, size * 0.12), shade(colour, 1.25), 0.5)


def draw_bush(cv, x, y, w, colour=HEDGE, flowers=None, rng=None):
    rng = rng or random.Random(int(x * 13 + y))
    for i in range(5):
        dx = (i - 2) * w * 0.18
        r = w * (0.28 + 0.06 * (2 - abs(i - 2)))
        cv.ellipse((x + dx - r, y - r * 1.6 - (2 - abs(i - 2)) * w * 0.06, x + dx + r, y), fill=shade(colour, 0.95 + 0.05 * i))
    if flowers:
        for _ in range(int(w * 0.5)):
            fx, fy = x + rng.uniform(-0.45, 0.45) * w, y - rng.uniform(0.1, 0.55) * w
            r = max(1.0, w * 0.025)
            cv.ellipse((fx - r, fy - r, fx + r, fy + r), fill=rng.choice(flowers))


def garden_backdrop(cv, horizon, seed=1, sun=None, hedge=True, trees=True):
    """Sky, clouds, a row of trees, a hedge and the lawn up to the bottom edge."""
    w, h = cv.w, cv.h
    rng = random.Random(seed)
    sky = cv.new_mask()
    ImageDraw.Draw(sky).rectangle((0, 0, w * SS, horizon * SS), fill=255)
    cv.fill_gradient(sky, 0, horizon, SKY_TOP, SKY_LOW)
    if sun:
        sx, sy, sr = sun
        glow = cv.new_mask()
        ImageDraw.Draw(glow).ellipse(((sx - sr * 2.6) * SS, (sy - sr * 2.6) * SS,
                                      (sx + sr * 2.6) * SS, (sy + sr * 2.6) * SS), fill=255)
        cv.tint(cv.blur_mask(glow, sr), (255, 250, 220), 0.55)
        cv.ellipse((sx - sr, sy - sr, sx + sr, sy + sr), fill=(255, 238, 150))
    for _ in range(max(2, w // 220)):
        draw_cloud(cv, rng.uniform(0.05, 0.95) * w, rng.uniform(0.2, 0.6) * horizon,
                   rng.uniform(0.035, 0.06) * w, 0.85)
    if trees:
        x = -20.0
        while x < w + 20:
            s = rng.uniform(0.55, 0.9) * h * 0.16
            draw_tree(cv, x, horizon + 2, s, TREE_FAR, rng)
            x += rng.uniform(0.7, 1.3) * s
        x = rng.uniform(0, 60)
        while x < w + 30:
            s = rng.uniform(0.7, 1.1) * h * 0.17
            if rng.random() < 0.6:
                draw_tree(cv, x, horizon + 4, s, rng.choice((TREE, TREE_DARK)), rng)
            x += rng.uniform(1.2, 2.2) * s
    lawn = cv.new_mask()
    ImageDraw.Draw(lawn).rectangle((0, horizon * SS, w * SS, h * SS), fill=255)
    cv.fill_gradient(lawn, horizon, h, GRASS_FAR, GRASS_NEAR)
    if hedge:
        bump = h * 0.035
        top = horizon - h * 0.01
        pts = [(0, horizon + h * 0.035)]
        x = 0.0
        while x <= w + bump:
            pts.append((x, top - bump * 0.5 * (1 + math.sin(x / bump * 1.3)) - rng.uniform(0, bump * 0.3)))
            x += bump * 0.5
        pts.append((w, horizon + h * 0.035))
        cv.polygon(pts, HEDGE)
        hm = cv.poly_mask(pts)
        cv.shade_gradient(hm, top - bump, horizon + h * 0.035, TREE_DARK, 0.0, 0.6)
    # mown stripes, very soft
    stripes = cv.new_mask()
    d = ImageDraw.Draw(stripes)
    for i in range(-6, 12):
        x0 = i * w * 0.16
        d.polygon([((x0) * SS, h * SS), ((x0 + w * 0.08) * SS, h * SS),
                   ((x0 * 0.35 + w * 0.34 + w * 0.03) * SS, horizon * SS), ((x0 * 0.35 + w * 0.34) * SS, horizon * SS)],
                  fill=255)
    cv.tint(mask_and(stripes, lawn), (255, 255, 230), 0.06)


def ground_shadow(cv, cam, plan, z=0.0, dx=0.35, dy=0.3, grow=0.15, alpha=0.3, blur=6.0):
    m = cv.poly_mask(cam.ring(move_plan(offset_plan(plan, grow), dx, dy), z))
    cv.tint(cv.blur_mask(m, blur), (20, 60, 30), alpha)


# --------------------------------------------------------------------------
# Garden furniture (plain 2D)
# --------------------------------------------------------------------------

def draw_parasol(cv, x, ground, size, c0=(222, 64, 56), c1=WHITE):
    """A garden parasol in plain 2D (for the welcome picture)."""
    top = ground - size * 1.15
    cv.line([(x, ground), (x, top)], (235, 235, 235), size * 0.035)
    w = size * 0.75
    segs = 8
    pts_edge = [(x - w + 2 * w * k / segs, top + size * 0.28 + size * 0.03 * math.sin(math.pi * k / segs))
                for k in range(segs + 1)]
    apex = (x, top - size * 0.06)
    for k in range(segs):
        a, b = pts_edge[k], pts_edge[k + 1]
        mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 + size * 0.05)
        cv.polygon([apex, a, mid, b], c0 if k % 2 == 0 else c1)
    cv.ellipse((x - size * 0.05, top - size * 0.1, x + size * 0.05, top), fill=(235, 235, 235))
    base = size * 0.18
    cv.ellipse((x - base, ground - base * 0.25, x + base, ground + base * 0.25), fill=(60, 70, 80))


def draw_lounger(cv, x, y, size, colour=(244, 244, 240), cushion=(40, 150, 210)):
    """A side view of a sun lounger (2D)."""
    L = size
    pts = [(x, y - L * 0.14), (x + L * 0.62, y - L * 0.14), (x + L * 0.95, y - L * 0.42),
           (x + L * 1.0, y - L * 0.38), (x + L * 0.7, y - L * 0.08), (x, y - L * 0.08)]
    cv.polygon(pts, colour, outline=shade(colour, 0.7), width=0.8)
    cv.polygon([(x + L * 0.02, y - L * 0.17), (x + L * 0.6, y - L * 0.17), (x + L * 0.9, y - L * 0.44),
                (x + L * 0.84, y - L * 0.46), (x + L * 0.57, y - L * 0.2), (x + L * 0.02, y - L * 0.2)], cushion)
    for lx in (0.06, 0.58):
        cv.line([(x + L * lx, y - L * 0.08), (x + L * lx, y)], shade(colour, 0.6), L * 0.03)


# --------------------------------------------------------------------------
# Bands of waves
# --------------------------------------------------------------------------

def wave_band(cv, y, amp, length, colour, alpha=1.0, phase=0.0):
    pts = [(0, cv.h + 5)]
    x = 0.0
    while x <= cv.w + 4:
        pts.append((x, y + amp * math.sin(2 * math.pi * x / length + phase)))
        x += 2
    pts.append((cv.w, cv.h + 5))
    cv.tint(cv.poly_mask(pts), colour, alpha)
