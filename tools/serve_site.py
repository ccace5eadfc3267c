#!/usr/bin/env python3
"""Serves the page's site folder as static files, for tools/serve_web.sh.

    serve_site.py check HOST PORT        says plainly, and at once, when the port cannot be used
    serve_site.py serve HOST PORT FOLDER serves FOLDER until Ctrl-C

Host 0.0.0.0 (or ::) opens the page to the network: it is served over IPv4 and, where the machine
has it, IPv6, and only the addresses of this machine at which the page answers are printed.
"""
import errno
import functools
import http.server
import socket
import subprocess
import sys
import threading
import urllib.request


class DualStackServer(http.server.ThreadingHTTPServer):
    """A server on the IPv6 wildcard address that takes IPv4 connections as well."""

    address_family = socket.AF_INET6

    def server_bind(self):
        self.socket.setsockopt(socket.IPPROTO_IPV6, socket.IPV6_V6ONLY, 0)
        super().server_bind()


def open_to_network(host):
    return host in ("0.0.0.0", "::")


def make_server(host, port, handler):
    if open_to_network(host) and socket.has_dualstack_ipv6():
        return DualStackServer(("::", port), handler)
    family = socket.getaddrinfo(host, port, type=socket.SOCK_STREAM)[0][0]
    server_class = type("Server", (http.server.ThreadingHTTPServer,), {"address_family": family})
    return server_class((host, port), handler)


def check(host, port):
    try:
        make_server(host, port, http.server.SimpleHTTPRequestHandler).server_close()
    except OSError as error:
        reason = error.strerror or str(error)
        if error.errno == errno.EADDRINUSE:
            reason = (f"port {port} is taken: another program (perhaps another serve_web.sh) "
                      f"listens on it. Stop it, or choose another port: tools/serve_web.sh {port + 1}"
                      + ("" if host == "127.0.0.1" else f" {host}"))
        print(f"serve_web.sh: cannot serve on {host}, port {port}: {reason}", file=sys.stderr)
        sys.exit(1)


def network_addresses():
    """This machine's addresses on its networks, as `hostname -I` lists them."""
    try:
        listed = subprocess.run(["hostname", "-I"], capture_output=True, text=True).stdout
    except OSError:
        return []
    return listed.split()


def url_of(address, port):
    return f"http://[{address}]:{port}/" if ":" in address else f"http://{address}:{port}/"


def answers(request):
    try:
        with urllib.request.urlopen(request, timeout=3) as response:
            return response.status == 200
    except OSError:
        return False


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Logs the requests of others, not the server's own look at its addresses."""

    def log_message(self, format, *args):
        if self.headers.get("User-Agent", "").startswith("serve_site"):
            return
        super().log_message(format, *args)


def serve(host, port, folder):
    server = make_server(host, port, functools.partial(QuietHandler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    if open_to_network(host):
        print(f"Play at http://localhost:{port}/ on this machine, and from the same network at:")
        for address in network_addresses():
            url = url_of(address, port)
            request = urllib.request.Request(url, headers={"User-Agent": "serve_site"})
            if answers(request):
                print(f"  {url}")
        print("(Keeping the page for offline use and installing it need localhost or https; over the")
        print("network the page plays, but is not kept.)")
    else:
        print(f"Play at {url_of(host, port)}")
    sys.stdout.flush()
    try:
        threading.Event().wait()
    except KeyboardInterrupt:
        server.shutdown()


if __name__ == "__main__":
    command, host, port = sys.argv[1], sys.argv[2], int(sys.argv[3])
    if command == "check":
        check(host, port)
    else:
        serve(host, port, sys.argv[4])
