"""The real viewer under Xvfb, with no pictures: the window, the cross, browsing and closing."""

import os
import re
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Viewer, XServer, lit_box, region_differs  # noqa: E402

BINARY = os.environ["TESSILOR_BINARY"]

# Regions of the 600 x 420 client area at the start: the centre square, an upper column
# square, a right row square (from the geometry of the cross: a 50-degree field of view,
# pictures on a unit sphere 4 units away).
CENTRE = (260, 170, 340, 250)
COLUMN_TOP = (270, 30, 330, 140)
ROW_RIGHT = (380, 180, 470, 240)
ROW_LEFT = (130, 180, 220, 240)


class SpineEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = XServer()

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.viewer = Viewer(self.server, BINARY, self.folder.name)

    def tearDown(self):
        self.viewer.kill()
        self.folder.cleanup()

    def close_and_wait(self):
        self.viewer.request_close()
        return self.viewer.wait()

    def test_window_shows_the_cross_and_closes_with_exit_code_0(self):
        x, y, width, height = self.viewer.geometry()
        self.assertEqual((width, height), (600, 420))
        self.assertEqual((x, y), (0, 0))
        wm_class = self.viewer.window.get_wm_class()
        self.assertEqual(wm_class[1], "MyClass")
        shot = self.viewer.screenshot()
        left, top, right, bottom = lit_box(shot)
        # Centred, taller than wide by the column's reach, black around.
        self.assertAlmostEqual((left + right) / 2, 300, delta=3)
        self.assertAlmostEqual((top + bottom) / 2, 210, delta=3)
        self.assertGreater(bottom - top, 300)
        self.assertEqual(shot.getpixel((30, 30)), (0, 0, 0))
        self.assertEqual(shot.getpixel((430, 100)), (0, 0, 0))  # between two arms
        r, g, b = shot.getpixel((300, 210))
        self.assertTrue(r > 100 and g > 100 and b > 100, (r, g, b))
        self.assertEqual(self.close_and_wait(), 0)
        first_line = self.viewer.stderr().splitlines()[0]
        self.assertRegex(first_line, r"^\d+\.\d+")
        self.assertIn("Mesa", first_line)

    def test_holding_down_moves_the_column_and_not_the_row(self):
        before = self.viewer.screenshot()
        self.server.xdotool("mousemove", 590, 410)
        self.server.xdotool("keydown", "Down")
        time.sleep(1.5)
        self.server.xdotool("keyup", "Down")
        after = self.viewer.screenshot()
        self.assertTrue(region_differs(before, after, COLUMN_TOP), "column did not move")
        self.assertFalse(region_differs(before, after, ROW_RIGHT), "row moved")
        self.assertFalse(region_differs(before, after, ROW_LEFT), "row moved")
        # Down turns the column downwards: its top end comes lower.
        self.assertGreater(lit_box(after)[1], lit_box(before)[1] + 3)
        self.assertEqual(self.close_and_wait(), 0)

    def test_right_button_flips_the_outer_squares_and_not_the_centre(self):
        before = self.viewer.screenshot()
        self.server.xdotool("mousemove", 580, 400)
        self.server.xdotool("mousedown", 3)
        time.sleep(3.0)
        self.server.xdotool("mouseup", 3)
        after = self.viewer.screenshot()
        self.assertTrue(region_differs(before, after, COLUMN_TOP))
        self.assertTrue(region_differs(before, after, ROW_RIGHT))
        self.assertFalse(region_differs(before, after, CENTRE))
        self.assertEqual(self.close_and_wait(), 0)

    def test_resizing_reprojects_the_cross_into_the_new_size(self):
        before = lit_box(self.viewer.screenshot())
        self.viewer.resize(800, 600)
        time.sleep(0.3)
        shot = self.viewer.screenshot()
        self.assertEqual(shot.size, (800, 600))
        left, top, right, bottom = lit_box(shot)
        self.assertAlmostEqual((left + right) / 2, 400, delta=3)
        self.assertAlmostEqual((top + bottom) / 2, 300, delta=3)
        # The field of view is vertical: the cross grows with the height.
        scale = (bottom - top) / (before[3] - before[1])
        self.assertAlmostEqual(scale, 600 / 420, delta=0.03)
        self.assertEqual(self.close_and_wait(), 0)

    def test_stderr_starts_with_the_gl_version(self):
        self.assertEqual(self.close_and_wait(), 0)
        lines = self.viewer.stderr().splitlines()
        self.assertTrue(lines and re.match(r"^\d+\.\d+", lines[0]), lines)


if __name__ == "__main__":
    unittest.main(verbosity=2)
