#!/usr/bin/python3
"""What a blind customer hears: Debian's screen reader Orca follows a walk through the oval pool,
from the welcome page to the options page, by keys alone.

    screenreader.py <build-dir>

Orca runs with its speech output off and its debug log on, in an X server, a window manager and
a D-Bus session of its own, with a settings folder of its own; nothing of the desktop is read or
changed. Each key of WALK goes to the focused window through XTEST, as from a keyboard, and the
transcript gets one line per key: the key, then what Orca said for it (its "SPEECH OUTPUT" log
lines). The transcript is printed and written to <build-dir>/screenreader.txt, Orca's whole log
to <build-dir>/screenreader-orca.log.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE = 600      # seconds for the whole run
KEY_DEADLINE = 8    # seconds for Orca to present one key
QUIET = 0.6         # seconds without a new log line after which Orca is done with a key


# The walk, page by page. A step is a key (xdotool's spelling) and, optionally, a text Orca should
# say for it; the key is pressed again until Orca says it, at most `tries` times (Tab stops when it
# has gone round the page). A text never said is marked NOT HEARD, and the walk goes on.
def step(key, until=None, tries=1):
    return (key, until, tries)


def tab_to(text, tries=20):
    return step("Tab", text, tries)


WALK = [
    "Welcome page (the banner has the focus)",
    tab_to("Ovalformbecken"),
    step("Return", "Ovalformbecken"),
    "Oval pool page: a size, the foil, the height, the total",
    tab_to("3,20 m X 5,25 m"),
    step("Down", "3,50m X 7,00 m", 3),   # arrows go by the buttons' places; Space sets one
    step("space"),
    tab_to("0,6 mm"),
    step("Right", "0,8 mm"),
    step("space"),
    tab_to("1,20 m"),
    step("Right", "1,50 m"),
    step("space"),
    tab_to("Gesamtpreis"),
    step("alt+w", "Schwimmbadabdeckung"),
    "Covers page (the pool's price has the focus): SafeTop, its price, the total",
    tab_to("SafeTop"),
    step("space"),
    tab_to("Preis SafeTop"),
    tab_to("Bisheriger Gesamtpreis"),
    step("alt+w", "Leiterauswahl"),
    "Ladders page (the total so far has the focus; an oval pool is in-ground): a ladder, its price, the total",
    tab_to("Leiterauswahl"),
    step("F4"),                           # opens the list, whose rows Orca reads
    step("Down"),
    step("Return"),
    tab_to("Preis für ausgewählte Leiter"),
    tab_to("Bisheriger Gesamtpreis"),
    step("alt+w", "Filterauswahl"),
    step("KP_Enter", "Inhalt"),           # "where am I": the control a page opened with
    "Filter, water heating, skimmer, lights, floor cleaning, underwater cleaner: on",
    step("alt+w", "Wassererwärmung"),
    step("alt+w", "Skimmer"),
    step("alt+w", "Unterwasserscheinwerfer"),
    step("alt+w", "Bodenreinigung"),
    step("alt+w", "Unterwasserreiniger"),
    step("alt+w", "Optionen"),
    "Options page: the summary, line by line",
    step("alt+a"),
    tab_to("Angebotsliste"),
    step("Down", "Schwimmbeckengesamtpreis:", 30),
]

# What Orca speaks, quoted and followed by its voice; a key's own echo has a blank before the
# voice and is left out, the transcript names the key anyway.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?(\{.*)?$", re.M)
KEY_DONE = "^^^^^ PROCESS ATSPI_KEY_RELEASED_EVENT"


class Failed(Exception):
    pass


def wait_for(what, probe, until, pause=0.1):
    while time.monotonic() < until:
        found = probe()
        if found:
            return found
        time.sleep(pause)
    raise Failed("timed out waiting for " + what)


class Session:
    """The processes of the run, ended in reverse order however the run ends."""

    def __init__(self):
        self.processes = []

    def start(self, args, **kwargs):
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(args, **kwargs)
        self.processes.append(process)
        return process

    def end(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


class Log:
    """Orca's debug log, read on from where the last key left it."""

    def __init__(self, path):
        self.path = path
        self.offset = 0

    def size(self):
        try:
            return os.path.getsize(self.path)
        except OSError:
            return 0

    def peek(self):
        with open(self.path, "rb") as log:
            log.seek(self.offset)
            return log.read()

    def read(self):
        """The whole lines logged since the last read; a line still being written waits."""
        data = self.peek()
        data = data[:data.rfind(b"\n") + 1]
        self.offset += len(data)
        return data.decode("utf-8", errors="replace")

    def settle(self, until, releases=0):
        """Waits until Orca has handled `releases` key releases and then logged nothing new
        for QUIET seconds."""
        while releases and time.monotonic() < until and self.peek().count(KEY_DONE.encode()) < releases:
            time.sleep(0.05)
        size, since = self.size(), time.monotonic()
        while time.monotonic() < until:
            time.sleep(0.1)
            now = self.size()
            if now != size:
                size, since = now, time.monotonic()
            elif time.monotonic() - since >= QUIET:
                return


