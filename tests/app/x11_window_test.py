#!/usr/bin/env python3
"""The window on a real X server (Xvfb, no window manager): placed at (0, 0) with 1024 x 768
pixels, named "Velka", shaped (the rounded corners let the pointer through to the root),
navigation by clicking a button's centre, moved by dragging its background, and ended by
SIGTERM as by its close button (settings written, exit status 0).

    x11_window_test.py PATH/TO/velka

Exits 77 (skipped) when Xvfb, xdotool, xwininfo or xdpyinfo is missing.
"""
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from xvfb_display import start_xvfb, wait_for

SKIP = 77


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, env=ENVIRONMENT).stdout



def visible_windows(name):
    return run("xdotool", "search", "--onlyvisible", "--name", name).split()


def pointer_window(x, y):
    run("xdotool", "mousemove", str(x), str(y))
    for line in run("xdotool", "getmouselocation", "--shell").splitlines():
        if line.startswith("WINDOW="):
            return line.split("=")[1]
    return None


def window_geometry(window):
    values = {}
    for line in run("xwininfo", "-id", window).splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class Pixels:
    def __init__(self, display):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        # Xlib's default handler ends the process on an X error (a window gone meanwhile), which
        # would leave the program and Xvfb running; an error here only makes the pixel unknown.
        self.errors = 0

        def count_error(_display, _event):
            self.errors += 1
            return 0

        self.handler = ERROR_HANDLER(count_error)
        self.x11.XSetErrorHandler.argtypes = [ERROR_HANDLER]
        self.x11.XSetErrorHandler(self.handler)
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.display = self.x11.XOpenDisplay(display.encode())

    def at(self, window, x, y):
        image = self.x11.XGetImage(self.display, int(window), x, y, 1, 1, 0xFFFFFFFF, 2)
        return self.x11.XGetPixel(image, 0, 0) & 0xFFFFFF if image else None


def main():
    global ENVIRONMENT
    velka = sys.argv[1]
    for tool in ("Xvfb", "xdotool", "xwininfo", "xdpyinfo"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return SKIP
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)
            print("FAILED: " + what)

    with tempfile.TemporaryDirectory() as work:
        xvfb, display = start_xvfb()
        display = display or ":"
        # Xvfb tells its number as it starts listening; wait until it answers.
        if not wait_for(lambda: subprocess.run(["xdpyinfo", "-display", display],
                                               capture_output=True).returncode == 0, 10):
            print("FAILED: Xvfb answers on " + display)
            xvfb.terminate()
            return 1
        runtime = os.path.join(work, "runtime")
        os.mkdir(runtime, 0o700)
        config = os.path.join(work, "config.ini")
        with open(config, "w") as out:
            out.write("[Velka]\nShow infomation timeout=50\n")
        ENVIRONMENT = dict(os.environ, DISPLAY=display, HOME=work, XDG_RUNTIME_DIR=runtime)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            ENVIRONMENT.pop(name, None)
        program = subprocess.Popen([velka, "--demo", "--data-root", os.path.join(work, "root"),
                                    "--config", config, "--now", "1700000000"],
                                   env=ENVIRONMENT, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE)
        try:
            found = wait_for(lambda: visible_windows("^Velka$"))
            check(found, "the window appears")
            if not found:
                program.kill()
                print(program.communicate()[1].decode(errors="replace"))
                return 1
            window = found[0]
            check(window_geometry(window) == (0, 0, 1024, 768), "1024 x 768 at (0, 0)")
            check('"Velka"' in run("xprop", "-id", window, "WM_NAME"), "WM_NAME Velka")
            # The demo logger's two notices close by themselves; then the one window named
            # "Velka" is the main window (a window is named after the program until it has a
            # title of its own).
            wait_for(lambda: not visible_windows("^Data read"))
            found = wait_for(lambda: (lambda w: w if len(w) == 1 else None)(
                visible_windows("^Velka$")))
            check(found, "one window named Velka once the notices have closed")
            window = found[0] if found else window

            check(pointer_window(1, 1) != window, "the top left corner is cut away")
            check(pointer_window(1022, 766) != window, "the bottom right corner is cut away")
            check(pointer_window(512, 384) == window, "the middle belongs to the window")

            pixels = Pixels(display)
            probe = (190, 690)  # a plain spot of the page frame
            system = pixels.at(window, *probe)

            def click(x, y):
                run("xdotool", "mousemove", str(x), str(y), "click", "1")
                time.sleep(0.3)
                return pixels.at(window, *probe)

            parameters = click(28 + 43, 125 + 43)
            chart = click(28 + 43, 230 + 43)
            check(len({system, parameters, chart}) == 3, "the three pages show three backgrounds")
            check(click(28 + 43, 20 + 43) == system, "the system button brings the system page back")

            run("xdotool", "mousemove", "125", "400", "mousedown", "1", "mousemove", "145", "420",
                "mousemove", "165", "430", "mouseup", "1")
            check(wait_for(lambda: window_geometry(window)[:2] == (40, 30), 5),
                  "dragging the background moves the window")

            program.send_signal(signal.SIGTERM)
            check(program.wait(20) == 0, "SIGTERM ends the program normally")
            with open(config) as written:
                text = written.read()
            check("Product Info=" in text and "Show infomation timeout=50" in text,
                  "the settings are written at the end")
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
            xvfb.terminate()
            xvfb.wait()
    if failures:
        print(program.stderr.read().decode(errors="replace"))
    return 1 if failures else 0


ENVIRONMENT = None
if __name__ == "__main__":
    sys.exit(main())
