#!/usr/bin/python3
"""The board as a desktop screen reader meets it: the game runs on a virtual display with the
desktop's accessibility bus, and a client of that bus reads the board, presses two of its cells
and hears their names change. Skipped (exit 77) only when the buses cannot be started here."""
import os
import re
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("skipped: " + why)
    sys.exit(SKIP)


def wait_for(condition, seconds):
    end = time.time() + seconds
    while time.time() < end:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    return None


def start_buses(processes):
    """A virtual display, a session bus and the accessibility bus, for this test alone."""
    read_display, write_display = os.pipe()
    processes.append(subprocess.Popen(["Xvfb", "-displayfd", str(write_display), "-screen", "0", "1280x1024x24"],
                                      pass_fds=[write_display], stderr=subprocess.DEVNULL))
    os.close(write_display)
    with os.fdopen(read_display) as display:
        number = display.readline().strip()
    if not number:
        skip("the virtual display did not start")
    os.environ["DISPLAY"] = ":" + number
    session = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True)
    for name, value in re.findall(r"^(\w+)='?([^';]*)'?;$", session.stdout, re.M):
        os.environ[name] = value
    if "DBUS_SESSION_BUS_PID" not in os.environ:
        skip("the session bus did not start")
    processes.append(int(os.environ["DBUS_SESSION_BUS_PID"]))
    launcher = next((p for p in ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
                     if os.path.exists(p)), None)
    if launcher is None:
        skip("at-spi-bus-launcher is not installed")
    processes.append(subprocess.Popen([launcher, "--launch-immediately"], stderr=subprocess.DEVNULL))
    asked = ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
             "--method", "org.a11y.Bus.GetAddress"]
    if not wait_for(lambda: subprocess.run(asked, capture_output=True).returncode == 0, 10):
        skip("the accessibility bus did not start")


def find(accessible, role):
    if accessible.getRole() == role:
        return accessible
    for child in accessible:
        found = child and find(child, role)
        if found:
            return found
    return None


def check_board(pyatspi, GLib):
    desktop = pyatspi.Registry.getDesktop(0)
    # A sanitizer build on a busy machine can take most of a minute to show its window.
    game = wait_for(lambda: next((a for a in desktop if a and a.name == "Tilora"), None), 90)
    assert game, "the game never appeared on the accessibility bus"
    board = wait_for(lambda: find(game, pyatspi.ROLE_TABLE), 10)
    assert board, "no table in the game's window"
    table = board.queryTable()
    n = table.nRows
    assert n == 4 and table.nColumns == 4 and board.childCount == 16, (n, table.nColumns, board.childCount)
    names = [table.getAccessibleAt(row, column).name for row in range(n) for column in range(n)]
    assert all(re.fullmatch(r"Tile of row [1-4], column [1-4](, in place)?", name) for name in names), names
    assert len(set(name.replace(", in place", "") for name in names)) == 16, names

    heard = []
    pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name),
                                           "object:property-change:accessible-name")
    first, second = table.getAccessibleAt(0, 0), table.getAccessibleAt(3, 3)
    GLib.timeout_add(300, lambda: first.queryAction().doAction(0) and False)
    GLib.timeout_add(600, lambda: second.queryAction().doAction(0) and False)
    GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()

    # A cell is named by the tile it holds; "in place" comes and goes with where the tile stands.
    tiles = lambda cells: [cell.replace(", in place", "") for cell in cells]
    after = tiles([table.getAccessibleAt(0, 0).name, table.getAccessibleAt(3, 3).name])
    assert after == tiles([names[15], names[0]]), (names[0], names[15], after)
    assert set(after) <= set(tiles(heard)), heard


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: ScreenReaderTest.py GAME")
    processes = []
    profile = tempfile.TemporaryDirectory()
    try:
        start_buses(processes)
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           XDG_CONFIG_HOME=profile.name, XDG_DATA_HOME=profile.name)
        processes.append(subprocess.Popen([sys.argv[1]], env=environment, stderr=subprocess.DEVNULL))
        import pyatspi  # only now: it joins the session bus named above
        from gi.repository import GLib
        check_board(pyatspi, GLib)
        print("the board read as a 4 x 4 table, and two pressed cells told their new names")
    finally:
        for process in reversed(processes):
            if isinstance(process, int):
                subprocess.run(["kill", str(process)])
            else:
                process.terminate()
                process.wait()
        profile.cleanup()


main()
