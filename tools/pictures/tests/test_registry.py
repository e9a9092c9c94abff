"""The picture lists against this checkout's forms, page code and committed pictures."""

import io
import re
import sys
import tempfile
import unittest
from pathlib import Path

from PIL import Image

from pictures import forms, registry
from pictures.entries import gather
from pictures.pool import shared


class RegistryTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pictures = registry.pictures()
        cls.sized = registry.sized(cls.pictures)

    def test_every_shown_asset_is_drawn(self):
        drawn = {pic.asset for pic in self.pictures}
        shown = set(forms.read_forms(registry.ROOT))
        self.assertEqual(shown - drawn, set())

    def test_sizes_match_the_committed_pictures(self):
        # a box resized in a form without redrawing its picture shows up here
        for pic, size in self.sized:
            with self.subTest(pic.asset), Image.open(registry.ASSET_DIR / pic.asset) as img:
                self.assertEqual(img.size, size)

    def test_enlarged_sample_is_the_one_of_the_pool_pages(self):
        code = (registry.ROOT / "pages" / "pool" / "poolpage.cpp").read_text()
        found = re.search(r"enlargedSampleSize\((\d+),\s*(\d+)\)", code)
        self.assertIsNotNone(found)
        self.assertEqual(tuple(map(int, found.groups())), shared.ENLARGED_SAMPLE)

    def test_the_package_draws_the_committed_bytes(self):
        # the handrail is small and goes through the camera, sweeps and masks
        pic, size = next((p, s) for p, s in self.sized if p.asset == "pool/handrail.jpg")
        out = io.BytesIO()
        pic.draw(*size).final().save(out, "JPEG", quality=88, optimize=True, progressive=False)
        self.assertEqual(out.getvalue(), (registry.ASSET_DIR / pic.asset).read_bytes())


class GatherTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.pkg = Path(self.tmp.name) / "gathertestfolder"
        self.pkg.mkdir()
        (self.pkg / "__init__.py").write_text("")
        for name in ("beta", "alpha", "gamma"):
            (self.pkg / f"{name}.py").write_text(f"PICTURES = [{name!r}]\n")
        sys.path.insert(0, self.tmp.name)

    def tearDown(self):
        sys.path.remove(self.tmp.name)
        for name in [m for m in sys.modules if m.startswith("gathertestfolder")]:
            del sys.modules[name]
        self.tmp.cleanup()

    def test_named_modules_first_then_the_rest_by_name(self):
        self.assertEqual(gather("gathertestfolder", [str(self.pkg)], order=("gamma",)), ["gamma", "alpha", "beta"])

    def test_a_misspelt_order_or_a_module_without_list_fails(self):
        with self.assertRaises(ImportError):
            gather("gathertestfolder", [str(self.pkg)], order=("gama",))
        (self.pkg / "delta.py").write_text("pictures = []\n")
        with self.assertRaisesRegex(ImportError, "delta"):
            gather("gathertestfolder", [str(self.pkg)])


if __name__ == "__main__":
    unittest.main()
