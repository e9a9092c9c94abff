"""Picture of the oval pool page (pages/pool/ovalpoolpage.ui): the pool in its garden."""

from ..entries import Picture
from ..plans import oval_plan
from ..pools import pool_scene
from ..sizes import PanelSize


def pic_pool_oval(w, h):
    # oval pools are sunk most of the way: only the top of the wall shows
    return pool_scene(w, h, oval_plan(8.0, 4.16), 0.45, elevation=25, azimuth=-8, seed=32,
                      ladder_at=0.15, skimmer_at=0.35, box=(w * 0.05, h * 0.36, w * 0.95, h * 0.95))


PICTURES = [
    # twice the panel it fills, whose shape it keeps: a click enlarges it
    Picture("pool/oval.jpg", PanelSize(2), pic_pool_oval),
]
