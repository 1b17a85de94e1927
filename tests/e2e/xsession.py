"""A private X server (Xvfb) and the real viewer running in it, for end-to-end tests.

Input goes through xdotool (XTEST, as a user's keyboard and mouse would), screenshots and the
window manager's close request through python-xlib. No window manager runs: the window sits
where the program put it, and the close request is sent as a WM_DELETE_WINDOW client message.
"""

import os
import subprocess
import tempfile
import time

from PIL import Image
from Xlib import X, display as xdisplay, protocol

WINDOW_TITLE = "Tessilor"


class XServer:
    """Xvfb on a free display number, stopped by close()."""

    def __init__(self, width=1024, height=768):
        read_fd, write_fd = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as reader:
            number = reader.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["SDL_VIDEODRIVER"] = "x11"
        self.x = xdisplay.Display(self.name)
        # Short, quick key repeat, as a user's held key gives on a desktop.
        subprocess.run(["xset", "r", "rate", "200", "30"], env=self.env, check=False)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def close(self):
        self.x.close()
        self.process.terminate()
        self.process.wait(timeout=10)


class Viewer:
    """The real binary, started in `folder` on `server`."""

    def __init__(self, server, binary, folder, extra_env=None, wrapper=()):
        self.server = server
        self.folder = folder
        self.stderr_file = tempfile.TemporaryFile()
        env = dict(server.env, **(extra_env or {}))
        self.process = subprocess.Popen([*wrapper, os.path.abspath(binary)], cwd=folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.stderr_file)
        self.window = self._wait_for_window()

    def _wait_for_window(self, timeout=30):
        root = self.server.x.screen().root
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError(f"viewer exited early with {self.process.returncode}: "
                                   f"{self.stderr()}")
            for child in root.query_tree().children:
                try:
                    if child.get_wm_name() == WINDOW_TITLE and \
                            child.get_attributes().map_state == X.IsViewable:
                        return child
                except Exception:  # a window that went away meanwhile
                    continue
            time.sleep(0.05)
        raise RuntimeError("no viewer window appeared")

    def geometry(self):
        g = self.window.get_geometry()
        origin = self.window.translate_coords(self.server.x.screen().root, 0, 0)
        return (-origin.x, -origin.y, g.width, g.height)

    def screenshot(self):
        """The window's client area as an RGB image, after two frames' worth of settling."""
        time.sleep(0.3)
        g = self.window.get_geometry()
        raw = self.window.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (g.width, g.height), raw.data, "raw", "BGRX")

    def resize(self, width, height):
        self.window.configure(width=width, height=height)
        self.server.x.sync()

    def request_close(self):
        x = self.server.x
        protocols = x.intern_atom("WM_PROTOCOLS")
        delete = x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=self.window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event, event_mask=X.NoEventMask)
        x.sync()

    def wait(self, timeout=30):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            raise

    def stderr(self):
        if self.stderr_file.closed:
            return self._stderr_text
        self.stderr_file.seek(0)
        return self.stderr_file.read().decode(errors="replace")

    def kill(self):
        """Ends the process if it still runs; what it wrote stays readable through stderr()."""
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if not self.stderr_file.closed:
            self._stderr_text = self.stderr()
            self.stderr_file.close()


def lit_box(image, threshold=24):
    """Bounding box (left, top, right, bottom) of the pixels brighter than black."""
    grey = image.convert("L").point(lambda v: 255 if v > threshold else 0)
    return grey.getbbox()


def region_differs(a, b, box, tolerance=8):
    """Whether any pixel in box differs between two images by more than tolerance."""
    ca, cb = a.crop(box), b.crop(box)
    for pa, pb in zip(ca.getdata(), cb.getdata()):
        if max(abs(x - y) for x, y in zip(pa, pb)) > tolerance:
            return True
    return False