def utterances(text):
    text = text.replace("\n" + " " * 18, "\n")   # an utterance of several lines
    return [m.group(1) for m in SPOKEN.finditer(text) if m.group(2) and m.group(1).strip()]


def press(key, log, until):
    log.read()
    subprocess.run(["xdotool", "key", key], check=True)
    log.settle(min(until, time.monotonic() + KEY_DEADLINE), key.count("+") + 1)
    return utterances(log.read())


def walk(steps, log, until, say):
    for entry in steps:
        if isinstance(entry, str):
            say("\n## " + entry)
            continue
        key, text, tries = entry
        if time.monotonic() > until:
            raise Failed("the walk did not end in time")
        before = set()
        for _ in range(tries):
            heard = " | ".join(press(key, log, until)) or "(nothing)"
            say("%-8s → %s" % (key, heard))
            if text is None or text in heard or (key == "Tab" and heard in before):
                break
            before.add(heard)
        if text is not None and text not in heard:
            say("%-8s   NOT HEARD: %r" % ("", text))


def in_session(build):
    until = time.monotonic() + DEADLINE
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    home = tempfile.mkdtemp(prefix="nixaro-orca-")
    session = Session()
    try:
        # Orca's settings, GSettings and every cache go to a folder of the run.
        os.environ.update(HOME=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
                          XDG_CACHE_HOME=home + "/cache", XDG_RUNTIME_DIR=home, GSETTINGS_BACKEND="memory",
                          LANG="de_DE.UTF-8", LANGUAGE="de", LC_ALL="de_DE.UTF-8")
        read, write = os.pipe()
        session.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
                      pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise Failed("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display
        session.start(["openbox"])
        session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for("the accessibility bus", lambda: "true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"], capture_output=True, text=True).stdout,
            until)

        log = Log(os.path.join(build, "screenreader-orca.log"))
        if os.path.exists(log.path):
            os.remove(log.path)   # the last run's would read as this one's
        # Orca writes its log through a buffer; its customization hook makes it write each line.
        os.makedirs(home + "/orca")
        with open(home + "/orca/orca-customizations.py", "w") as hook:
            hook.write("from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n")
        orca = session.start(["orca", "--user-prefs", home + "/orca", "--debug-file", log.path,
                              "--disable", "speech"], stdout=None, stderr=None)

        def orca_ready():
            if orca.poll() is not None:
                raise Failed("orca ended at start (exit status %d)" % orca.returncode)
            return log.size() and b"ORCA: Starting registry" in log.peek()
        wait_for("Orca", orca_ready, until)
        log.settle(until)

        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        session.start([os.path.join(build, "nixaro")], env=env)

        with open(os.path.join(build, "screenreader.txt"), "w") as out:
            def say(line):
                print(line, flush=True)
                out.write(line + "\n")

            heard = []

            def welcome():
                heard.extend(utterances(log.read()))
                return any("Nixaro" in h for h in heard)
            wait_for("Orca to present the welcome page", welcome, until)
            log.settle(until)
            heard.extend(utterances(log.read()))
            say("start    → " + " | ".join(heard))
            walk(WALK, log, until, say)
    finally:
        session.end()
        shutil.rmtree(home, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: screenreader.py <build-dir>")
    build = os.path.abspath(sys.argv[1])
    if os.environ.get("NIXARO_PRIVATE_BUS") == "1":
        try:
            in_session(build)
        except Failed as error:
            sys.exit("screenreader: " + str(error))
        return
    # A D-Bus session of its own: nothing of the desktop's session is read or changed.
    env = dict(os.environ, NIXARO_PRIVATE_BUS="1")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY"):
        env.pop(name, None)
    run = subprocess.Popen(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), build],
                           env=env, stdin=subprocess.DEVNULL, start_new_session=True)

    def stop(*_):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, stop)
    try:
        sys.exit(run.wait(DEADLINE + 30))
    except (subprocess.TimeoutExpired, KeyboardInterrupt):
        os.killpg(run.pid, signal.SIGTERM)
        run.wait()
        sys.exit("screenreader: stopped")


if __name__ == "__main__":
    main()
