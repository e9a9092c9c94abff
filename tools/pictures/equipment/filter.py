"""Pictures of the filter systems page (pages/equipment/filterpage.ui): the filter systems of
the catalogue, the hang-on cartridge filter, the salt-water electrolysis unit and its
remote-control module.

The sand filters are drawn as catalogue photographs would show them: the tank standing on
its pallet beside its pump, the 6-way valve on top of the tank or at its side, the pipes
between them, on a light studio backdrop.  Shapes are plain 2D with the shared light from
the front left: upright parts are shaded as cylinders across their width, lying parts
across their height.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from ..canvas import SS, Canvas, mask_and
from ..entries import Picture
from ..palette import LIGHT, WATER_FAR, WATER_NEAR, WATER_SHINE, WHITE, WOOD, WOOD_DARK, mix, shade
from ..scenery import wave_band
from ..sizes import BoxSize

BACK_TOP = (244, 251, 254)
BACK_LOW = (200, 232, 246)
FLOOR = (214, 226, 232)
PVC = (226, 230, 234)
PVC_EDGE = (132, 140, 150)
VALVE = (58, 64, 74)
BOLT = (150, 156, 164)


# --------------------------------------------------------------------------
# Shading helpers
# --------------------------------------------------------------------------

def _column_colour(colour, t, ambient=0.72, diffuse=0.4):
    """The colour of an upright cylinder at t (0 left edge .. 1 right edge) of its width."""
    a = (t * 2 - 1) * math.pi / 2
    d = LIGHT[0] * math.sin(a) + LIGHT[1] * math.cos(a)  # the normal (sin a, cos a, 0)
    return shade(colour, ambient + diffuse * max(0.0, d))


def _row_colour(colour, t, ambient=0.72, diffuse=0.4):
    """The colour of a lying cylinder at t (0 top .. 1 bottom) of its height."""
    a = (t * 2 - 1) * math.pi / 2
    d = LIGHT[1] * math.cos(a) - LIGHT[2] * math.sin(a)  # the normal (0, cos a, -sin a)
    return shade(colour, ambient + diffuse * max(0.0, d))


def shaded(cv, mask, x0, x1, colour, upright=True, y0=None, y1=None, shine=0.35):
    """Fills the mask with cylinder shading across x0..x1 (upright) or y0..y1 (lying),
    and a soft highlight line on the side towards the light."""
    size = cv.img.size
    if upright:
        n = size[0]
        a, b = x0 * SS, x1 * SS
        strip = [_column_colour(colour, min(1.0, max(0.0, (i - a) / (b - a)))) for i in range(n)]
        line = Image.new("RGB", (n, 1))
    else:
        n = size[1]
        a, b = y0 * SS, y1 * SS
        strip = [_row_colour(colour, min(1.0, max(0.0, (i - a) / (b - a)))) for i in range(n)]
        line = Image.new("RGB", (1, n))
    line.putdata(strip)
    cv.img.paste(line.resize(size, Image.NEAREST), (0, 0), mask)
    if shine:
        m = cv.new_mask()
        d = ImageDraw.Draw(m)
        if upright:
            hx = x0 + (x1 - x0) * 0.28
            d.rectangle(((hx - (x1 - x0) * 0.05) * SS, 0, (hx + (x1 - x0) * 0.05) * SS, size[1]), fill=255)
            blur = (x1 - x0) * 0.05
        else:
            hy = y0 + (y1 - y0) * 0.25
            d.rectangle((0, (hy - (y1 - y0) * 0.05) * SS, size[0], (hy + (y1 - y0) * 0.05) * SS), fill=255)
            blur = (y1 - y0) * 0.05
        cv.tint(mask_and(cv.blur_mask(m, blur), mask), WHITE, shine)


def outline(cv, mask, colour, width=0.5):
    """Draws the edge of a masked shape."""
    inner = mask.filter(ImageFilter.MinFilter(2 * max(1, int(round(width * SS))) + 1))
    cv.img.paste(colour, (0, 0) + cv.img.size, ImageChops.subtract(mask, inner))


def rect_mask(cv, box, radius=0):
    m = cv.new_mask()
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).rounded_rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), radius=radius * SS, fill=255)
    return m


def ellipse_mask(cv, box):
    m = cv.new_mask()
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=255)
    return m


def soft_shadow(cv, box, alpha=0.35, blur=4.0):
    cv.tint(cv.blur_mask(ellipse_mask(cv, box), blur), (40, 70, 90), alpha)


def pipe(cv, pts, width, fill=PVC, edge=PVC_EDGE):
    """A plastic pipe: an outline, its body and a light line along it."""
    cv.line(pts, edge, width + 1.2)
    cv.line(pts, fill, width)
    cv.line([(x - width * 0.18, y - width * 0.18) for x, y in pts], shade(fill, 1.06), width * 0.3)


def backdrop(cv):
    """The light studio backdrop with its floor."""
    w, h = cv.w, cv.h
    full = rect_mask(cv, (0, 0, w, h))
    cv.fill_gradient(full, 0, h, BACK_TOP, BACK_LOW)
    floor = rect_mask(cv, (0, h * 0.8, w, h))
    cv.fill_gradient(floor, h * 0.8, h, mix(BACK_LOW, FLOOR, 0.6), FLOOR)


# --------------------------------------------------------------------------
# The parts of a filter system
# --------------------------------------------------------------------------

def pallet(cv, x0, x1, y, s):
    """A wooden pallet whose top boards lie at y."""
    th = 5 * s
    for k in range(3):
        bx = x0 + (x1 - x0) * (0.02 + 0.43 * k)
        cv.rect((bx, y + th, bx + (x1 - x0) * 0.12, y + th + 8 * s), fill=shade(WOOD, 0.82), outline=WOOD_DARK,
                width=0.5)
    cv.rect((x0, y + th + 8 * s, x1, y + th + 12 * s), fill=shade(WOOD, 0.9), outline=WOOD_DARK, width=0.5)
    boards = 6
    bw = (x1 - x0) / boards
    for k in range(boards):
        cv.rect((x0 + k * bw + 0.6, y, x0 + (k + 1) * bw - 0.6, y + th), fill=shade(WOOD, 1.0 + 0.03 * (k % 2)),
                outline=WOOD_DARK, width=0.5)


def tank(cv, cx, base, width, height, colour, split=False, fibre=False, hatch=False, foot=(70, 78, 90)):
    """A filter tank standing on its foot at base: a rounded body, a dome on top.
    Returns the top of the dome."""
    s = width / 80.0
    x0, x1 = cx - width / 2, cx + width / 2
    foot_h = 9 * s
    cv.rect((cx - width * 0.42, base - foot_h, cx + width * 0.42, base), fill=foot, radius=2 * s)
    cv.rect((cx - width * 0.42, base - foot_h, cx + width * 0.42, base - foot_h + 2 * s), fill=shade(foot, 1.3))
    body_bottom = base - foot_h + 3 * s
    body_top = body_bottom - height
    dome = width * 0.32
    edge = shade(colour, 0.55)
    m = cv.new_mask()
    d = ImageDraw.Draw(m)
    d.rounded_rectangle((x0 * SS, body_top * SS, x1 * SS, body_bottom * SS), radius=width * 0.16 * SS, fill=255)
    d.ellipse((x0 * SS, (body_top - dome) * SS, x1 * SS, (body_top + dome) * SS), fill=255)
    shaded(cv, m, x0, x1, colour)
    if fibre:  # the winding of the glass fibre
        wm = cv.new_mask()
        wd = ImageDraw.Draw(wm)
        step = 7 * s
        y = body_top - dome
        while y < body_bottom + width:
            wd.line((x0 * SS, y * SS, x1 * SS, (y - width * 0.35) * SS), fill=255, width=max(1, int(0.6 * SS)))
            y += step
        cv.tint(mask_and(wm, m), shade(colour, 0.8), 0.35)
    if split:  # the flange ring that joins the two halves
        fy = body_top + height * 0.46
        fm = rect_mask(cv, (x0 - 3 * s, fy - 4 * s, x1 + 3 * s, fy + 4 * s), radius=2 * s)
        shaded(cv, fm, x0 - 3 * s, x1 + 3 * s, (120, 128, 140), shine=0.25)
        for k in range(7):
            bx = x0 + width * (0.08 + 0.14 * k)
            cv.ellipse((bx - 1.5 * s, fy - 1.5 * s, bx + 1.5 * s, fy + 1.5 * s), fill=(220, 224, 228),
                       outline=(80, 86, 96), width=0.4)
    if hatch:  # the inspection opening
        hy = body_top + height * 0.62
        r = width * 0.2
        cv.ellipse((cx - r - 2 * s, hy - r - 2 * s, cx + r + 2 * s, hy + r + 2 * s), fill=shade(colour, 0.7))
        hm = ellipse_mask(cv, (cx - r, hy - r, cx + r, hy + r))
        shaded(cv, hm, cx - r, cx + r, (70, 76, 88), shine=0.3)
        for k in range(8):
            a = 2 * math.pi * k / 8
            bx, by = cx + (r + 0.5 * s) * math.cos(a), hy + (r + 0.5 * s) * math.sin(a)
            cv.ellipse((bx - 1.2 * s, by - 1.2 * s, bx + 1.2 * s, by + 1.2 * s), fill=BOLT)
    outline(cv, m, edge)
    return body_top - dome


def manometer(cv, x, y, r):
    cv.ellipse((x - r, y - r, x + r, y + r), fill=(40, 44, 52))
    cv.ellipse((x - r * 0.78, y - r * 0.78, x + r * 0.78, y + r * 0.78), fill=WHITE)
    for k in range(7):
        a = math.radians(210 - k * 40)
        cv.line([(x + r * 0.55 * math.cos(a), y - r * 0.55 * math.sin(a)),
                 (x + r * 0.7 * math.cos(a), y - r * 0.7 * math.sin(a))], (60, 60, 60), max(0.4, r * 0.08))
    a = math.radians(120)
    cv.line([(x, y), (x + r * 0.62 * math.cos(a), y - r * 0.62 * math.sin(a))], (210, 40, 40), max(0.5, r * 0.14))


def top_valve(cv, cx, top, s):
    """The 6-way valve sitting on the tank's dome, its lever and the manometer."""
    vw, vh = 26 * s, 16 * s
    x0, y0 = cx - vw / 2, top - vh + 3 * s
    shaded(cv, rect_mask(cv, (x0, y0, x0 + vw, top + 3 * s), radius=3 * s), x0, x0 + vw, VALVE, shine=0.3)
    for side in (-1, 1):  # the ports to pump and return
        px = cx + side * vw * 0.5
        cv.rect((min(px, px + side * 8 * s), y0 + 5 * s, max(px, px + side * 8 * s), y0 + 11 * s),
                fill=shade(VALVE, 1.2), outline=shade(VALVE, 0.7), width=0.4)
    # the lid with the lever
    cv.ellipse((cx - vw * 0.42, y0 - 4 * s, cx + vw * 0.42, y0 + 3 * s), fill=shade(VALVE, 1.35))
    cv.line([(cx, y0 - 1 * s), (cx + 18 * s, y0 - 9 * s)], (24, 26, 30), 3.4 * s)
    cv.ellipse((cx + 15 * s, y0 - 12 * s, cx + 22 * s, y0 - 6 * s), fill=(24, 26, 30))
    manometer(cv, cx - 9 * s, y0 - 6 * s, 5 * s)
    return (cx - vw / 2 - 8 * s, y0 + 8 * s), (cx + vw / 2 + 8 * s, y0 + 8 * s)


