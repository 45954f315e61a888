#!/usr/bin/env python3
"""HTTP server on 127.0.0.1 for the page reader and update check tests.

It listens on a free port, writes the port to DIR/http-server.port and appends every raw request
to DIR/http-requests.log ("=== N\n", the N request bytes, "\n"). It answers origin-form and
absolute-form (proxy) requests alike; the path decides the answer:

  /cl/N           200, Content-Length N, N body bytes
  /nocl/N         200, no Content-Length, N body bytes, then close
  /len/TEXT/N     200, "Content-Length: TEXT" as given, N body bytes, then close
  /cut/N/M        200, Content-Length N, only M body bytes, then close
  /status404      404 with a body
  /echo...        200, the body is the request line
  A connection that opens with a TLS handshake is logged and closed.
  /_queue/MODE[/HEX]  queues an answer for the next page request (MODE "page": 200 with the
                  bytes HEX; "drop": close without answering); answers "ok"
  /_queue/clear   empties the queue
  any other path  a page request: the next queued answer; 404 "no page" when none is queued
"""
import os, socket, socketserver, sys, threading

DIR = sys.argv[1]
LOCK = threading.Lock()
QUEUE = []


def body_bytes(n):
    return bytes((i * 7 + 3) % 256 for i in range(n))


def response(status, body, headers=()):
    head = "HTTP/1.0 %s\r\nContent-Type: application/octet-stream\r\n" % status
    head += "".join("%s: %s\r\n" % h for h in headers)
    return head.encode("latin-1") + b"\r\n" + body


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        data = b""
        while b"\r\n\r\n" not in data:
            chunk = self.request.recv(65536)
            if not chunk:
                break
            data += chunk
            if data[:1] == b"\x16":  # a TLS handshake: logged, then the connection is closed
                break
        with LOCK:
            with open(os.path.join(DIR, "http-requests.log"), "ab") as log:
                log.write(b"=== %d\n" % len(data) + data + b"\n")
        try:
            target = data.split(b" ")[1].decode("latin-1")
        except IndexError:
            return  # not HTTP (a TLS handshake): closed without an answer
        if "://" in target:  # absolute form, as a proxy receives it
            target = "/" + target.split("://", 1)[1].partition("/")[2]
        parts = target.split("?")[0].strip("/").split("/")
        answer = self.answer(parts, data)
        if answer is not None:
            try:
                self.request.sendall(answer)
            except OSError:
                pass
        try:
            self.request.shutdown(socket.SHUT_WR)
        except OSError:
            pass

    def answer(self, parts, data):
        kind = parts[0]
        if kind == "cl":
            n = int(parts[1])
            return response("200 OK", body_bytes(n), [("Content-Length", n)])
        if kind == "nocl":
            return response("200 OK", body_bytes(int(parts[1])))
        if kind == "len":
            return response("200 OK", body_bytes(int(parts[2])), [("Content-Length", parts[1].replace("%20", " "))])
        if kind == "cut":
            return response("200 OK", body_bytes(int(parts[2])), [("Content-Length", parts[1])])
        if kind == "status404":
            body = b"<html>not here</html>"
            return response("404 Not Found", body, [("Content-Length", len(body))])
        if kind == "echo":
            line = data.split(b"\r\n")[0]
            return response("200 OK", line, [("Content-Length", len(line))])
        if kind == "_queue":
            with LOCK:
                if parts[1] == "clear":
                    QUEUE.clear()
                    return response("200 OK", b"ok", [("Content-Length", 2)])
                QUEUE.append((parts[1], bytes.fromhex(parts[2]) if len(parts) > 2 else b""))
            return response("200 OK", b"ok", [("Content-Length", 2)])
        with LOCK:
            queued = QUEUE.pop(0) if QUEUE else None
        if queued is None:
            return response("404 Not Found", b"no page", [("Content-Length", 7)])
        mode, body = queued
        if mode == "drop":
            return None
        return response("200 OK", body, [("Content-Length", len(body))])


class Server(socketserver.ThreadingTCPServer):
    allow_reuse_address = True
    daemon_threads = True


if __name__ == "__main__":
    with Server(("127.0.0.1", 0), Handler) as server:
        port_file = os.path.join(DIR, "http-server.port")
        with open(port_file + ".tmp", "w") as f:
            f.write("%d\n" % server.server_address[1])
        os.replace(port_file + ".tmp", port_file)
        server.serve_forever()
