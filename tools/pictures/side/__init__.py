"""Pictures of the further-articles and information pages (pages/side/); none yet.  Add one
module per page, as the package docstring says; it is picked up without a change here."""

from ..entries import gather

PICTURES = gather(__name__, __path__)