def side_valve(cv, x, y, s):
    """The 6-way valve at the side of the tank (x its left edge, y its middle)."""
    vw, vh = 22 * s, 24 * s
    shaded(cv, rect_mask(cv, (x, y - vh / 2, x + vw, y + vh / 2), radius=3 * s), x, x + vw, VALVE, shine=0.3)
    cv.ellipse((x + vw * 0.2, y - vh / 2 - 4 * s, x + vw * 0.8, y - vh / 2 + 3 * s), fill=shade(VALVE, 1.35))
    cv.line([(x + vw * 0.5, y - vh / 2 - 1 * s), (x + vw * 0.5 + 14 * s, y - vh / 2 - 11 * s)], (24, 26, 30), 3.2 * s)
    cv.ellipse((x + vw * 0.5 + 11 * s, y - vh / 2 - 14 * s, x + vw * 0.5 + 18 * s, y - vh / 2 - 8 * s),
               fill=(24, 26, 30))
    manometer(cv, x + vw * 0.5, y + 2 * s, 5.5 * s)
    return (x + vw, y + vh * 0.3)


def pump(cv, x0, base, length, s, body=(34, 112, 196), lid=(150, 214, 240), timer=False):
    """A self-priming pump lying on its foot: the prefilter pot with its clear lid on the
    left, the motor with its fan cover to the right.  Returns the suction and the outlet."""
    height = length * 0.42
    pot_w = length * 0.36
    top = base - height
    foot = shade(body, 0.6)
    cv.rect((x0 + length * 0.1, base - 4 * s, x0 + length * 0.9, base), fill=foot, radius=1.5 * s)
    # motor
    mx0, mx1 = x0 + pot_w - 2 * s, x0 + length
    my0, my1 = top + height * 0.2, base - 4 * s
    motor = rect_mask(cv, (mx0, my0, mx1, my1), radius=height * 0.18)
    shaded(cv, motor, mx0, mx1, shade(body, 1.0), upright=False, y0=my0, y1=my1)
    for k in range(6):  # cooling ribs of the fan cover
        rx = mx1 - length * 0.05 - k * length * 0.045
        cv.line([(rx, my0 + 3 * s), (rx, my1 - 3 * s)], shade(body, 0.7), 0.8 * s)
    # terminal box on the motor
    tb = (mx0 + (mx1 - mx0) * 0.3, my0 - 7 * s, mx0 + (mx1 - mx0) * 0.62, my0 + 1 * s)
    cv.rect(tb, fill=shade(body, 1.12), outline=shade(body, 0.65), width=0.5, radius=1.5 * s)
    if timer:  # the built-in time control with its display
        cv.rect((tb[0] + 2 * s, tb[1] + 1.5 * s, tb[2] - 2 * s, tb[3] - 2 * s), fill=(30, 40, 36), radius=1 * s)
        cv.text(((tb[0] + tb[2]) / 2, (tb[1] + tb[3]) / 2 - 0.3 * s), "8:00", "LiberationSans-Bold.ttf", 4.2 * s,
                (110, 240, 150), anchor="mm")
    # prefilter pot and its clear lid
    px0, px1 = x0, x0 + pot_w
    pot = rect_mask(cv, (px0, top + height * 0.28, px1, base - 4 * s), radius=3 * s)
    shaded(cv, pot, px0, px1, shade(body, 1.05))
    lid_box = (px0 - 1 * s, top, px1 + 1 * s, top + height * 0.34)
    shaded(cv, rect_mask(cv, lid_box, radius=4 * s), px0, px1, lid, shine=0.55)
    cv.rect((px0 + pot_w * 0.3, top - 3 * s, px1 - pot_w * 0.3, top + 2 * s), fill=shade(body, 0.85), radius=1 * s)
    suction = (px0, top + height * 0.55)
    outlet = (px0 + pot_w * 0.5, top)
    return suction, (mx0 + 2 * s, my0 + 2 * s), outlet


