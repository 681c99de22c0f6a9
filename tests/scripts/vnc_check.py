"""Speaks the start of the VNC handshake to the server on 127.0.0.1:PORT as a client that has no
password: the server must offer only password authentication and refuse a wrong answer."""
import socket
import struct
import sys


def read(s, n):
    data = b""
    while len(data) < n:
        part = s.recv(n - len(data))
        if not part:
            raise SystemExit("the server closed the connection early")
        data += part
    return data


def main(port):
    s = socket.create_connection(("127.0.0.1", port), timeout=10)
    version = read(s, 12)
    if not version.startswith(b"RFB 003."):
        raise SystemExit("not a VNC server: %r" % version)
    s.sendall(b"RFB 003.008\n")
    count = read(s, 1)[0]
    if count == 0:
        raise SystemExit("the server refused the connection outright")
    offered = list(read(s, count))
    if 1 in offered:
        raise SystemExit("the server lets a client in without a password: %r" % offered)
    if 2 not in offered:
        raise SystemExit("the server offers no password authentication: %r" % offered)
    s.sendall(bytes([2]))
    read(s, 16)  # the challenge
    s.sendall(bytes(16))  # an answer made without the password
    result = struct.unpack(">I", read(s, 4))[0]
    if result == 0:
        raise SystemExit("the server took a wrong password")
    print("refused without the password")


main(int(sys.argv[1]))
