"""A private X server for the window's tests: Xvfb on a display number it picks itself."""
import os
import subprocess


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