# --------------------------------------------------------------------------
# The filter systems
# --------------------------------------------------------------------------

TANKS = {  # colour of the tank body
    "plastic": (214, 222, 230),
    "anthracite": (92, 100, 112),
    "blue": (96, 150, 204),
    "fibre": (66, 112, 150),
    "gfk": (150, 188, 176),
    "white": (238, 240, 242),
}


def filter_system(w, h, tank_colour, size=1.0, top=True, split=False, fibre=False, hatch=False,
                  pump_body=(34, 112, 196), pump_lid=(150, 214, 240), timer=False, heating=False):
    cv = Canvas(w, h)
    backdrop(cv)
    s = h / 234.0
    floor_y = h * 0.9
    # pallet under tank and pump
    px0, px1 = w * 0.06, w * 0.94
    soft_shadow(cv, (px0 - 4 * s, floor_y - 6 * s, px1 + 10 * s, floor_y + 10 * s), alpha=0.3)
    pallet(cv, px0, px1, floor_y - 17 * s, s)
    deck = floor_y - 17 * s
    tw = 70 * s * size
    th = 92 * s * size + (10 * s if split else 0)
    tcx = w * 0.32
    dome_top = tank(cv, tcx, deck, tw, th, TANKS[tank_colour], split=split, fibre=fibre, hatch=hatch)
    # the pump on the pallet to the right
    pl = 74 * s
    suction, _, outlet = pump(cv, w * 0.56, deck, pl, s, body=pump_body, lid=pump_lid, timer=timer)
    # the valve and the pipe from the pump to it
    if top:
        left_port, right_port = top_valve(cv, tcx, dome_top, s)
        pipe(cv, [outlet, (outlet[0], right_port[1]), right_port], 5 * s)
        # the return to the pool, round the tank
        out_x = tcx - tw / 2 - 7 * s
        pipe(cv, [left_port, (out_x, left_port[1]), (out_x, deck - 26 * s)], 4.5 * s)
    else:
        vy = dome_top + tw * 0.55
        port = side_valve(cv, tcx + tw / 2 - 2 * s, vy, s)
        pipe(cv, [outlet, (outlet[0], port[1]), port], 5 * s)
    if heating:  # the heat exchanger on the tank: flow and return of the heating
        hx = tcx - tw / 2 - 6 * s
        hy0, hy1 = dome_top + th * 0.45, dome_top + th * 0.85
        cv.rect((hx - 10 * s, hy0, hx + 4 * s, hy1), fill=(196, 120, 70), outline=(120, 70, 40), width=0.6,
                radius=3 * s)
        for k in range(6):
            yy = hy0 + (hy1 - hy0) * (0.12 + 0.15 * k)
            cv.line([(hx - 9 * s, yy), (hx + 3 * s, yy)], (236, 170, 110), 1.2 * s)
        pipe(cv, [(hx - 4 * s, hy0), (hx - 4 * s, hy0 - 16 * s)], 3.5 * s, fill=(216, 64, 56), edge=(140, 36, 30))
        pipe(cv, [(hx - 8 * s, hy1), (hx - 8 * s, hy1 + 8 * s)], 3.5 * s, fill=(50, 110, 210), edge=(24, 60, 130))
    return cv


