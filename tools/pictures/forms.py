"""Reads the page forms (pages/<folder>/<page>.ui) for the picture boxes that show each asset.

A picture box is a widget of class app::PictureBox whose "source" property names a
resource such as :/assets/pool/round.jpg.  Its frame is its own geometry, unless a
layout places it: then it fills the widget that holds the layout (a panel), and the
form's geometry of the box, if any, does not count.
"""

import xml.etree.ElementTree as ET
from dataclasses import dataclass
from pathlib import Path

PICTURE_BOX = "app::PictureBox"
RESOURCE_PREFIX = ":/assets/"


@dataclass(frozen=True)
class Box:
    form: str                       # e.g. "pages/pool/roundpoolpage.ui"
    name: str                       # the widget's object name
    size: tuple[int, int] | None    # its own geometry; None when a layout places it
    panel: tuple[int, int] | None   # the widget whose layout it fills; None when not laid out

    def __str__(self):
        return f"{self.form} {self.name}"


def _property(widget, name):
    for prop in widget.findall("property"):
        if prop.get("name") == name:
            return prop
    return None


def _geometry(widget):
    prop = _property(widget, "geometry")
    rect = prop.find("rect") if prop is not None else None
    if rect is None:
        return None
    return int(rect.findtext("width")), int(rect.findtext("height"))


def _asset(widget):
    """The asset path under assets/ that a picture box shows, or None."""
    prop = _property(widget, "source")
    source = prop.findtext("string") if prop is not None else None
    if not source or not source.startswith(RESOURCE_PREFIX):
        return None
    return source[len(RESOURCE_PREFIX):]


def read_form(path, name):
    """(asset, Box) for every picture box in one form; name is how the box names its form."""
    found = []

    def walk(elem, holder, laid_out):
        for child in elem:
            if child.tag == "widget":
                asset = _asset(child) if child.get("class") == PICTURE_BOX else None
                if asset:
                    panel = _geometry(holder) if laid_out and holder is not None else None
                    found.append((asset, Box(name, child.get("name"), None if laid_out else _geometry(child),
                                             panel)))
                walk(child, child, False)
            elif child.tag == "layout":
                walk(child, holder, True)
            else:   # layout items, and anything else that may hold widgets
                walk(child, holder, laid_out)

    walk(ET.parse(path).getroot(), None, False)
    return found


def read_forms(root):
    """Every picture box of the forms under root/pages, by asset path."""
    root = Path(root)
    boxes = {}
    for path in sorted(root.glob("pages/*/*.ui")):
        for asset, box in read_form(path, path.relative_to(root).as_posix()):
            boxes.setdefault(asset, []).append(box)
    return boxes
