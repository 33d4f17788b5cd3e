#!/usr/bin/env python3
"""Measures how long the window program takes from its start to its first painted window, with
a large archive, and its resident memory afterwards.

    bench/window_startup.py BUILD_DIR [--recordings 10000] [--runs 5]

On a busy machine run it under `nice -n -20` (as root): the wall time is then less a measure of the
other processes; the CPU time the program used up to its first paint is reported beside it.

An archive of that many recordings is made in a temporary data root (copies of one synthetic
recording under distinct names: the scan reads every file all the same). Each run starts
BUILD_DIR/bin/velka on it and polls one pixel of the system page through Xlib until the page's
background shows; the first run warms the caches, the others are reported. Runs on the current
X display, or on a private Xvfb when there is none. Needs libX11 (ctypes), and Xvfb without a
display.
"""
import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# A plain spot of the system page (bitmap 158), near its bottom left corner; screen and window
# coordinates alike, as the window opens at (0, 0).
PROBE = (190, 690)
SETTLE_SECONDS = 3.0


class Display:
    def __init__(self, name):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.x11.XDestroyImage = None
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(name.encode())
        if not self.display:
            raise RuntimeError("cannot open display " + name)
        self.root = self.x11.XDefaultRootWindow(self.display)

    def root_pixel(self, x, y):
        # Reading the root's framebuffer works whatever window shows there.
        image = self.x11.XGetImage(self.display, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)
        if not image:
            return None
        value = self.x11.XGetPixel(image, 0, 0)
        return (value >> 16) & 255, (value >> 8) & 255, value & 255


def make_archive(build, root, count):
    data = os.path.join(root, "Data")
    os.makedirs(data)
    sample = os.path.join(root, "sample.bin")
    subprocess.run([os.path.join(build, "bin", "velka-cli"), "synth", "--out", sample,
                    "--count", "4000", "--data-root", root], check=True)
    content = open(sample, "rb").read()
    start = 1_600_000_000
    for i in range(count):
        name = "%08X_%s.bin" % (0x00900000 + i % 37,
                                time.strftime("%Y-%m-%d_%H-%M-%S", time.gmtime(start + i * 3600)))
        with open(os.path.join(data, name), "wb") as out:
            out.write(content)


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    # Time on a CPU, in nanoseconds, from the scheduler's statistics: on a busy machine the wall
    # time mostly measures the other processes.
    try:
        with open("/proc/%d/schedstat" % pid) as schedstat:
            return int(schedstat.read().split()[0]) / 1e9
    except OSError:
        return None


def run_once(build, root, home, display, expected):
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    environment = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime,
                       XDG_CONFIG_HOME=os.path.join(home, "config"), DISPLAY=display.name)
    environment.pop("WAYLAND_DISPLAY", None)
    started = time.monotonic()
    velka = subprocess.Popen([os.path.join(build, "bin", "velka"), "--data-root", root],
                             env=environment, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    painted = None
    while time.monotonic() - started < 20:
        if display.screen.root_pixel(*PROBE) == expected:
            painted = time.monotonic() - started
            break
        time.sleep(0.005)
    cpu_at_paint = cpu_seconds(velka.pid)
    rss_at_paint = resident_kib(velka.pid)
    time.sleep(SETTLE_SECONDS)
    rss_settled = resident_kib(velka.pid)
    velka.terminate()
    velka.wait(10)
    # Whatever was on screen goes with it, so the next run is seen painting anew.
    time.sleep(0.3)
    return painted, rss_at_paint, rss_settled, cpu_at_paint


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--recordings", type=int, default=10_000)
    parser.add_argument("--runs", type=int, default=5)
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)

    xvfb = None
    name = os.environ.get("DISPLAY", "")
    if not name:
        if not shutil.which("Xvfb"):
            sys.exit("window_startup: no display and no Xvfb")
        name = ":%d" % (90 + os.getpid() % 9)
        xvfb = subprocess.Popen(["Xvfb", name, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                stderr=subprocess.DEVNULL)
        time.sleep(1)
    try:
        class Screen:
            pass
        display = Screen()
        display.name = name
        display.screen = Display(name)
        with tempfile.TemporaryDirectory() as work:
            root = os.path.join(work, "root")
            make_archive(build, root, arguments.recordings)
            expected = (0x26, 0x36, 0x46)
            results = []
            for run in range(arguments.runs + 1):
                home = os.path.join(work, "home%d" % run)
                os.makedirs(home)
                results.append(run_once(build, root, home, display, expected))
            warm = results[1:]
            times = [r[0] for r in warm if r[0] is not None]
            print("recordings in the archive: %d" % arguments.recordings)
            print("first run (cold caches): %s" % ("%.3f s" % results[0][0] if results[0][0] else "no paint seen"))
            if times:
                print("warm start to first painted window: median %.3f s, max %.3f s over %d runs"
                      % (statistics.median(times), max(times), len(times)))
            cpus = [r[3] for r in warm if r[3] is not None]
            if cpus:
                print("CPU time of the program up to its first paint: median %.3f s"
                      % statistics.median(cpus))
            print("resident memory at first paint: %.1f MB; %.0f s later: %.1f MB"
                  % (statistics.median(r[1] for r in warm) / 1024, SETTLE_SECONDS,
                     statistics.median(r[2] for r in warm) / 1024))
    finally:
        if xvfb:
            xvfb.terminate()


if __name__ == "__main__":
    main()