def pic_hp30(w, h):
    return filter_system(w, h, "plastic", size=0.9)


def pic_hp30i(w, h):
    return filter_system(w, h, "plastic", size=0.95, pump_body=(200, 206, 214), pump_lid=(120, 196, 236))


def pic_hp30prem(w, h):
    return filter_system(w, h, "anthracite", size=1.0, pump_body=(60, 66, 76), timer=True)


def pic_kessel(w, h):
    return filter_system(w, h, "fibre", size=1.22, top=False, fibre=True, hatch=True, pump_body=(40, 90, 170))


def pic_inf(w, h):
    return filter_system(w, h, "white", size=1.15, top=False, split=True, pump_body=(40, 90, 170))


def pic_hp4(w, h):
    return filter_system(w, h, "white", size=1.0, top=False, split=True)


def pic_infh(w, h):
    return filter_system(w, h, "white", size=1.05, top=False, split=True, heating=True, pump_body=(40, 90, 170))


def pic_caldera(w, h):
    return filter_system(w, h, "fibre", size=1.1, top=False, fibre=True, pump_body=(200, 206, 214),
                         pump_lid=(120, 196, 236))


def pic_medium(w, h):
    return filter_system(w, h, "blue", size=1.05, top=False, pump_body=(180, 188, 198))


