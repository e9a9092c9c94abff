"""Pictures of the welcome page folder (pages/welcome/); one module per page, see the package docstring."""

from ..entries import gather

PICTURES = gather(__name__, __path__)
