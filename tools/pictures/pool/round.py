"""Picture of the round pool page (pages/pool/roundpoolpage.ui): the pool in its garden."""

from ..entries import Picture
from ..plans import circle_plan
from ..pools import pool_scene
from ..sizes import PanelSize


def pic_pool_round(w, h):
    return pool_scene(w, h, circle_plan(2.5, 160), 1.2, seed=31, ladder_at=0.17, skimmer_at=0.32)


PICTURES = [
    # twice the panel it fills, whose shape it keeps: a click enlarges it
    Picture("pool/round.jpg", PanelSize(2), pic_pool_round),
]
