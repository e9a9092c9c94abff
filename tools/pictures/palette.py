"""Palette (shared by every picture), the light direction and the fonts."""

import math
import os

from PIL import ImageFont


SKY_TOP = (92, 174, 232)
SKY_LOW = (200, 234, 248)
CLOUD = (255, 255, 255)
TREE_FAR = (118, 172, 118)
TREE = (62, 136, 70)
TREE_DARK = (40, 104, 54)
TRUNK = (118, 84, 56)
HEDGE = (48, 116, 60)
GRASS_FAR = (130, 194, 94)
GRASS_NEAR = (80, 156, 66)
WATER_FAR = (150, 232, 240)
WATER_NEAR = (16, 156, 208)
WATER_SHINE = (226, 252, 255)
LINER = (30, 108, 188)
LINER_DARK = (16, 70, 140)
STEEL = (228, 233, 238)
STEEL_DARK = (160, 170, 184)
STEEL_INNER = (200, 207, 216)
RAIL_BLUE = (28, 96, 178)
RAIL_LIGHT = (96, 164, 228)
STAINLESS = (238, 242, 246)
STAINLESS_EDGE = (96, 108, 124)
WOOD = (198, 148, 94)
WOOD_DARK = (146, 102, 62)
CONCRETE = (192, 192, 186)
CONCRETE_DARK = (146, 146, 140)
FLEECE = (246, 244, 236)
SOIL = (160, 120, 82)
SOIL_DARK = (112, 80, 54)
FOAM = (250, 250, 246)
HOSE = (46, 150, 74)
WHITE = (255, 255, 255)

STONE_COLOURS = {
    "white": (236, 233, 224),
    "blue": (72, 128, 192),
    "red": (180, 76, 56),
    "yellow": (228, 192, 108),
}

# direction towards the light (front left, above); used for flat shading
LIGHT = (-0.45, 0.55, 0.70)
_ln = math.sqrt(sum(c * c for c in LIGHT))
LIGHT = tuple(c / _ln for c in LIGHT)

FONT_DIRS = ["/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/dejavu"]


# --------------------------------------------------------------------------
# Colour helpers
# --------------------------------------------------------------------------

def mix(c0, c1, t):
    """Blend two RGB colours, t = 0 gives c0, t = 1 gives c1."""
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


def shade(c, f):
    """Scale an RGB colour's brightness by f (clamped to 0..255)."""
    return tuple(max(0, min(255, int(round(v * f)))) for v in c)


def lit(c, normal, ambient=0.74, diffuse=0.34):
    """Flat Lambert shading of colour c for a surface normal."""
    d = sum(a * b for a, b in zip(normal, LIGHT))
    return shade(c, ambient + diffuse * max(0.0, d))


def font(name, size):
    for d in FONT_DIRS:
        path = os.path.join(d, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.truetype(os.path.join(FONT_DIRS[1], "DejaVuSans-Bold.ttf"), size)