def pic_iplus(w, h):
    return filter_system(w, h, "anthracite", size=1.0, split=True, pump_body=(200, 206, 214),
                         pump_lid=(120, 196, 236))


def pic_gfk_iplus(w, h):
    return filter_system(w, h, "gfk", size=1.1, top=False, fibre=True, pump_body=(200, 206, 214),
                         pump_lid=(120, 196, 236))


def pic_cartridge(w, h):
    """The hang-on cartridge filter over the edge of a steel-wall pool, its transformer below."""
    cv = Canvas(w, h)
    backdrop(cv)
    s = w / 140.0
    ground = h * 0.9
    # the pool in section: its water behind the thin steel wall
    wall_x, wall_top = w * 0.3, h * 0.26
    water = rect_mask(cv, (0, wall_top + 12 * s, wall_x, ground))
    cv.fill_gradient(water, wall_top, ground, WATER_FAR, WATER_NEAR)
    wave_band(cv, wall_top + 12 * s, 1.5 * s, 14 * s, WATER_SHINE, 0.6)
    cv.rect((0, ground - 2 * s, wall_x, ground), fill=(30, 108, 188))
    shaded(cv, rect_mask(cv, (wall_x, wall_top, wall_x + 6 * s, ground)), wall_x - 6 * s, wall_x + 12 * s,
           (226, 231, 236), shine=0)
    cv.rect((wall_x - 4 * s, wall_top - 5 * s, wall_x + 10 * s, wall_top + 3 * s), fill=(40, 104, 184),
            outline=(20, 60, 130), width=0.6, radius=2 * s)
    soft_shadow(cv, (wall_x, ground - 5 * s, w * 0.98, ground + 6 * s), alpha=0.3)
    # the filter housing hanging on the outside of the wall
    hx0, hx1, hy0, hy1 = wall_x + 12 * s, w * 0.9, wall_top - 12 * s, wall_top + 92 * s
    # the hook over the top rail and the suction tube down into the water
    pipe(cv, [(hx0 + 8 * s, hy0 + 8 * s), (wall_x - 10 * s, hy0 + 8 * s), (wall_x - 10 * s, wall_top + 60 * s)],
         4 * s, fill=(60, 64, 70), edge=(30, 32, 36))
    cv.rect((wall_x - 14 * s, wall_top + 58 * s, wall_x - 6 * s, wall_top + 66 * s), fill=(30, 32, 36),
            radius=2 * s)
    shaded(cv, rect_mask(cv, (hx0, hy0, hx1, hy1), radius=8 * s), hx0, hx1, (238, 242, 246))
    cv.rect((hx0, hy0, hx1, hy1), outline=(150, 160, 172), width=0.7, radius=8 * s)
    # the clear window showing the pleated cartridge
    cx0, cx1, cy0, cy1 = hx0 + 8 * s, hx1 - 8 * s, hy0 + 20 * s, hy1 - 12 * s
    shaded(cv, rect_mask(cv, (cx0, cy0, cx1, cy1), radius=5 * s), cx0, cx1, (236, 226, 196), shine=0.2)
    for k in range(1, 12):
        yy = cy0 + (cy1 - cy0) * k / 12
        cv.line([(cx0 + 2 * s, yy), (cx1 - 2 * s, yy)], (196, 180, 140), 0.7 * s)
    cv.tint(rect_mask(cv, (cx0, cy0, cx1, cy1), radius=5 * s), (170, 220, 245), 0.25)
    cv.rect((cx0, cy0, cx1, cy1), outline=(120, 170, 200), width=0.6, radius=5 * s)
    # the motor cap with its label
    cv.rect((hx0 + 4 * s, hy0 + 3 * s, hx1 - 4 * s, hy0 + 15 * s), fill=(34, 112, 196), radius=4 * s)
    cv.text(((hx0 + hx1) / 2, hy0 + 9 * s), "5 m³/h", "LiberationSans-Bold.ttf", 6.5 * s, WHITE, anchor="mm")
    # the safety transformer on the ground and its cable
    tx0, tx1, ty0 = w * 0.58, w * 0.92, ground - 22 * s
    cv.line([((tx0 + tx1) / 2, ty0), ((tx0 + tx1) / 2, hy1 + 8 * s), (hx0 + (hx1 - hx0) * 0.6, hy1 + 8 * s),
             (hx0 + (hx1 - hx0) * 0.6, hy1)], (30, 32, 36), 1.6 * s)
    shaded(cv, rect_mask(cv, (tx0, ty0, tx1, ground - 1 * s), radius=3 * s), tx0, tx1, (70, 76, 88), shine=0.25)
    cv.ellipse((tx0 + 5 * s, ty0 + 6 * s, tx0 + 11 * s, ty0 + 12 * s), fill=(90, 220, 120))
    return cv


