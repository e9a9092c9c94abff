"""The check mark the pages' check boxes show in their white square: a navy tick, and a
paler one for a disabled box, as PNG files at one and two times the square's size."""

from PIL import Image, ImageDraw

SIZE = 12                        # the indicator's square in the shared look, in pixels
NAVY = (0, 0, 128)
DISABLED = (63, 111, 143)        # the disabled radio button's dot
TICK = ((0.18, 0.52), (0.42, 0.76), (0.84, 0.24))   # in units of the square


def png(colour, scale=1, ss=8):
    """The tick at SIZE * scale pixels, drawn at ss times that and scaled down."""
    n = SIZE * scale * ss
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    ImageDraw.Draw(img).line([(x * n, y * n) for x, y in TICK], fill=colour + (255,),
                             width=round(0.16 * n), joint="curve")
    return img.resize((SIZE * scale, SIZE * scale), Image.LANCZOS)


def files():
    """(file name, picture) of every check-mark file."""
    for name, colour in (("checkmark", NAVY), ("checkmark-disabled", DISABLED)):
        yield name + ".png", png(colour)
        yield name + "@2x.png", png(colour, 2)
