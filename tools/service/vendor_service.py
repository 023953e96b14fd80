#!/usr/bin/env python3
"""The local stand-in for the vendor's web service, for tests and the demo.

Serves on 127.0.0.1 only:
  /smart-download/<id>/<name>        the package file <name> from --packages DIR
  /builtin/installers/page1..4.jsp   the pages of the install progress screen
  /support.jsp                       the support page of the uninstall screen
  anything else                      "ok" (the statistics reports)

Every request except the control ones is recorded, path and query in order.
Tests steer the service through /_control/...:
  /_control/requests   the recorded requests, one per line
  /_control/reset      forgets the recorded requests and every route below
  /_control/route?path=P&...   defines the answer for path P (query ignored):
      size=N | text=T   body: N pattern bytes, or the text T (default empty)
      status=NNN        status code (default 200)
      length=auto|none|N  announced Content-Length (auto: the body's; none:
                        no header, the body ends when the connection closes;
                        N larger than the body gives a truncated body)
      location=L        a Location header
      delay=S           wait S seconds before the status line
      stall=S           after stall_after=B bytes of the body, send nothing
                        for S seconds, then the rest
      drip=B:MS         send the body B bytes at a time, MS milliseconds apart
    and answers with the SHA-256 of the body in lower-case hexadecimal.

Usage: vendor_service.py [--port N] [--tls-port N] [--packages DIR]
                         [--state DIR] [--exclusive]
--port 0 (and --tls-port 0) choose a free port. The base address of each
listener is printed on its own line ("http://127.0.0.1:N", then
"https://127.0.0.1:N") and, with --state, written to DIR/base_url and
DIR/tls_url. The TLS listener uses a self-signed certificate made with openssl
in the state folder. --exclusive waits for a machine-wide lock on the port
first, so that test runs of several work trees take turns on the fixed port.
"""
import argparse
import fcntl
import hashlib
import http.server
import os
import ssl
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

# The port the default build's ServiceBaseUrl names (CMake reads it here).
DEFAULT_PORT = 48623

PAGES = {
    "/builtin/installers/page%d.jsp" % n: "<html><body><h1>Zanvo Archiver</h1><p>Page %d</p></body></html>" % n
    for n in range(1, 5)
}
PAGES["/support.jsp"] = "<html><body><h1>Zanvo Archiver support</h1><p>Tell us why you left.</p></body></html>"


def pattern_bytes(size):
    """Deterministic bytes that are not all alike, so a shifted body is noticed."""
    block = bytes((i * 31 + 7) % 251 for i in range(251 * 64))
    whole, rest = divmod(size, len(block))
    return block * whole + block[:rest]


class Route:
    def __init__(self, query):
        def one(name, default=None):
            return query.get(name, [default])[0]

        text = one("text")
        self.body = text.encode("utf-8") if text is not None else pattern_bytes(int(one("size", "0")))
        self.status = int(one("status", "200"))
        self.length = one("length", "auto")
        self.location = one("location")
        self.delay = float(one("delay", "0"))
        self.stall = float(one("stall", "0"))
        self.stall_after = int(one("stall_after", "0"))
        drip = one("drip")
        self.drip = tuple(int(x) for x in drip.split(":")) if drip else None


