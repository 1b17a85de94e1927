"""A whole run under valgrind: start with the demo pictures, browse, close. Nothing the program
allocates may be lost; the texture loader it keeps for the whole run stays reachable."""

import glob
import os
import re
import shutil
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Viewer, XServer  # noqa: E402

BINARY = os.environ["TESSILOR_BINARY"]
SAMPLES = os.path.join(os.environ["TESSILOR_SOURCE_DIR"], "samples")
SUPPRESSIONS = os.path.join(os.path.dirname(__file__), "library_leaks.supp")


class WholeRunUnderValgrind(unittest.TestCase):
    def test_no_leak(self):
        server = XServer()
        logs = tempfile.mkdtemp()
        folder = tempfile.mkdtemp()
        try:
            for number in range(1, 10):
                shutil.copy(os.path.join(SAMPLES, f"picture{number}.jpg"), folder)
            wrapper = ["valgrind", "--leak-check=full", "--show-leak-kinds=definite,indirect",
                       "--errors-for-leak-kinds=definite,indirect", "--num-callers=40",
                       "--keep-debuginfo=yes",
                       f"--suppressions={SUPPRESSIONS}", f"--log-file={logs}/vg.%p.log"]
            viewer = Viewer(server, BINARY, folder, wrapper=wrapper)
            try:
                for key in ("Down", "Left", "Home", "Delete"):
                    server.xdotool("keydown", key)
                    time.sleep(0.5)
                    server.xdotool("keyup", key)
                server.xdotool("mousemove", 590, 410)
                server.xdotool("click", 3)
                viewer.request_close()
                self.assertEqual(viewer.wait(timeout=240), 0)
            finally:
                viewer.kill()
            self.assertIn("Loded texture successfully...", viewer.stderr())
            log = open(glob.glob(f"{logs}/vg.{viewer.process.pid}.log")[0]).read()
            summary = re.search(r"definitely lost: ([\d,]+) bytes.*?indirectly lost: ([\d,]+) bytes",
                                log, re.S)
            self.assertIsNotNone(summary, log[-3000:])
            self.assertEqual(summary.group(1), "0", log[-6000:])
            self.assertEqual(summary.group(2), "0", log[-6000:])
        finally:
            server.close()
            shutil.rmtree(logs)
            shutil.rmtree(folder)


if __name__ == "__main__":
    unittest.main(verbosity=2)
