"""The side pages' zoomed pictures are drawn at the sizes the pages' code zooms them to."""

import re
import unittest

from pictures import registry
from pictures.side import moreaccessories, morepool


def zoom_sizes(page_code):
    """{picture: (width, height)} of the enlarged places in a page's zoom table."""
    text = (registry.ROOT / "pages" / "side" / page_code).read_text()
    found = re.findall(r'\{"(\w+)",\s*\{\s*\d+,\s*(?:keep|\d+),\s*(\d+),\s*(\d+)\}', text)
    return {name: (int(w), int(h)) for name, w, h in found}


class ZoomSizesTest(unittest.TestCase):
    def test_pool_page(self):
        self.assertEqual(zoom_sizes("morepoolpage.cpp"), morepool.ENLARGED)

    def test_accessories_page(self):
        self.assertEqual(zoom_sizes("moreaccessoriespage.cpp"), moreaccessories.ENLARGED)


if __name__ == "__main__":
    unittest.main()
