#!/usr/bin/env python3
"""Soak test of vxpp-server under concurrent clients.

    scripts/soak.py [SECONDS] [--clients N] [--keep DIR]

Builds the release preset (vxpp-server, logview, logview-demo), writes a demo
installation into a scratch folder and serves it on a free port of
127.0.0.1.  N clients (default 16) then work it for SECONDS (default 600),
each picking at random:

  search   logview --server ... --login admin:admin PAGE ...: the output
           must be byte for byte what the same search of the local
           databases (logview --install) printed before the run;
  login    a login and logout alone (logview --login ... --list-types);
  bad      a malformed request on a raw socket (garbage, a bad request
           line, an unknown command, a log query without a session, an
           oversized header block, a header cut short): the server must
           answer it with an error status or close the connection, within
           its time limits, and go on serving.

The searches cover past days only: the server writes today's system log
(every login is a line there), so today's answers change during the run.

Every 5 seconds the server's resident memory is sampled; a line per minute
shows it with the counts so far.  The summary gives the memory after the
warm-up (the first fifth of the run, at least 30 s), at the end and at its
highest after the warm-up, and every error.  Exit status 0 when there was no
error and the server survived; 1 otherwise.  Not part of CI.
"""

import argparse
import os
import random
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
from datetime import date, timedelta

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "release", "tools")
SERVER = os.path.join(BUILD, "vxpp-server", "vxpp-server")
LOGVIEW = os.path.join(BUILD, "logview", "logview")
DEMO = os.path.join(BUILD, "logview-demo", "logview-demo")
CLIENT_TIMEOUT = 60  # seconds a logview run may take before it counts as hung


def build():
    subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release", "-j2", "--target", "vxpp-server", "logview_tool",
                    "logview-demo"], cwd=ROOT, check=True)


def make_installation(folder):
    subprocess.run([DEMO, folder], check=True, stdout=subprocess.DEVNULL)
    users = os.path.join(folder, "vxpp-users.ini")
    if not os.path.exists(users):
        with open(users, "w") as f:
            f.write("[admin]\nPassword=admin\nPrivilege=18446744073709551615\nAllowPOS=1\n")


def start_server(install, log):
    # The log shows request words as sent, bytes of bad requests included.
    server = subprocess.Popen([SERVER, "--install", install, "--port", "0"], stderr=subprocess.PIPE)
    first = server.stderr.readline().decode(errors="replace")  # names the port it listens on
    port = int(first.rsplit(":", 1)[1].split()[0])
    log.write(first)

    def copy_log():
        for line in server.stderr:
            log.write(line.decode(errors="replace"))

    threading.Thread(target=copy_log, daemon=True).start()
    return server, port


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def logview(install, args):
    env = dict(os.environ, LOGVIEW_INSTALL=install)
    return subprocess.run([LOGVIEW, "--install", install] + args, capture_output=True, text=True,
                          timeout=CLIENT_TIMEOUT, env=env)


def searches():
    past = [(date.today() - timedelta(days=n)).isoformat() for n in (1, 2, 5)]
    return [
        ["events", "--day", past[0]],
        ["events", "--day", past[1], "--type", "General Motion"],
        ["events", "--day", past[2], "--camera", "[02] Lobby"],
        ["events", "--from", past[2] + " 08:00:00", "--to", past[0] + " 12:00:00", "--sort", "1"],
        ["system", "--day", past[0]],
        ["system", "--day", past[1], "--type", "User Login"],
    ]


BAD_REQUESTS = [
    ("garbage", b"\x00\xff\x13 not a request at all\r\n\r\n"),
    ("request line", b"EVENTLOG\r\nCSeq: 1\r\n\r\n"),
    ("unknown command", b"NOSUCHCOMMAND vxpp://127.0.0.1/ VXPP/1.0\r\nCSeq: 1\r\n\r\n"),
    ("no session", b"EVENTLOG vxpp://127.0.0.1/ VXPP/1.0\r\nCSeq: 1\r\nUser-Session-No: 123456\r\n"
                   b"Event-Number: -1\r\nStart-Date-Time: null\r\nEnd-Date-Time: null\r\n\r\n"),
    ("bad time", b"SYSTEMLOG vxpp://127.0.0.1/ VXPP/1.0\r\nCSeq: 1\r\nUser-Session-No: 1\r\n"
                 b"Start-Date-Time: 2024/13/45;99:99:99\r\n\r\n"),
    ("oversized", b"EVENTLOG vxpp://127.0.0.1/ VXPP/1.0\r\nX: " + b"a" * (70 * 1024) + b"\r\n\r\n"),
    ("cut short", b"EVENTLOG vxpp://127.0.0.1/ VXPP/1.0\r\nCSeq: 1\r\nUser-Ses"),
]


