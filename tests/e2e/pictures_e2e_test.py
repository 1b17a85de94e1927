"""The real viewer under Xvfb in a folder of pictures: each picture in its slot and upright, the
debugger line, a missing picture, TGA data under a .jpg name, and closing."""

import os
import shutil
import sys
import tempfile
import unittest

from PIL import Image

sys.path.insert(0, os.path.dirname(__file__))
from cross_geometry import sample_points  # noqa: E402
from xsession import Viewer, XServer  # noqa: E402

BINARY = os.environ["TESSILOR_BINARY"]
SAMPLES = os.path.join(os.environ["TESSILOR_SOURCE_DIR"], "samples")
TEXTURE_SIZE = 256  # a 640 x 480 picture becomes a 256 x 256 texture


def fit_error(shown, expected):
    """How badly shown ~ a * expected + b fits, per channel, over the sample points: lighting
    scales the texture and adds a highlight, but keeps its pattern."""
    total = 0.0
    for channel in range(3):
        xs = [e[channel] for e in expected]
        ys = [s[channel] for s in shown]
        n = len(xs)
        mean_x, mean_y = sum(xs) / n, sum(ys) / n
        var_x = sum((x - mean_x) ** 2 for x in xs)
        cov = sum((x - mean_x) * (y - mean_y) for x, y in zip(xs, ys))
        a = cov / var_x if var_x > 1e-9 else 0.0
        if a < 0:
            a = 0.0  # a texture is never shown inverted
        b = mean_y - a * mean_x
        total += sum((y - (a * x + b)) ** 2 for x, y in zip(xs, ys)) / n
    return total


def texture_of(path):
    return Image.open(path).convert("RGB").resize((TEXTURE_SIZE, TEXTURE_SIZE), Image.BILINEAR)


def texel(texture, s, t):
    # t = 0 is the picture's bottom row.
    x = min(int(s * TEXTURE_SIZE), TEXTURE_SIZE - 1)
    y = min(int((1 - t) * TEXTURE_SIZE), TEXTURE_SIZE - 1)
    return texture.getpixel((x, y))


def best_match(shot, slot, candidates):
    """The key of the candidate texture that explains what the slot shows best."""
    points = sample_points(slot)
    shown = [shot.getpixel((px, py)) for px, py, _, _ in points]
    errors = {key: fit_error(shown, [texel(texture, s, t) for _, _, s, t in points])
              for key, texture in candidates.items()}
    return min(errors, key=errors.get), errors


class PicturesEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = XServer()
        cls.textures = {}
        for number in range(1, 10):
            texture = texture_of(os.path.join(SAMPLES, f"picture{number}.jpg"))
            cls.textures[number] = texture
            cls.textures[-number] = texture.transpose(Image.FLIP_TOP_BOTTOM)  # upside down

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def setUp(self):
        self.folder = tempfile.mkdtemp()
        for number in range(1, 10):
            shutil.copy(os.path.join(SAMPLES, f"picture{number}.jpg"), self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def run_viewer(self):
        viewer = Viewer(self.server, BINARY, self.folder)
        try:
            shot = viewer.screenshot()
            viewer.request_close()
            code = viewer.wait()
        finally:
            viewer.kill()
        return shot, code, viewer.stderr().splitlines()

    def test_each_demo_picture_shows_upright_in_its_slot(self):
        shot, code, lines = self.run_viewer()
        self.assertEqual(code, 0)
        self.assertEqual(len(lines), 2, lines)
        self.assertRegex(lines[0], r"^\d+\.\d+")
        self.assertEqual(lines[1], "Loded texture successfully...")
        for slot in range(9):
            match, errors = best_match(shot, slot, self.textures)
            self.assertEqual(match, slot + 1, f"slot {slot}: {sorted(errors.items(), key=lambda e: e[1])[:3]}")

    def assert_plain_square(self, shot, slot):
        """A slot without a texture shows the lit square alone: grey all over."""
        for r, g, b in (shot.getpixel((px, py)) for px, py, _, _ in sample_points(slot)):
            self.assertTrue(abs(r - g) < 12 and abs(g - b) < 12 and r > 80, (slot, r, g, b))

    def test_tga_data_under_a_jpg_name_goes_to_the_picture_service(self):
        # An orange TGA that the TGA reader would load; under a .jpg name it goes to the
        # picture service, which reads no TGA, so its slot stays plain.
        Image.new("RGB", (64, 64), (255, 140, 0)).save(
            os.path.join(self.folder, "picture5.jpg"), format="TGA")
        os.remove(os.path.join(self.folder, "picture7.jpg"))
        shot, code, lines = self.run_viewer()
        self.assertEqual(code, 0)
        self.assertEqual(lines[1:], ["Loded texture failed..."])
        self.assert_plain_square(shot, 4)  # picture5's slot, below the centre
        self.assert_plain_square(shot, 6)  # picture7's, missing
        for slot in (0, 1, 2, 3, 5, 7, 8):
            match, _ = best_match(shot, slot, self.textures)
            self.assertEqual(match, slot + 1, f"slot {slot}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
