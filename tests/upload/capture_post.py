#!/usr/bin/env python3
"""Posts a form with curl to a one-shot local HTTP server and writes the
request body that curl sent to BODY_FILE.

Usage: capture_post.py BODY_FILE CURL_ARGS...   (e.g. -F title=x -F pic=@file)
"""
import http.server
import subprocess
import sys
import threading


class Capture(http.server.BaseHTTPRequestHandler):
    body = b""

    def do_POST(self):
        length = int(self.headers["Content-Length"])
        Capture.body = self.rfile.read(length)
        self.send_response(200)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def log_message(self, *args):
        pass


def main():
    server = http.server.HTTPServer(("127.0.0.1", 0), Capture)
    thread = threading.Thread(target=server.handle_request)
    thread.start()
    url = "http://127.0.0.1:%d/upload" % server.server_address[1]
    subprocess.run(["curl", "-sS", "-o", "/dev/null", *sys.argv[2:], url], check=True)
    thread.join()
    with open(sys.argv[1], "wb") as out:
        out.write(Capture.body)


if __name__ == "__main__":
    main()
