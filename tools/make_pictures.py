#!/usr/bin/env python3
"""Draws the catalogue pictures that Nixaro shows on its pages.

Run from the repository root:

    python3 tools/make_pictures.py [asset paths...]

With asset paths (e.g. pool/round.jpg) only those pictures are drawn; "icons" draws
the program's icon (assets/icons/, PNG in the desktop's sizes and SVG), "controls" the
check mark of the check boxes (assets/controls/).  The drawing
and the picture lists live in the package tools/pictures/ (see its docstring).
"""

import os
import sys

try:
    from PIL import Image  # noqa: F401  (the drawing needs Pillow)
except ImportError:  # a virtual-env python without Pillow: retry with the system one
    SYSTEM_PYTHON = "/usr/bin/python3"
    # compare resolved paths: /usr/bin/python3 is a link, and retrying it again would never end
    if os.path.exists(SYSTEM_PYTHON) and os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
    raise

from pictures import checkmark, icon, registry

JPEG_QUALITY = 88


def save_png(folder, name, img):
    """Writes one PNG under assets/<folder>/ and says what it wrote."""
    os.makedirs(os.path.join(registry.ASSET_DIR, folder), exist_ok=True)
    path = os.path.join(registry.ASSET_DIR, folder, name)
    img.save(path, "PNG", optimize=True)
    print("%-32s %4d x %-4d %6d bytes" % (folder + "/" + name, img.width, img.height, os.path.getsize(path)))


def make_icons():
    for size in icon.SIZES:
        save_png("icons", "nixaro-%d.png" % size, icon.png(size))
    path = os.path.join(registry.ASSET_DIR, "icons", "nixaro.svg")
    with open(path, "w", encoding="utf-8") as out:
        out.write(icon.svg())
    print("%-32s %-11s %6d bytes" % ("icons/nixaro.svg", "scalable", os.path.getsize(path)))


def make_controls():
    for name, img in checkmark.files():
        save_png("controls", name, img)


def main(argv):
    only = set(argv[1:])
    for name, make in (("icons", make_icons), ("controls", make_controls)):
        if not only or name in only:
            make()
            only.discard(name)
    if not only and len(argv) > 1:
        return
    chosen = [pic for pic in registry.pictures() if not only or pic.asset in only]
    for pic, (w, h) in registry.sized(chosen):
        path = os.path.normpath(os.path.join(registry.ASSET_DIR, pic.asset))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        img = pic.draw(w, h).final()
        img.save(path, "JPEG", quality=JPEG_QUALITY, optimize=True, progressive=False)
        print("%-32s %4d x %-4d %6d bytes" % (pic.asset, w, h, os.path.getsize(path)))


if __name__ == "__main__":
    main(sys.argv)
