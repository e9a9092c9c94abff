"""The forms reader and the size rules, on small forms written here."""

import tempfile
import unittest
from pathlib import Path

from pictures import forms
from pictures.forms import Box
from pictures.sizes import BoxSize, Kept, PanelSize, SizeError, ZoomSize

FORM = """\
<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <widget class="QWidget" name="client">
  <property name="geometry"><rect><x>0</x><y>0</y><width>784</width><height>531</height></rect></property>
  <widget class="app::PictureBox" name="top">
   <property name="geometry"><rect><x>5</x><y>6</y><width>57</width><height>41</height></rect></property>
   <property name="source" stdset="0"><string>:/assets/pool/stone_red.jpg</string></property>
  </widget>
  <widget class="QFrame" name="Panel6">
   <property name="geometry"><rect><x>1</x><y>2</y><width>361</width><height>225</height></rect></property>
   <layout class="QVBoxLayout" name="Panel6_layout">
    <item>
     <layout class="QHBoxLayout" name="inner">
      <item>
       <widget class="app::PictureBox" name="Image2">
        <property name="geometry"><rect><x>0</x><y>0</y><width>10</width><height>10</height></rect></property>
        <property name="source" stdset="0"><string>:/assets/pool/round.jpg</string></property>
       </widget>
      </item>
     </layout>
    </item>
   </layout>
  </widget>
  <widget class="QTabWidget" name="TabbedNotebook1">
   <property name="geometry"><rect><x>282</x><y>10</y><width>490</width><height>458</height></rect></property>
   <widget class="QWidget" name="TabPage1">
    <widget class="QTabWidget" name="TabbedNotebook2">
     <property name="geometry"><rect><x>10</x><y>36</y><width>464</width><height>388</height></rect></property>
     <widget class="QWidget" name="TabPage2">
      <widget class="app::PictureBox" name="Image1">
       <property name="geometry"><rect><x>10</x><y>14</y><width>440</width><height>330</height></rect></property>
       <property name="source" stdset="0"><string>:/assets/quote/step1_oval.jpg</string></property>
      </widget>
     </widget>
    </widget>
   </widget>
  </widget>
  <widget class="app::PictureBox" name="empty">
   <property name="geometry"><rect><x>0</x><y>0</y><width>9</width><height>9</height></rect></property>
  </widget>
  <widget class="QLabel" name="notabox">
   <property name="source" stdset="0"><string>:/assets/pool/oval.jpg</string></property>
  </widget>
 </widget>
</ui>
"""


class FormsTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.root = Path(self.tmp.name)
        (self.root / "pages" / "pool").mkdir(parents=True)
        (self.root / "pages" / "pool" / "roundpoolpage.ui").write_text(FORM)

    def tearDown(self):
        self.tmp.cleanup()

    def test_boxes_by_asset(self):
        form = "pages/pool/roundpoolpage.ui"
        self.assertEqual(forms.read_forms(self.root), {
            "pool/stone_red.jpg": [Box(form, "top", (57, 41), None)],
            # a layout places it, in a nested one: its own geometry does not count
            "pool/round.jpg": [Box(form, "Image2", None, (361, 225))],
            "quote/step1_oval.jpg": [Box(form, "Image1", (440, 330), None)],
        })

    def test_boxes_of_several_forms_collect(self):
        (self.root / "pages" / "quote").mkdir()
        (self.root / "pages" / "quote" / "other.ui").write_text(FORM)
        boxes = forms.read_forms(self.root)
        self.assertEqual([b.form for b in boxes["pool/stone_red.jpg"]],
                         ["pages/pool/roundpoolpage.ui", "pages/quote/other.ui"])


def box(size=None, panel=None, name="b"):
    return Box("pages/pool/x.ui", name, size, panel)


class RulesTest(unittest.TestCase):
    def test_box_size_times_factor(self):
        self.assertEqual(BoxSize(2).resolve("a.jpg", [box((57, 41)), box((57, 41), name="c")]), (114, 82))

    def test_box_size_refuses_boxes_that_differ(self):
        with self.assertRaisesRegex(SizeError, "differ"):
            BoxSize().resolve("a.jpg", [box((57, 41)), box((58, 41), name="c")])

    def test_box_size_refuses_a_laid_out_box(self):
        with self.assertRaisesRegex(SizeError, "layout"):
            BoxSize().resolve("a.jpg", [box(panel=(361, 225))])

    def test_panel_size_refuses_a_box_placed_by_geometry(self):
        with self.assertRaisesRegex(SizeError, "panel"):
            PanelSize(2).resolve("a.jpg", [box((57, 41))])
        self.assertEqual(PanelSize(2).resolve("a.jpg", [box(panel=(361, 225))]), (722, 450))

    def test_unshown_pictures_are_refused_except_kept_ones(self):
        for rule in (BoxSize(), PanelSize(), ZoomSize((177, 105), 2)):
            with self.assertRaisesRegex(SizeError, "no form"):
                rule.resolve("a.jpg", [])
        self.assertEqual(Kept((722, 450), "why").resolve("a.jpg", []), (722, 450))


if __name__ == "__main__":
    unittest.main()
