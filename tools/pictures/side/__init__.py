"""Pictures of the further-articles and information pages (pages/side/); one module per page,
see the package docstring.  _parts holds the small objects their drawings share."""

from ..entries import gather

# the pages in the program's order; other modules follow by name
PICTURES = gather(__name__, __path__, order=("furtherarticles", "morepool", "moreaccessories", "accessorytabs"))
