"""A private X server for the window's tests: Xvfb on a display number it picks itself, and the
wait for what the program does on it."""
import os
import subprocess
import time


def wait_for(condition, seconds=20.0):
    """The first true value of condition() within `seconds`, or None."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return None


def start_xvfb():
    """Starts Xvfb (1280 x 1024, no TCP) and returns the process and its display (":N"), or the
    process and None when it died before telling its number."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    # Xvfb writes the number and the line end separately, and dies when it cannot.
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    return xvfb, (":" + number.decode().strip()) if number.strip() else None
