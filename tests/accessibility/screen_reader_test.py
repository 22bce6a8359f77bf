"""What a blind user hears: the desktop's own screen reader, Orca, reads the real window.

Run inside a session bus of its own and on a virtual X display (see CMakeLists.txt). Starts Orca
with a throwaway home and its debug log on, then the program; types and clicks as a user would
(xdotool), and judges the lines that Orca logs as "SPEECH OUTPUT" for each step: every result
is spoken once while the focus stays on the key, a typed digit only by the key's own words, and
the About dialog whole.
Prints what was heard. Every wait is bounded; Orca and the program are ended on every path.

Usage: /usr/bin/python3 screen_reader_test.py PROGRAM
"""

import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

WAIT_SECONDS = 20
TITLE = "Sumora v1.0"
# Orca logs each utterance as SPEECH OUTPUT: 'text' followed by the voice, if any.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|$)", re.M)


class Failure(Exception):
    pass


def orca_running():
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/comm", encoding="utf-8") as comm:
                if comm.read().strip() == "orca":
                    return True
        except OSError:
            pass
    return False


class Orca:
    """Orca with its settings in `home`; the debug log is written line by line so that each
    utterance can be read as soon as it is spoken."""

    def __init__(self, home):
        self.log = os.path.join(home, "orca.log")
        self.environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config",
                                XDG_DATA_HOME=f"{home}/data", XDG_CACHE_HOME=f"{home}/cache",
                                XDG_RUNTIME_DIR=f"{home}/run")
        os.makedirs(f"{home}/run", mode=0o700)
        os.makedirs(f"{home}/data/orca")
        with open(f"{home}/data/orca/orca-customizations.py", "w", encoding="utf-8") as custom:
            custom.write("from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n")
        # Orca refuses to start while another instance of this user runs (another test run).
        end = time.monotonic() + 3 * WAIT_SECONDS
        while orca_running():
            if time.monotonic() > end:
                raise Failure("another Orca of this user is still running")
            time.sleep(0.5)
        self.process = subprocess.Popen(["orca", "--debug-file", self.log],
                                        env=self.environment, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.heard = 0

    def utterances(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return UTTERANCE.findall(log.read())
        except FileNotFoundError:
            return []

    def wait_for(self, what, pattern, settle=1.0):
        """The utterances since the last wait, up to the first that matches, and what follows
        within `settle` seconds (the rest of what the same step says)."""
        end = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < end:
            said = self.utterances()[self.heard:]
            if any(re.fullmatch(pattern, text) for text in said):
                time.sleep(settle)
                said = self.utterances()[self.heard:]
                self.heard += len(said)
                return said
            if self.process.poll() is not None:
                raise Failure(f"Orca ended with status {self.process.returncode}")
            time.sleep(0.1)
        raise Failure(f"Orca did not say {what} within {WAIT_SECONDS} s; it said "
                      f"{self.utterances()[self.heard:]}")

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, capture_output=True, timeout=WAIT_SECONDS)


def point_at(name, roles=(Atspi.Role.PUSH_BUTTON,)):
    """Moves the mouse onto a control, where the accessibility bus says it is on the screen."""
    def descendants(accessible):
        for index in range(accessible.get_child_count()):
            child = accessible.get_child_at_index(index)
            yield child
            yield from descendants(child)

    for child in descendants(Atspi.get_desktop(0)):
        if child.get_role() in roles and child.get_name() == name:
            box = child.get_extents(Atspi.CoordType.SCREEN)
            xdotool("mousemove", "--sync", str(box.x + box.width // 2),
                    str(box.y + box.height // 2))
            return
    raise Failure(f"nothing to point at named {name!r}")


def click(name, roles=(Atspi.Role.PUSH_BUTTON,)):
    point_at(name, roles)
    xdotool("click", "1")


def spoken_once(step, said, *texts):
    """Each text is spoken as a whole word or phrase in exactly one utterance of the step."""
    for text in texts:
        pattern = rf"(?<!\S){re.escape(text)}(?!\w)"
        count = sum(1 for utterance in said if re.search(pattern, utterance))
        if count != 1:
            raise Failure(f"{step}: {text!r} spoken {count} times in {said}")
    print(f"ok: {step}: {said}")


def check(orca):
    orca.wait_for("the window's title", rf"{re.escape(TITLE)} frame\.?")

    for key, name in (("4", "four"), ("plus", "add"), ("2", "two")):
        xdotool("key", key)
        said = orca.wait_for(f"the {name} key", rf"{name} (?:push )?button\.?")
    # The display's new "2" is the key's own name: only the key echo says "2".
    spoken_once("typing 2", said, "2")

    for _ in range(20):
        xdotool("key", "Tab")
        said = orca.wait_for("the next key", r".* (?:push )?button\.?", settle=0.3)
        if any(re.fullmatch(r"equals (?:push )?button\.?", text) for text in said):
            break
    xdotool("key", "Return")
    spoken_once("4 + 2, Tab to =, Return", orca.wait_for("the result", r".*\b6\b.*"), "6")

    click("memory add")
    spoken_once("a click on M+", orca.wait_for("the memory", r".*\b6\b.*"), "6")

    click("one")
    xdotool("key", "slash", "0")
    orca.wait_for("the zero key", r"zero (?:push )?button\.?")
    click("equals")
    message = "Can't Divide Zero (0)"
    spoken_once("1 / 0 and a click on =", orca.wait_for("the message", rf".*{re.escape(message)}.*"),
                message)

    # The dialog's summary reaches every text, the short version line and address among them.
    menus = (Atspi.Role.MENU, Atspi.Role.MENU_ITEM)
    click("Help", menus)
    orca.wait_for("the Help menu", r"Help\.?")
    # A menu item takes the focus when the mouse is on it. Orca puts a new window before a focus
    # that came with it, and would read the dialog again on the way back from the item.
    point_at("About", menus)
    orca.wait_for("the About item", r"About\.?")
    xdotool("click", "1")
    said = orca.wait_for("the About dialog", r"About dialog .*")
    spoken_once("the About dialog", said, "Sumora version 1.0", "Created by", "Email all questions",
                "sumora@example.com")
    # From the summary straight to the focused button: the picture it stands on is not announced.
    if not re.fullmatch(r"OK (?:push )?button\.?", said[-1]) or len(said) != 2:
        raise Failure(f"the About dialog: more than its summary and its OK button: {said}")


def main(program):
    with tempfile.TemporaryDirectory(prefix="orca-home-") as home:
        started = None
        orca = None
        try:
            orca = Orca(home)
            started = subprocess.Popen([program], env=dict(orca.environment, QT_QPA_PLATFORM="xcb",
                                                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            # Without a window manager the window is active once it has the keyboard focus.
            xdotool("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$",
                    "windowfocus", "--sync")
            check(orca)
        except Failure as failure:
            print(f"FAILED: {failure}", file=sys.stderr)
            return 1
        finally:
            if started is not None:
                started.terminate()
                started.wait(timeout=WAIT_SECONDS)
            if orca is not None:
                orca.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