def pic_electrolysis(w, h):
    """The salt-water electrolysis unit: control box on the wall, the cell in the return pipe.
    Its top stays calm: the remote-control module stands there when it is chosen."""
    cv = Canvas(w, h)
    full = rect_mask(cv, (0, 0, w, h))
    cv.fill_gradient(full, 0, h, BACK_TOP, BACK_LOW)
    s = h / 190.0
    wave_band(cv, h * 0.2, h * 0.03, w * 0.28, (176, 224, 242), 0.7)
    wave_band(cv, h * 0.27, h * 0.025, w * 0.22, (140, 208, 236), 0.5, 1.5)
    floor = rect_mask(cv, (0, h * 0.86, w, h))
    cv.fill_gradient(floor, h * 0.86, h, mix(BACK_LOW, FLOOR, 0.6), FLOOR)
    # the control box
    bx0, bx1, by0, by1 = w * 0.56, w * 0.92, h * 0.34, h * 0.8
    soft_shadow(cv, (bx0 + 4 * s, by1 - 6 * s, bx1 + 8 * s, by1 + 8 * s), alpha=0.25)
    shaded(cv, rect_mask(cv, (bx0, by0, bx1, by1), radius=6 * s), bx0, bx1, (244, 246, 248))
    cv.rect((bx0, by0, bx1, by1), outline=(150, 160, 172), width=0.7, radius=6 * s)
    cv.rect((bx0 + 6 * s, by0 + 8 * s, bx1 - 6 * s, by0 + 34 * s), fill=(30, 110, 200), radius=3 * s)
    cv.rect((bx0 + 11 * s, by0 + 12 * s, bx1 - 11 * s, by0 + 30 * s), fill=(20, 36, 40), radius=2 * s)
    cv.text(((bx0 + bx1) / 2, by0 + 21 * s), "16 g/h", "LiberationSans-Bold.ttf", 9 * s, (110, 240, 150),
            anchor="mm")
    for k, colour in enumerate(((60, 180, 90), (240, 190, 40), (220, 60, 50))):
        x = bx0 + (bx1 - bx0) * (0.28 + 0.22 * k)
        cv.ellipse((x - 4 * s, by0 + 44 * s, x + 4 * s, by0 + 52 * s), fill=colour, outline=shade(colour, 0.6),
                   width=0.5)
    for k in range(3):
        x = bx0 + (bx1 - bx0) * (0.28 + 0.22 * k)
        cv.rect((x - 5 * s, by0 + 60 * s, x + 5 * s, by0 + 66 * s), fill=(200, 206, 214), radius=1.5 * s)
    # the return pipe with the clear electrolysis cell in it
    py = h * 0.7
    pipe(cv, [(-2, py), (w * 0.08, py)], 8 * s)
    pipe(cv, [(w * 0.46, py), (w * 0.52, py), (w * 0.52, h * 0.96)], 8 * s)
    cx0, cx1 = w * 0.08, w * 0.46
    cell = rect_mask(cv, (cx0, py - 14 * s, cx1, py + 14 * s), radius=6 * s)
    shaded(cv, cell, cx0, cx1, (200, 232, 246), upright=False, y0=py - 14 * s, y1=py + 14 * s, shine=0.5)
    for k in range(7):  # the titanium plates inside
        x = cx0 + (cx1 - cx0) * (0.14 + 0.12 * k)
        cv.line([(x, py - 9 * s), (x, py + 9 * s)], (150, 160, 172), 1.6 * s)
    for k in range(9):  # and the fine bubbles of the electrolysis
        x = cx0 + (cx1 - cx0) * (0.1 + 0.09 * k)
        y = py - 4 * s + 6 * s * math.sin(k * 1.7)
        cv.ellipse((x - 1.2 * s, y - 1.2 * s, x + 1.2 * s, y + 1.2 * s), fill=WHITE)
    for x in (cx0, cx1):
        cv.rect((x - 4 * s, py - 16 * s, x + 4 * s, py + 16 * s), fill=(60, 66, 76), radius=2 * s)
    # the cable from the cell to the box
    cv.line([((cx0 + cx1) / 2, py - 14 * s), ((cx0 + cx1) / 2, py - 32 * s), (bx0, py - 32 * s)], (30, 32, 36),
            1.6 * s)
    return cv


