"""The DevTools protocol spoken straight to a browser's page over its
WebSocket, beside the WebDriver session that started the browser.

ChromeDriver holds every command it passes on, its DevTools ones too,
until the page has loaded; a page's input timed "as soon as the page has
the field" must not wait for that. Only what the benchmarks need: text
frames, one command at a time, events read past."""
import base64
import json
import os
import socket
import struct
import urllib.request


class DevToolsSocket:
    def __init__(self, debugger_address):
        targets = json.load(urllib.request.urlopen(f"http://{debugger_address}/json/list"))
        url = next(t["webSocketDebuggerUrl"] for t in targets if t["type"] == "page")
        host_port, path = url[len("ws://"):].split("/", 1)
        host, port = host_port.rsplit(":", 1)
        self.sock = socket.create_connection((host, int(port)))
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {host_port}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise ConnectionError("the browser closed its DevTools socket")
            reply += chunk
        head, self.pending = reply.split(b"\r\n\r\n", 1)
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise ConnectionError("the browser refused its DevTools socket: " + head.decode(errors="replace"))
        self.next_id = 0

    def close(self):
        self.sock.close()

    def _read(self, n):
        while len(self.pending) < n:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise ConnectionError("the browser closed its DevTools socket")
            self.pending += chunk
        data, self.pending = self.pending[:n], self.pending[n:]
        return data

    def _message(self):
        parts = []
        while True:
            first, second = self._read(2)
            length = second & 0x7F
            if length == 126:
                length = struct.unpack(">H", self._read(2))[0]
            elif length == 127:
                length = struct.unpack(">Q", self._read(8))[0]
            payload = self._read(length)  # a server's frames are not masked
            opcode = first & 0x0F
            if opcode == 0x8:
                raise ConnectionError("the browser closed its DevTools socket")
            if opcode in (0x0, 0x1, 0x2):
                parts.append(payload)
                if first & 0x80:
                    return json.loads(b"".join(parts))

    def _send(self, text):
        payload = text.encode()
        mask = os.urandom(4)
        n = len(payload)
        head = bytes([0x81]) + (bytes([0x80 | n]) if n < 126 else
                                bytes([0x80 | 126]) + struct.pack(">H", n) if n < 65536 else
                                bytes([0x80 | 127]) + struct.pack(">Q", n))
        self.sock.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))

    def command(self, method, params=None):
        self.next_id += 1
        self._send(json.dumps({"id": self.next_id, "method": method, "params": params or {}}))
        while True:
            message = self._message()
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]
