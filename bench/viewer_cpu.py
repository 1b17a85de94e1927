"""How much CPU the real viewer takes under Xvfb, idle and with a key held: the frame loop never
waits for events, so this shows what the paced swap saves. Prints the figures; asserts nothing.

    /usr/bin/python3 bench/viewer_cpu.py build/app/tessilor samples
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import Viewer, XServer  # noqa: E402

SECONDS = 5.0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime + stime
    return ticks / os.sysconf("SC_CLK_TCK")


def measure(viewer, server, key=None):
    if key:
        server.xdotool("keydown", key)
    start_cpu, start = cpu_seconds(viewer.process.pid), time.monotonic()
    time.sleep(SECONDS)
    used = cpu_seconds(viewer.process.pid) - start_cpu
    elapsed = time.monotonic() - start
    if key:
        server.xdotool("keyup", key)
    return 100.0 * used / elapsed


def main():
    binary, folder = sys.argv[1:3]
    server = XServer()
    try:
        viewer = Viewer(server, binary, folder)
        try:
            time.sleep(1.0)
            print(f"idle: {measure(viewer, server):.1f}% of one core")
            print(f"Down held: {measure(viewer, server, 'Down'):.1f}% of one core")
            viewer.request_close()
            viewer.wait()
        finally:
            viewer.kill()
    finally:
        server.close()


if __name__ == "__main__":
    main()
