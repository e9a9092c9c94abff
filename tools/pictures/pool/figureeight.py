"""Picture of the figure-eight pool page (pages/pool/figureeightpoolpage.ui): the pool in its garden."""

from ..entries import Picture
from ..plans import eight_plan
from ..pools import pool_scene
from ..sizes import PanelSize


def pic_pool_eight(w, h):
    return pool_scene(w, h, eight_plan(6.25, 3.6), 1.2, elevation=28, azimuth=-10, seed=33,
                      ladder_at=0.9, skimmer_at=0.1)


PICTURES = [
    # twice the panel it fills, whose shape it keeps: a click enlarges it
    Picture("pool/eight.jpg", PanelSize(2), pic_pool_eight),
]
