"""Runs the viewer in a private Xvfb, saves a screenshot of its window and closes it."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import Viewer, XServer  # noqa: E402


def main():
    binary, folder, output = sys.argv[1:4]
    server = XServer()
    try:
        viewer = Viewer(server, binary, folder)
        try:
            viewer.screenshot().save(output)
            viewer.request_close()
            code = viewer.wait()
        finally:
            viewer.kill()
        sys.stdout.write(viewer.stderr())
        print(f"screenshot written to {output}; the viewer exited with code {code}")
        return code
    finally:
        server.close()


if __name__ == "__main__":
    sys.exit(main())
