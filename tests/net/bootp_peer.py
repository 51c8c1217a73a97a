#!/usr/bin/env python3
"""A scripted BOOTP server for the stand-in's tests. It answers the first
requests from one Ethernet address in turn with the given commands
(store:A.B.C.D or erase), broadcast to port 68 as Kelvory does, then exits.
With --decoy it first sends a reply to a wrong xid, which must be ignored."""
import argparse
import socket
import time

parser = argparse.ArgumentParser()
parser.add_argument("--mac", required=True)
parser.add_argument("--server", required=True, help="this side's address, for siaddr")
parser.add_argument("--timeout", type=float, default=20)
parser.add_argument("--decoy", action="store_true")
parser.add_argument("actions", nargs="+")
args = parser.parse_args()

mac = bytes.fromhex(args.mac.replace(":", ""))
sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
sock.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
sock.bind(("", 67))
print("ready", flush=True)


def reply(request, command, yiaddr, xid=None):
    message = bytearray(request[:300])
    message[0] = 2
    message[3] = 0
    if xid is not None:
        message[4:8] = xid
    message[16:20] = socket.inet_aton(yiaddr)
    message[20:24] = socket.inet_aton(args.server)
    message[240:246] = bytes([43, 3, 3, 1, command, 255])
    sock.sendto(bytes(message), ("255.255.255.255", 68))


deadline = time.monotonic() + args.timeout
target = "0.0.0.0"
actions = list(args.actions)
while actions and time.monotonic() < deadline:
    sock.settimeout(max(0.1, deadline - time.monotonic()))
    try:
        request, source = sock.recvfrom(1500)
    except socket.timeout:
        break
    if len(request) < 300 or request[0] != 1 or request[28:34] != mac:
        continue
    if args.decoy:
        args.decoy = False
        wrong = bytes(b ^ 0xFF for b in request[4:8])
        reply(request, 1, "10.213.0.99", xid=wrong)
    action = actions.pop(0)
    if action.startswith("store:"):
        target = action[6:]
        reply(request, 1, target)
    else:
        reply(request, 2, target)
    print("answered", action, flush=True)
