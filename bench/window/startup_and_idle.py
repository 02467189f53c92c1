#!/usr/bin/env python3
"""Start-up time and idle CPU of the desktop program, in its own X server (Xvfb).

startup: process start to the first painted frame, for the program (kthread_pd_startup, the
program's own main.cpp with a probe) and for an empty Qt window of the program's window size
(empty_window_startup), alternating in one run; prints the medians and their ratio.

idle: the program itself (kthread-pd) with its banners running and nothing else happening;
prints the CPU it used over a stretch of seconds, as a share of one core, and the X server's.

Both run on copies of the program folder (program, Languages/, kthread.ini) with a temporary
HOME, so nothing of the user's profile or of the build tree is touched.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

WINDOW_NAME = "Kalvo Thread - PD"


class Failure(Exception):
    pass


class Display:
    def __init__(self, number):
        self.name = f":{number}"
        self.process = None

    def start(self):
        self.process = subprocess.Popen(
            ["Xvfb", self.name, "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env({}),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return
            time.sleep(0.1)
        raise Failure(f"Xvfb on {self.name} did not come up")

    def env(self, base):
        env = dict(base)
        env["DISPLAY"] = self.name
        return env

    def stop(self):
        if self.process is not None:
            self.process.terminate()
            self.process.wait(timeout=10)


def cpu_ticks(pid):
    """utime + stime of a process in clock ticks."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def prepare_folder(program_folder, work, programs):
    folder = os.path.join(work, "program")
    os.makedirs(folder)
    for program in programs:
        shutil.copy2(program, folder)
    shutil.copytree(os.path.join(program_folder, "Languages"), os.path.join(folder, "Languages"))
    shutil.copy2(os.path.join(program_folder, "kthread.ini"), folder)
    return folder


def program_env(display, work):
    home = os.path.join(work, "home")
    os.makedirs(home, exist_ok=True)
    env = display.env(os.environ)
    env.update({"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                "XDG_RUNTIME_DIR": home, "QT_QPA_PLATFORM": "xcb"})
    return env


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def time_to_first_paint(command, env):
    """Nanoseconds from just before the process is started to its first painted frame."""
    start = time.monotonic_ns()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    try:
        line = process.stdout.readline()
        if not line.startswith("first-paint-ns "):
            raise Failure(f"{command[0]} printed no first paint")
        painted = int(line.split()[1])
    finally:
        stop(process)
    return painted - start


def window_size(env):
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                            f"^{WINDOW_NAME}$", "getwindowgeometry", "--shell"],
                           env=env, capture_output=True, text=True, timeout=20)
    values = dict(line.split("=", 1) for line in found.stdout.split() if "=" in line)
    return int(values["WIDTH"]), int(values["HEIGHT"])


def measure_startup(args, display, work):
    folder = prepare_folder(args.program_folder, work, [args.probe])
    probe = os.path.join(folder, os.path.basename(args.probe))
    env = program_env(display, work)

    # The window's size once placed, for the empty window; this run also warms the caches.
    process = subprocess.Popen([probe], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        width, height = window_size(env)
    finally:
        stop(process)
    empty = [args.empty, str(width), str(height)]
    time_to_first_paint(empty, env)

    program_times, empty_times = [], []
    for run in range(args.runs):
        # Alternating, so a change of load on the machine hits both alike.
        order = [(program_times, [probe]), (empty_times, empty)]
        if run % 2:
            order.reverse()
        for times, command in order:
            times.append(time_to_first_paint(command, env) / 1e6)
    program_median = statistics.median(program_times)
    empty_median = statistics.median(empty_times)
    print(f"window size: {width} x {height}")
    print(f"program: median {program_median:.1f} ms "
          f"(min {min(program_times):.1f}, max {max(program_times):.1f}) over {args.runs} runs")
    print(f"empty window: median {empty_median:.1f} ms "
          f"(min {min(empty_times):.1f}, max {max(empty_times):.1f}) over {args.runs} runs")
    print(f"ratio: {program_median / empty_median:.2f}")


def measure_idle(args, display, work):
    folder = prepare_folder(args.program_folder, work,
                            [os.path.join(args.program_folder, "kthread-pd")])
    env = program_env(display, work)
    process = subprocess.Popen([os.path.join(folder, "kthread-pd")], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window_size(env)
        time.sleep(args.settle)
        tick = os.sysconf("SC_CLK_TCK")
        program_before = cpu_ticks(process.pid)
        server_before = cpu_ticks(display.process.pid)
        started = time.monotonic()
        time.sleep(args.seconds)
        program_used = cpu_ticks(process.pid) - program_before
        server_used = cpu_ticks(display.process.pid) - server_before
        elapsed = time.monotonic() - started
    finally:
        stop(process)
    print(f"idle over {elapsed:.1f} s with the banners running:")
    print(f"program: {100.0 * program_used / tick / elapsed:.2f} % of one core")
    print(f"X server: {100.0 * server_used / tick / elapsed:.2f} % of one core")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("what", choices=["startup", "idle"])
    parser.add_argument("--program-folder", required=True,
                        help="the folder of kthread-pd with Languages/ and kthread.ini")
    parser.add_argument("--probe", help="kthread_pd_startup (startup)")
    parser.add_argument("--empty", help="empty_window_startup (startup)")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--seconds", type=float, default=30, help="idle stretch measured")
    parser.add_argument("--settle", type=float, default=5, help="wait before the idle stretch")
    parser.add_argument("--display", type=int, default=63)
    args = parser.parse_args()
    if args.what == "startup" and (args.probe is None or args.empty is None):
        parser.error("startup needs --probe and --empty")

    display = Display(args.display)
    with tempfile.TemporaryDirectory() as work:
        display.start()
        try:
            if args.what == "startup":
                measure_startup(args, display, work)
            else:
                measure_idle(args, display, work)
        finally:
            display.stop()


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"startup_and_idle.py: {failure}", file=sys.stderr)
        sys.exit(1)
