"""Pictures of the heating pages (pages/heating/); one module per page, see the package docstring.

solarsizing.py draws its absorbers with the parts of waterheating.py.
"""

from ..entries import gather

# the pages in the program's order
PICTURES = gather(__name__, __path__, order=("waterheating", "solarsizing"))
