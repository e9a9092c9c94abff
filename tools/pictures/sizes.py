"""How a picture's pixel size follows from the picture boxes that show it.

Each rule's resolve(asset, boxes) gets the boxes the forms have for the asset
(see forms.py) and returns (width, height), or raises SizeError when the forms
cannot give one size: no box, a box of the wrong kind, or boxes that disagree.
"""

from dataclasses import dataclass


class SizeError(ValueError):
    pass


def _one_size(asset, boxes, size_of, missing):
    if not boxes:
        raise SizeError(f"{asset}: no form has a picture box that shows it")
    lacking = [str(b) for b in boxes if size_of(b) is None]
    if lacking:
        raise SizeError(f"{asset}: {', '.join(lacking)}: {missing}")
    sizes = {size_of(b) for b in boxes}
    if len(sizes) > 1:
        listed = ", ".join(f"{b} {size_of(b)[0]} x {size_of(b)[1]}" for b in boxes)
        raise SizeError(f"{asset}: its boxes differ in size: {listed}")
    return sizes.pop()


def _times(size, factor):
    return size[0] * factor, size[1] * factor


@dataclass(frozen=True)
class BoxSize:
    """The box's own geometry in the form, times factor."""
    factor: int = 1

    def resolve(self, asset, boxes):
        return _times(_one_size(asset, boxes, lambda b: b.size, "placed by a layout, it has no size of its own"),
                      self.factor)


@dataclass(frozen=True)
class PanelSize:
    """The panel (or notebook page) the box fills through a layout, times factor."""
    factor: int = 1

    def resolve(self, asset, boxes):
        return _times(_one_size(asset, boxes, lambda b: b.panel, "fills no panel of known size"), self.factor)


@dataclass(frozen=True)
class ZoomSize:
    """A size the page's code gives the box (so it is not in the form), times factor.
    The asset must still be shown by some box, so that no leftover goes unnoticed."""
    size: tuple[int, int]
    factor: int = 1

    def resolve(self, asset, boxes):
        if not boxes:
            raise SizeError(f"{asset}: no form has a picture box that shows it")
        return _times(self.size, self.factor)


@dataclass(frozen=True)
class Kept:
    """A size given here, for a picture whose boxes don't give it; reason says why."""
    size: tuple[int, int]
    reason: str

    def resolve(self, asset, boxes):
        return self.size
