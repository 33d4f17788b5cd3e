#!/usr/bin/env python3
"""The window as a screen reader sees it: velka runs on Xvfb with Qt's accessibility bridge on
(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) in a D-Bus session of its own with the AT-SPI bus; after
each of the five pages is shown (Alt+1 ... Alt+5), a walk of the accessibility tree
(pyatspi) must find a non-empty name for every push button, check box, radio button, text field,
spin box, combo box, list and table.

    accessibility_walk.py PATH/TO/velka

Exits 77 (skipped) when Xvfb, xdotool, dbus-run-session, the AT-SPI bus launcher or pyatspi
(python3-pyatspi, Debian's Python) is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from xvfb_display import start_xvfb, wait_for

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

try:
    import pyatspi
except ImportError:
    # pyatspi comes with Debian's Python; a Python of one's own does not have it.
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("skipped: pyatspi (python3-pyatspi) is not installed")
    sys.exit(SKIP)



def velka_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and (application.name or "").lower().startswith("velka"):
            return application
    return None


NAMED_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
               pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON,
               pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE}


def controls(node, found):
    try:
        role = node.getRole()
        count = node.childCount
    except Exception:  # a node that went away while walked
        return found
    if role in NAMED_ROLES:
        found.append((node.getRoleName(), node.name or "", node.description or ""))
    for i in range(count):
        child = node.getChildAtIndex(i)
        if child is not None:
            controls(child, found)
    return found


def walk(application):
    return controls(velka_application() or application, [])


def all_named(found):
    """The controls when there are some and each has a name, else None."""
    return found if found and all(name.strip() for _, name, _ in found) else None


def inner(velka, work):
    """In the D-Bus session: the AT-SPI bus, the program, the walks."""
    bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
    # Qt looks for the accessibility bus as it starts: the bus must answer first.
    if not wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0, 10):
        # A machine whose session bus cannot host the accessibility bus cannot check this.
        print("skipped: the AT-SPI bus does not answer")
        return SKIP
    # A folder of its own for the single-instance lock too: a velka that another test runs
    # meanwhile must not turn this one away.
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=work,
                       XDG_RUNTIME_DIR=work)
    environment.pop("QT_QPA_PLATFORM", None)
    config = os.path.join(work, "config.ini")
    with open(config, "w") as out:
        out.write("[Velka]\nShow infomation timeout=50\n")
    program = subprocess.Popen([velka, "--demo", "--data-root", os.path.join(work, "root"),
                                "--config", config, "--now", "1700000000"],
                               env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        application = wait_for(velka_application)
        if application is None:
            print("skipped: no application reached the accessibility bus")
            return SKIP
        time.sleep(1.5)  # the demo logger's notices close
        unnamed = set()
        total = 0
        for page in range(1, 6):
            subprocess.run(["xdotool", "search", "--name", "^Velka$", "windowfocus", "--sync",
                            "key", "alt+%d" % page], capture_output=True)

            # A loaded machine shows the page later: the tree is walked until it holds controls
            # and names them all, and a control still unnamed after the wait is a finding.
            found = wait_for(lambda: all_named(walk(application)), 5) or walk(application)
            total = max(total, len(found))
            unnamed.update((role, page) for role, name, _ in found if not name.strip())
        for role, page in sorted(unnamed):
            print("FAILED: a %s without a name (page %d)" % (role, page))
        print("%d controls named" % total)
        return 1 if unnamed or total == 0 else 0
    finally:
        program.terminate()
        program.wait(10)
        bus.terminate()


def main():
    velka = sys.argv[1]
    if len(sys.argv) > 3 and sys.argv[2] == "--inner":
        return inner(velka, sys.argv[3])
    for tool in ("Xvfb", "xdotool", "dbus-run-session", "dbus-send"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return SKIP
    if not os.path.exists(BUS_LAUNCHER):
        print("skipped: at-spi2-core is not installed")
        return SKIP
    with tempfile.TemporaryDirectory() as work:
        xvfb, display = start_xvfb()
        try:
            if display is None:
                print("FAILED: Xvfb did not start")
                return 1
            environment = dict(os.environ, DISPLAY=display)
            return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, velka,
                                   "--inner", work], env=environment, timeout=100,
                                  stderr=subprocess.DEVNULL).returncode
        finally:
            xvfb.terminate()
            xvfb.wait(10)


if __name__ == "__main__":
    sys.exit(main())
