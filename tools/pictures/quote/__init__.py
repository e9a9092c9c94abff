"""Pictures of the quote pages (pages/quote/); one module per page, see the package docstring."""

from ..entries import gather

# the pages in the program's order; other modules follow by name
PICTURES = gather(__name__, __path__, order=("options", "final"))
