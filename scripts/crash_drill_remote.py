#!/usr/bin/env python3
"""Kills the real program while a button deck scores through the remote, on a busy disk, and
checks that every point answered with 200 and "saved": true is in the emergency copy.

Usage: scripts/crash_drill_remote.py PROGRAM [KILLS] [SEED]
Loopback only; every program it starts is killed before it ends.
"""
import http.client
import json
import os
import random
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

TOKEN = "0123456789abcdef0123456789abcdef"
POINT_LINE = re.compile(r"^\(\d+\)\s*\d+ -\s*\d+ - .* - [HG]_")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def busy_disk(folder, stop):
    """Keeps the disk busy with synced writes, as a laptop copying videos would."""
    block = os.urandom(1 << 20)
    path = os.path.join(folder, "busy.bin")
    while not stop.is_set():
        with open(path, "wb") as f:
            for _ in range(8):
                f.write(block)
            f.flush()
            os.fsync(f.fileno())


def one_run(program, rng, root):
    home = os.path.join(root, "home")
    temp = os.path.join(root, "temp")
    os.makedirs(os.path.join(home, ".config", "Brivanta"))
    os.makedirs(temp)
    port = free_port()
    with open(os.path.join(home, ".config", "Brivanta", "Brivanta.conf"), "w") as f:
        f.write(f"[Startup]\nHubPort={port}\nHubToken={TOKEN}\n")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), TEMP=temp,
               QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=root)
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + 20
        conn = None
        while time.monotonic() < deadline:
            try:
                conn = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
                conn.connect()
                break
            except OSError:
                conn = None
                time.sleep(0.05)
        if conn is None:
            raise RuntimeError("the program did not start its live server")
        kill_at = time.monotonic() + rng.uniform(0.05, 1.5)
        acknowledged = 0
        unsaved = 0
        side = 0
        while time.monotonic() < kill_at:
            path = "/control/home/plus" if side == 0 else "/control/guests/plus"
            conn.request("POST", path, headers={"Authorization": "Bearer " + TOKEN, "Content-Length": "0"})
            answer = conn.getresponse()
            body = answer.read()
            if answer.status != 200:
                raise RuntimeError(f"{path}: {answer.status} {body[:80]!r}")
            # An older program says nothing of the copy: its 200 was the acknowledgement.
            if json.loads(body).get("saved", True) is True:
                acknowledged += 1
            else:
                unsaved += 1
            side = 1 - side
    finally:
        proc.send_signal(signal.SIGKILL)
        proc.wait()
    copy = os.path.join(temp, "match.txt")
    lines = open(copy, encoding="cp1252", errors="replace").read().splitlines() if os.path.exists(copy) else []
    on_disk = sum(1 for line in lines if POINT_LINE.match(line))
    return acknowledged, unsaved, on_disk


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program = os.path.abspath(sys.argv[1])
    kills = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 20261210)
    work = tempfile.mkdtemp(prefix="brivanta-drill-", dir="/var/tmp")
    stop = threading.Event()
    disk = threading.Thread(target=busy_disk, args=(work, stop), daemon=True)
    disk.start()
    lost_runs = 0
    lost_points = 0
    acknowledged_total = 0
    unsaved_total = 0
    try:
        for k in range(kills):
            root = os.path.join(work, f"kill{k}")
            acknowledged, unsaved, on_disk = one_run(program, rng, root)
            acknowledged_total += acknowledged
            unsaved_total += unsaved
            if on_disk < acknowledged:
                lost_runs += 1
                lost_points += acknowledged - on_disk
                print(f"kill {k}: {acknowledged} acknowledged, {on_disk} on disk", flush=True)
            shutil.rmtree(root, ignore_errors=True)
    finally:
        stop.set()
        disk.join()
        shutil.rmtree(work, ignore_errors=True)
    print(f"remote crash drill: kills={kills} acknowledged={acknowledged_total} "
          f"answered-unsaved={unsaved_total} runs-with-loss={lost_runs} acknowledged-lost={lost_points}")
    return 1 if lost_points else 0


if __name__ == "__main__":
    sys.exit(main())
