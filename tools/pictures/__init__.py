"""Draws the catalogue pictures that Nixaro shows on its pages; tools/make_pictures.py runs it.

Every picture is drawn from scratch as a flat, softly shaded illustration and
written as a baseline JPEG to assets/<folder>/<name>.jpg.  The drawing is fully
deterministic: all "random" detail (clouds, ripples, stone grain) comes from
generators with fixed seeds, so a rerun gives identical files.

Shapes are modelled in metres in a small 3D scene (x to the right, y towards
the viewer, z up) and projected through a simple pinhole camera.  Each picture
is drawn at SS times its final size and scaled down at the end, which gives
smooth, anti-aliased edges with plain ImageDraw primitives.

The drawing library:

    palette     colours, the light direction, fonts
    canvas      the supersampled Canvas and its masks
    camera      the pinhole Camera
    plans       outlines in plan (round, oval, figure-eight, rectangle) and their geometry
    scenery     sky, trees, hedge and lawn, garden furniture, bands of waves
    pool_parts  walls, water, handrail, skimmer, edge stones, ladder, grab rails
    solids      boxes, cylinders, lying rolls, profiles swept along an arc
    pools       whole pools, and the garden scene round a steel-wall pool

The pictures: one package per page folder of the program (welcome, pool, quote,
equipment, heating, side), and in it one module per page, named after the page's
form (pages/pool/roundpoolpage.ui: pool/round.py).  A page module ends with its
PICTURES list of Picture(asset, size rule, draw) entries (entries.py); the folder's
__init__ gathers the lists of all its modules, registry.py those of all folders.

To add the pictures of a page, write <folder>/<page>.py with its drawing functions
and a PICTURES list; nothing else has to change.  Its assets go to assets/<folder>/.
A folder's __init__ may name the module in its order, which only orders the output.

The size of a picture follows from the forms: forms.py finds the app::PictureBox
widgets whose source is the asset, and the entry's rule (sizes.py) says how:
BoxSize(f) is the box's geometry times f, PanelSize(f) the panel it fills through
a layout times f, ZoomSize(size, f) a size the page's code zooms the box to, and
Kept(size, reason) a size given by hand where the boxes don't give it.

Tests, from the repository root (a python with Pillow):

    /usr/bin/python3 -m unittest discover -s tools/pictures/tests -t tools
"""
