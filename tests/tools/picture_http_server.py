#!/usr/bin/python3
"""A small http server on 127.0.0.1 for the picture tests.

Usage: picture_http_server.py DIRECTORY

Picks a free port, prints it on one line and serves the files of DIRECTORY, plus:
  /never          accepts the request and never answers
  /huge           a body larger than any picture the viewer accepts, without a length
  /huge-declared  a length header larger than any picture the viewer accepts
  /to-file/NAME   redirects to the file:// address of NAME in DIRECTORY
  /to/NAME        redirects to /NAME on this server
  /loop           redirects to itself
It stops by itself after a minute, or as soon as its standard input closes.
"""
import http.server
import os
import sys
import threading
import time

LIFETIME_SECONDS = 60
HUGE_BYTES = 65 * 1024 * 1024  # just over the viewer's 64 MiB cap
CHUNK = b"\xff" * 65536


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def do_GET(self):
        if self.path == "/never":
            # Hold the connection open without a byte of answer until the client gives up.
            self.connection.settimeout(LIFETIME_SECONDS)
            try:
                self.connection.recv(1)
            except OSError:
                pass
            self.close_connection = True
            return
        if self.path == "/huge":
            self.send_response(200)
            self.send_header("Content-Type", "image/jpeg")
            self.end_headers()
            sent = 0
            try:
                while sent < HUGE_BYTES:
                    self.wfile.write(CHUNK)
                    sent += len(CHUNK)
            except OSError:
                pass
            self.close_connection = True
            return
        if self.path == "/huge-declared":
            self.send_response(200)
            self.send_header("Content-Length", str(HUGE_BYTES))
            self.end_headers()
            try:
                self.wfile.write(CHUNK)
            except OSError:
                pass
            self.close_connection = True
            return
        if self.path.startswith("/to-file/"):
            name = os.path.basename(self.path[len("/to-file/"):])
            self.redirect("file://" + os.path.join(self.directory, name))
            return
        if self.path.startswith("/to/"):
            self.redirect("/" + self.path[len("/to/"):])
            return
        if self.path == "/loop":
            self.redirect("/loop")
            return
        super().do_GET()


def main():
    directory = os.path.abspath(sys.argv[1])

    def handler(*args, **kwargs):
        return Handler(*args, directory=directory, **kwargs)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    deadline = time.monotonic() + LIFETIME_SECONDS

    def watch_stdin():
        sys.stdin.buffer.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    while time.monotonic() < deadline:
        time.sleep(0.2)
    os._exit(0)


main()
