"""Canvas: supersampled drawing surface in final-pixel coordinates."""

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from .palette import WHITE, font, mix


SS = 3                 # supersampling factor


class Canvas:
    def __init__(self, w, h, bg=WHITE):
        self.w, self.h = w, h
        self.img = Image.new("RGB", (w * SS, h * SS), bg)
        self.draw = ImageDraw.Draw(self.img)

    # geometry in final pixels -> supersampled pixels
    @staticmethod
    def _s(pts):
        return [(x * SS, y * SS) for x, y in pts]

    def polygon(self, pts, fill, outline=None, width=1.0):
        if len(pts) >= 3:
            self.draw.polygon(self._s(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0]], outline, width)

    def line(self, pts, fill, width=1.0):
        if len(pts) >= 2:
            self.draw.line(self._s(pts), fill=fill, width=max(1, int(round(width * SS))), joint="curve")

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        x0, y0, x1, y1 = box
        self.draw.ellipse((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=fill, outline=outline,
                          width=max(1, int(round(width * SS))))

    def rect(self, box, fill=None, outline=None, width=1.0, radius=0):
        x0, y0, x1, y1 = box
        self.draw.rounded_rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), radius=radius * SS,
                                    fill=fill, outline=outline,
                                    width=max(1, int(round(width * SS))))

    def text(self, xy, s, fnt_name, size, fill, anchor="la", shadow=None):
        f = font(fnt_name, int(size * SS))
        x, y = xy
        if shadow is not None:
            colour, dx, dy = shadow
            self.draw.text(((x + dx) * SS, (y + dy) * SS), s, font=f, fill=colour, anchor=anchor)
        self.draw.text((x * SS, y * SS), s, font=f, fill=fill, anchor=anchor)

    # masks and fills
    def new_mask(self):
        return Image.new("L", self.img.size, 0)

    def poly_mask(self, pts):
        m = self.new_mask()
        if len(pts) >= 3:
            ImageDraw.Draw(m).polygon(self._s(pts), fill=255)
        return m

    def tint(self, mask, colour, alpha=1.0):
        if alpha < 1.0:
            mask = mask.point(lambda v: int(v * alpha))
        self.img.paste(colour, (0, 0) + self.img.size, mask)

    def gradient(self, y0, y1, c0, c1, horizontal=False):
        """A full-size image with a linear gradient from c0 (at y0) to c1 (at y1)."""
        n = self.img.size[0] if horizontal else self.img.size[1]
        a, b = y0 * SS, y1 * SS
        strip = [mix(c0, c1, (i - a) / (b - a) if b != a else 0.0) for i in range(n)]
        if horizontal:
            line = Image.new("RGB", (n, 1))
        else:
            line = Image.new("RGB", (1, n))
        line.putdata(strip)
        return line.resize(self.img.size, Image.NEAREST)

    def fill_gradient(self, mask, y0, y1, c0, c1, horizontal=False):
        self.img.paste(self.gradient(y0, y1, c0, c1, horizontal), (0, 0), mask)

    def shade_gradient(self, mask, y0, y1, colour, a0, a1):
        """Darken/lighten the masked area with a colour whose opacity runs a0 -> a1."""
        n = self.img.size[1]
        a, b = y0 * SS, y1 * SS
        col = Image.new("L", (1, n))
        col.putdata([int(255 * (a0 + (a1 - a0) * max(0.0, min(1.0, (i - a) / (b - a))))) for i in range(n)])
        alpha = ImageChops.multiply(col.resize(self.img.size, Image.NEAREST), mask)
        self.img.paste(colour, (0, 0) + self.img.size, alpha)

    def copy(self):
        c = Canvas.__new__(Canvas)
        c.w, c.h = self.w, self.h
        c.img = self.img.copy()
        c.draw = ImageDraw.Draw(c.img)
        return c

    def paste_layer(self, layer, mask):
        self.img.paste(layer.img, (0, 0), mask)

    def blur_mask(self, mask, radius):
        return mask.filter(ImageFilter.GaussianBlur(radius * SS))

    def final(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


def mask_and(a, b):
    return ImageChops.multiply(a, b)


def mask_minus(a, b):
    return ImageChops.subtract(a, b)
