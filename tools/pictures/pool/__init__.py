"""Pictures of the pool pages (pages/pool/); one module per page, see the package docstring.

shared.py holds the pictures that several pool pages show.
"""

from ..entries import gather

# the pages in the program's order, then the shared pictures; other modules follow by name
PICTURES = gather(__name__, __path__, order=("round", "oval", "figureeight", "rectangular", "shared"))