def pic_wifi(w, h):
    """The remote-control module: the module with its aerial, its signal, phone and tablet."""
    cv = Canvas(w, h)
    full = rect_mask(cv, (0, 0, w, h))
    cv.fill_gradient(full, 0, h, (226, 244, 252), (186, 226, 244))
    cv.line([(0, h - 0.5), (w, h - 0.5)], (140, 190, 214), 1.0)
    s = h / 54.0
    # the module
    mx0, my0, mx1, my1 = 12 * s, 18 * s, 52 * s, 46 * s
    shaded(cv, rect_mask(cv, (mx0, my0, mx1, my1), radius=4 * s), mx0, mx1, (244, 246, 248))
    cv.rect((mx0, my0, mx1, my1), outline=(150, 160, 172), width=0.6, radius=4 * s)
    cv.ellipse((mx0 + 6 * s, my0 + 8 * s, mx0 + 12 * s, my0 + 14 * s), fill=(60, 190, 100))
    cv.text(((mx0 + mx1) / 2 + 4 * s, my1 - 8 * s), "WIFI", "LiberationSans-Bold.ttf", 7 * s, (30, 110, 200),
            anchor="mm")
    cv.line([(mx1 - 8 * s, my0), (mx1 - 4 * s, 5 * s)], (40, 44, 52), 2 * s)
    # its signal
    cx, cy = w * 0.42, h * 0.62
    for k in range(3):
        r = (8 + 7 * k) * s
        ImageDraw.Draw(cv.img).arc(((cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS), 225, 315,
                                   fill=(30, 110, 200), width=max(1, int(2.4 * s * SS)))
    cv.ellipse((cx - 2.5 * s, cy - 2.5 * s, cx + 2.5 * s, cy + 2.5 * s), fill=(30, 110, 200))
    # a phone and a tablet
    for x0, y0, x1, y1, r in ((w * 0.6, 8 * s, w * 0.6 + 22 * s, 48 * s, 4 * s),
                              (w * 0.6 + 30 * s, 12 * s, w * 0.6 + 84 * s, 48 * s, 4 * s)):
        cv.rect((x0, y0, x1, y1), fill=(40, 44, 52), radius=r)
        screen = (x0 + 2.5 * s, y0 + 3 * s, x1 - 2.5 * s, y1 - 3 * s)
        cv.fill_gradient(rect_mask(cv, screen, radius=1.5 * s), y0, y1, (110, 200, 240), (20, 120, 200))
        water = (screen[0], (screen[1] + screen[3]) / 2, screen[2], screen[3])  # the pool on the screen
        cv.rect(water, fill=(16, 156, 208), radius=1.5 * s)
        cv.text(((screen[0] + screen[2]) / 2, screen[1] + (screen[3] - screen[1]) * 0.3), "28°",
                "LiberationSans-Bold.ttf", 6.5 * s, WHITE, anchor="mm")
    return cv


PICTURES = [
    # the filter pictures fill the picture panel; the cartridge filter has a box of its own
    Picture("equipment/hp30.jpg", BoxSize(), pic_hp30),
    Picture("equipment/hp30i.jpg", BoxSize(), pic_hp30i),
    Picture("equipment/hp30prem.jpg", BoxSize(), pic_hp30prem),
    Picture("equipment/kessel.jpg", BoxSize(), pic_kessel),
    Picture("equipment/inf.jpg", BoxSize(), pic_inf),
    Picture("equipment/ef21.jpg", BoxSize(), pic_cartridge),
    Picture("equipment/hp4.jpg", BoxSize(), pic_hp4),
    Picture("equipment/infh.jpg", BoxSize(), pic_infh),
    Picture("equipment/caldera.jpg", BoxSize(), pic_caldera),
    Picture("equipment/medium.jpg", BoxSize(), pic_medium),
    Picture("equipment/iplus.jpg", BoxSize(), pic_iplus),
    Picture("equipment/gfkIplus.jpg", BoxSize(), pic_gfk_iplus),
    Picture("equipment/hydro.jpg", BoxSize(), pic_electrolysis),
    Picture("equipment/wifi.jpg", BoxSize(), pic_wifi),
]
