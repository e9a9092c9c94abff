"""All page folders' picture lists, and each picture's size from the forms."""

import importlib
from pathlib import Path

from . import forms

ROOT = Path(__file__).resolve().parents[2]
ASSET_DIR = ROOT / "assets"

# the program's page folders (pages/<folder>/), in the order their pictures are made
FOLDERS = ("welcome", "pool", "equipment", "heating", "quote", "side")


def pictures():
    """Every Picture entry; an asset lies in its folder's directory and is listed once."""
    out, seen = [], set()
    for folder in FOLDERS:
        for pic in importlib.import_module(f"{__package__}.{folder}").PICTURES:
            if pic.asset.split("/")[0] != folder:
                raise ValueError(f"{pic.asset} is listed with the {folder} pictures")
            if pic.asset in seen:
                raise ValueError(f"{pic.asset} is listed twice")
            seen.add(pic.asset)
            out.append(pic)
    return out


def sized(chosen, root=ROOT):
    """(picture, (width, height)) for the chosen pictures, sizes read from the forms under root."""
    boxes = forms.read_forms(root)
    return [(pic, pic.size.resolve(pic.asset, boxes.get(pic.asset, []))) for pic in chosen]