def bad_request(port, rng):
    """None when the server dealt with the request, else what went wrong."""
    name, request = rng.choice(BAD_REQUESTS)
    with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
        s.settimeout(40)  # beyond the server's own header deadline
        try:
            s.sendall(request)
            if name == "cut short":
                s.shutdown(socket.SHUT_WR)
            answer = s.recv(256)
        except ConnectionResetError:
            return None  # closed on us: a fair answer to a bad request
        except socket.timeout:
            return f"bad request '{name}': no answer and no close within 40 s"
    if answer == b"" or (answer.startswith(b"VXPP/") and b" 200 " not in answer.split(b"\r\n")[0]):
        return None
    return f"bad request '{name}': answered {answer[:60]!r}"


class Soak:
    def __init__(self, install, port, expected, seconds, clients):
        self.install, self.port, self.expected = install, port, expected
        self.deadline = time.monotonic() + seconds
        self.clients = clients
        self.lock = threading.Lock()
        self.counts = {"search": 0, "login": 0, "bad": 0}
        self.errors = []

    def record(self, kind, error):
        with self.lock:
            self.counts[kind] += 1
            if error:
                self.errors.append(f"{time.strftime('%H:%M:%S')} {kind}: {error}")

    def client(self, seed):
        rng = random.Random(seed)
        server = ["--server", f"127.0.0.1:{self.port}", "--login", "admin:admin"]
        while time.monotonic() < self.deadline:
            roll = rng.random()
            try:
                if roll < 0.6:
                    index = rng.randrange(len(self.expected))
                    args, want = self.expected[index]
                    got = logview(self.install, server + args)
                    error = None
                    if got.returncode != 0 or got.stdout != want:
                        error = f"{' '.join(args)}: status {got.returncode}, {len(got.stdout)} bytes " \
                                f"(local: {len(want)}); {got.stderr.strip()[-200:]}"
                    self.record("search", error)
                elif roll < 0.75:
                    got = logview(self.install, server + ["events", "--list-types"])
                    self.record("login", None if got.returncode == 0 else
                                f"status {got.returncode}: {got.stderr.strip()[-200:]}")
                else:
                    self.record("bad", bad_request(self.port, rng))
            except (OSError, subprocess.TimeoutExpired) as e:
                self.record("search" if roll < 0.6 else "login" if roll < 0.75 else "bad", repr(e))


def main():
    parser = argparse.ArgumentParser(description="Soak test of vxpp-server (see the top of this file).")
    parser.add_argument("seconds", nargs="?", type=int, default=600)
    parser.add_argument("--clients", type=int, default=16)
    parser.add_argument("--keep", help="write the installation and the server log here and keep them")
    options = parser.parse_args()

    build()
    work = options.keep or tempfile.mkdtemp(prefix="soak.")
    install = os.path.join(work, "install")
    make_installation(install)
    expected = []
    for args in searches():
        local = logview(install, args)
        if local.returncode != 0:
            sys.exit(f"soak: the local search {' '.join(args)} failed: {local.stderr}")
        expected.append((args, local.stdout))
    print(f"soak: {len(expected)} searches, {sum(s.count(chr(10)) for _, s in expected)} local rows in all; "
          f"{options.clients} clients for {options.seconds} s", flush=True)

    with open(os.path.join(work, "server.log"), "w") as log:
        server, port = start_server(install, log)
        soak = Soak(install, port, expected, options.seconds, options.clients)
        threads = [threading.Thread(target=soak.client, args=(i,), daemon=True) for i in range(options.clients)]
        start = time.monotonic()
        for t in threads:
            t.start()
        samples = []  # (seconds since start, RSS KiB)
        next_line = 60
        while any(t.is_alive() for t in threads) and server.poll() is None:
            time.sleep(5)
            if server.poll() is not None:
                break
            elapsed = time.monotonic() - start
            samples.append((elapsed, rss_kib(server.pid)))
            if elapsed >= next_line:
                next_line += 60
                with soak.lock:
                    print(f"soak: {elapsed:4.0f} s  RSS {samples[-1][1] / 1024:6.1f} MiB  {soak.counts}  "
                          f"errors {len(soak.errors)}", flush=True)
        survived = server.poll() is None
        if survived:
            server.terminate()
            server.wait(timeout=30)
        else:
            soak.errors.append(f"vxpp-server ended with status {server.returncode} during the run")

    warm_up = max(30, options.seconds / 5)
    after = [kib for t, kib in samples if t >= warm_up]
    print(f"soak: done: {soak.counts} in {time.monotonic() - start:.0f} s")
    if after:
        print(f"soak: RSS after the warm-up ({warm_up:.0f} s) {after[0] / 1024:.1f} MiB, at the end "
              f"{after[-1] / 1024:.1f} MiB, highest {max(after) / 1024:.1f} MiB "
              f"(growth {(after[-1] - after[0]) / 1024:+.1f} MiB)")
    minutes = [next(kib for t, kib in samples if t >= m * 60) for m in range(int(samples[-1][0] // 60) + 1)] \
        if samples else []
    print("soak: RSS at each minute (MiB): " + " ".join(f"{kib / 1024:.1f}" for kib in minutes))
    print(f"soak: {len(soak.errors)} errors")
    for error in soak.errors[:20]:
        print("  " + error)
    if not options.keep:
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(1 if soak.errors or not survived else 0)


if __name__ == "__main__":
    main()
