"""Picture entries, and the gathering of a page folder's lists from its page modules."""

import importlib
import pkgutil
from dataclasses import dataclass
from typing import Callable


@dataclass(frozen=True)
class Picture:
    asset: str                     # path under assets/, e.g. "pool/round.jpg"
    size: object                   # a rule from sizes.py
    draw: Callable                 # draw(w, h) -> Canvas


def gather(package, path, order=()):
    """The PICTURES lists of the page modules of a page-folder package.

    Modules named in order come first, in that order; any other module follows
    by name, so a new page module needs no change here."""
    found = sorted(m.name for m in pkgutil.iter_modules(path) if not m.ispkg and not m.name.startswith("_"))
    unknown = [n for n in order if n not in found]
    if unknown:
        raise ImportError(f"{package}: no page module {', '.join(unknown)}")
    pictures = []
    for name in list(order) + [n for n in found if n not in order]:
        module = importlib.import_module(f"{package}.{name}")
        if not hasattr(module, "PICTURES"):
            raise ImportError(f"{module.__name__} has no PICTURES list")
        pictures.extend(module.PICTURES)
    return pictures
