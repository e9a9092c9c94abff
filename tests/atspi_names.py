#!/usr/bin/python3
"""What a screen reader hears: the welcome and covers pages read through the desktop's
accessibility bus (AT-SPI), as a screen reader reads them, in a private D-Bus session with an X
server of its own.

    atspi_names.py <nixaro_pageshot>

Every control a user reaches with the keyboard and every field must carry a name, the
captions named below must be there, as what they are, and price fields must say "Euro".
"""
import os
import subprocess
import sys
import time

DEADLINE = 45  # seconds for the whole check, start-up included

# Per page: the start of its window caption (the covers page names the pool in it), names a user must hear on it (name -> words its
# description must hold, or None) and what some of them are (name -> role).
PAGES = {
    "Tbg": ("Nixaro", {
        "Rundformbecken": None,
        "INFO": None,
        "Zur Homepage": "Banner",
        "Begrüßung": None,
    }, {"Rundformbecken": "push button", "INFO": "push button", "Zur Homepage": "link"}),
    "Tabdeckung": ("Schwimmbadabdeckung", {
        "Preis Ihres Schwimmbeckens": "Euro",
        "Bisheriger Gesamtpreis": "Euro",
        "Weiter -->": None,
    }, {}),
    "Tendpr": ("Abschlußseite", {}, {"Zurück zum Becken": "push button",
                                     "Ovalbecken, Step 1: Bodenplatte erstellen !": "image"}),
}


def fail(text):
    print("FAIL: " + text)
    sys.exit(1)


def wait_for(what, probe, until):
    while time.monotonic() < until:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + (what() if callable(what) else what))


def start_x_server():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
                              pass_fds=[write], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        display = pipe.readline().strip()
    if not display:
        fail("Xvfb did not start")
    return server, ":" + display


def registry_answers():
    bus = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
                          "org.a11y.Bus.GetAddress"], stdin=subprocess.DEVNULL, capture_output=True, text=True)
    return bus.returncode == 0 and subprocess.run(
        ["dbus-send", "--bus=" + bus.stdout.strip(), "--print-reply", "--dest=org.a11y.atspi.Registry",
         "/org/a11y/atspi/accessible/root", "org.a11y.atspi.Accessible.GetChildren"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def descendants(node, depth=0):
    for i in range(node.childCount if depth < 40 else 0):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child, depth + 1)


def check_page(pyatspi, tool, page, until):
    caption, expected, roles = PAGES[page]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([tool, page, "-"], env=env, stdin=subprocess.DEVNULL)
    seen = set()
    try:
        def window():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
                if app is None or app.get_process_id() != program.pid:
                    continue
                for frame in (app.getChildAtIndex(i) for i in range(app.childCount)):
                    if frame is None:
                        continue
                    seen.add(frame.name)
                    if frame.name.startswith(caption) and frame.getState().contains(pyatspi.STATE_SHOWING):
                        return frame
            return None
        frame = wait_for(lambda: "the window %r (windows: %s)" % (caption, sorted(seen)), window, until)
        fields = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX}
        unnamed, heard, role_of = [], {}, {}
        for node in descendants(frame):
            state = node.getState()
            if not state.contains(pyatspi.STATE_SHOWING):
                continue
            role_of.setdefault(node.name, node.getRoleName())
            if node.getRole() == pyatspi.ROLE_IMAGE and not node.name.strip():
                unnamed.append("image")  # an ornament is not read at all
            if state.contains(pyatspi.STATE_FOCUSABLE) or node.getRole() in fields:
                if not node.name.strip():
                    unnamed.append(node.getRoleName())
                heard[node.name] = node.description
        if unnamed:
            fail("%s: unnamed %s" % (page, ", ".join(unnamed)))
        for name, words in expected.items():
            if name not in heard:
                fail("%s: no control named %r (heard %s)" % (page, name, sorted(heard)))
            if words and words not in heard[name]:
                fail("%s: %r is described as %r, without %r" % (page, name, heard[name], words))
        for name, role in roles.items():
            if role_of.get(name) != role:
                fail("%s: %r is read as %r, not as %s" % (page, name, role_of.get(name), role))
        print("%s: %d controls and fields, all named" % (page, len(heard)))
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()


def in_session(tool):
    until = time.monotonic() + DEADLINE
    server, display = start_x_server()
    os.environ["DISPLAY"] = display
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # The registry, which programs announce themselves to, starts on first use;
        # a program started before it answers would stay unlisted.
        wait_for("the accessibility registry", registry_answers, until)
        import pyatspi
        for page in PAGES:
            check_page(pyatspi, tool, page, until)
    finally:
        launcher.terminate()
        server.terminate()
        launcher.wait()
        server.wait()


def main():
    if len(sys.argv) != 2:
        fail("usage: atspi_names.py <nixaro_pageshot>")
    tool = os.path.abspath(sys.argv[1])
    if os.environ.get("NIXARO_PRIVATE_BUS") != "1":
        # A bus of its own: nothing of the desktop's session is read or changed.
        env = dict(os.environ, NIXARO_PRIVATE_BUS="1")
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"):
            env.pop(name, None)
        try:
            result = subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), tool],
                                    env=env, stdin=subprocess.DEVNULL, timeout=DEADLINE + 30)
        except subprocess.TimeoutExpired:
            fail("the check did not end in time")
        sys.exit(result.returncode)
    in_session(tool)


if __name__ == "__main__":
    main()