class State:
    def __init__(self, packages):
        self.lock = threading.Lock()
        self.requests = []
        self.routes = {}
        self.packages = packages

    def reset(self):
        with self.lock:
            self.requests.clear()
            self.routes.clear()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "ZanvoVendorService/1"

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        self.close_connection = True
        state = self.server.state
        path, _, query = self.path.partition("?")
        try:
            if path.startswith("/_control/"):
                self.control(state, path, urllib.parse.parse_qs(query, keep_blank_values=True))
                return
            with state.lock:
                state.requests.append(self.path)
                route = state.routes.get(path)
            if route is not None:
                self.answer_route(route)
            elif path.startswith("/smart-download/"):
                self.answer_package(state, path)
            elif path in PAGES:
                self.answer(200, PAGES[path].encode(), "text/html")
            else:
                self.answer(200, b"ok\n")
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError, OSError):
            pass  # the client gave up (a watchdog, a timeout): nothing to do

    def control(self, state, path, query):
        if path == "/_control/requests":
            with state.lock:
                text = "".join(line + "\n" for line in state.requests)
            self.answer(200, text.encode())
        elif path == "/_control/reset":
            state.reset()
            self.answer(200, b"ok\n")
        elif path == "/_control/route" and "path" in query:
            route = Route(query)
            with state.lock:
                state.routes[query["path"][0]] = route
            self.answer(200, hashlib.sha256(route.body).hexdigest().encode())
        else:
            self.answer(400, b"unknown control request\n")

    def answer(self, status, body, content_type="text/plain"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)

    def answer_package(self, state, path):
        name = os.path.basename(path)
        file = os.path.join(state.packages, name) if state.packages and name else None
        if not file or not os.path.isfile(file):
            self.answer(404, b"no such package\n")
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(os.path.getsize(file)))
        self.send_header("Connection", "close")
        self.end_headers()
        with open(file, "rb") as f:
            while True:
                block = f.read(1 << 20)
                if not block:
                    break
                self.wfile.write(block)

    def answer_route(self, route):
        if route.delay:
            time.sleep(route.delay)
        self.send_response(route.status)
        self.send_header("Content-Type", "application/octet-stream")
        if route.length == "auto":
            self.send_header("Content-Length", str(len(route.body)))
        elif route.length != "none":
            self.send_header("Content-Length", route.length)
        if route.location:
            self.send_header("Location", route.location)
        self.send_header("Connection", "close")
        self.end_headers()
        body = route.body
        if route.stall:
            self.wfile.write(body[:route.stall_after])
            self.wfile.flush()
            time.sleep(route.stall)
            body = body[route.stall_after:]
        if route.drip:
            step, pause = route.drip
            for start in range(0, len(body), step):
                self.wfile.write(body[start:start + step])
                self.wfile.flush()
                time.sleep(pause / 1000.0)
        else:
            self.wfile.write(body)
        self.wfile.flush()


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, state, tls_context=None):
        super().__init__(("127.0.0.1", port), Handler)
        self.state = state
        if tls_context is not None:
            self.socket = tls_context.wrap_socket(self.socket, server_side=True, do_handshake_on_connect=False)

    def handle_error(self, request, client_address):
        pass  # a refused TLS handshake or a vanished client is expected here


def make_tls_context(folder):
    cert = os.path.join(folder, "service-cert.pem")
    key = os.path.join(folder, "service-key.pem")
    if not (os.path.isfile(cert) and os.path.isfile(key)):
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                        "-subj", "/CN=127.0.0.1", "-keyout", key, "-out", cert],
                       check=True, capture_output=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


def take_port_lock(port):
    """Held until this process ends; another test run waits here for its turn."""
    handle = open(os.path.join(tempfile.gettempdir(), "zanvo-vendor-service-%d.lock" % port), "w")
    try:
        fcntl.flock(handle, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        print("vendor_service: waiting for port %d, used by another test run" % port, file=sys.stderr, flush=True)
        fcntl.flock(handle, fcntl.LOCK_EX)
    return handle


def main():
    parser = argparse.ArgumentParser(description="Local vendor web service for tests and the demo.")
    parser.add_argument("--port", type=int, default=DEFAULT_PORT)
    parser.add_argument("--tls-port", type=int)
    parser.add_argument("--packages", help="folder holding the package files")
    parser.add_argument("--state", help="folder for base_url, tls_url and the TLS certificate")
    parser.add_argument("--exclusive", action="store_true", help="wait for the machine-wide lock of the port")
    args = parser.parse_args()

    lock = take_port_lock(args.port) if args.exclusive and args.port else None
    state = State(args.packages)
    servers = [Server(args.port, state)]
    if args.tls_port is not None:
        folder = args.state or tempfile.mkdtemp(prefix="zanvo-service-")
        servers.append(Server(args.tls_port, state, make_tls_context(folder)))
    addresses = ["http://127.0.0.1:%d" % servers[0].server_address[1]]
    if len(servers) > 1:
        addresses.append("https://127.0.0.1:%d" % servers[1].server_address[1])
    for server in servers[1:]:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    if args.state:
        os.makedirs(args.state, exist_ok=True)
        # base_url last: the launcher waits for it.
        for name, address in reversed(list(zip(["base_url", "tls_url"], addresses))):
            with open(os.path.join(args.state, name + ".tmp"), "w") as f:
                f.write(address + "\n")
            os.replace(os.path.join(args.state, name + ".tmp"), os.path.join(args.state, name))
    print("\n".join(addresses), flush=True)
    try:
        servers[0].serve_forever()
    except KeyboardInterrupt:
        pass
    del lock


if __name__ == "__main__":
    main()
