"""Reads the real window as a screen reader does, through the accessibility bus.

Run inside a session bus of its own and on a virtual X display (see CMakeLists.txt): starts the
program with Qt's accessibility bridge on, types 4 + 2 with real key events, presses = and M+ with
real mouse clicks, and checks what the bus reports: the display's and the memory's texts with their
role words, the focused key's name, and a change of the display's name when the result appears.
Prints what was heard, in order. Every wait is bounded and the program is ended on every path.

Usage: /usr/bin/python3 screen_reader_test.py PROGRAM
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WAIT_SECONDS = 20
TITLE = "Sumora v1.0"


class Failure(Exception):
    pass


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, probe):
    end = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        pump(0.1)
    raise Failure(f"no {what} within {WAIT_SECONDS} s")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True,
                          timeout=WAIT_SECONDS).stdout


def application_of(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        child = desktop.get_child_at_index(index)
        if child is not None and child.get_process_id() == pid:
            return child
    return None


def descendants(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        yield child
        yield from descendants(child)


def field(application, role_word):
    """The label whose description is its role word."""
    for child in descendants(application):
        if child.get_role() == Atspi.Role.LABEL and child.get_description() == role_word:
            return child
    raise Failure(f"no field described as {role_word!r}")


def key(application, name):
    for child in descendants(application):
        if child.get_role() == Atspi.Role.PUSH_BUTTON and child.get_name() == name:
            return child
    raise Failure(f"no key named {name!r}")


def focused_key(application):
    for child in descendants(application):
        if child.get_state_set().contains(Atspi.StateType.FOCUSED):
            return child.get_name()
    return None


def click(accessible):
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    run("xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
        str(box.y + box.height // 2), "click", "1")


class Transcript:
    """What a screen reader hears: each newly focused key, each new text of a field."""

    def __init__(self):
        self.heard = []
        self.listener = Atspi.EventListener.new(self.on_event)
        self.listener.register("object:state-changed:focused")
        self.listener.register("object:property-change:accessible-name")

    def on_event(self, event):
        # As a screen reader does, the source is asked for its name when the event arrives.
        if event.type.startswith("object:state-changed:focused"):
            heard = ("focus", event.source.get_name()) if event.detail1 else None
        else:
            heard = (event.source.get_description(), event.source.get_name())
        if heard is not None and heard not in self.heard[-1:]:
            self.heard.append(heard)


def expect(what, got, want):
    if got != want:
        raise Failure(f"{what}: got {got!r}, want {want!r}")
    print(f"ok: {what} is {got!r}")


def check(program_pid):
    application = wait_for("application on the accessibility bus",
                           lambda: application_of(program_pid))
    display = field(application, "display")
    memory = field(application, "memory")
    expect("display at start", display.get_name(), "0")

    window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$").split()[0]
    run("xdotool", "windowfocus", "--sync", window)
    wait_for("focus on the zero key", lambda: focused_key(application) == "zero")

    transcript = Transcript()
    for typed in ("4", "plus", "2"):
        run("xdotool", "key", typed)
        pump(0.2)
    expect("focused key after typing 2", focused_key(application), "two")
    click(key(application, "equals"))
    wait_for("the result on the display", lambda: display.get_name() == "6")
    wait_for("a change of the display's name to the result",
             lambda: ("display", "6") in transcript.heard)
    expect("display", display.get_name(), "6")
    expect("focused key", focused_key(application), "equals")

    click(key(application, "memory add"))
    wait_for("the result in the memory", lambda: memory.get_name() == "6")
    expect("memory", memory.get_name(), "6")
    expect("memory's role word", memory.get_description(), "memory")
    expect("focused key", focused_key(application), "memory add")
    pump(0.3)

    print("heard:", ", ".join(f"{source}: {text!r}" for source, text in transcript.heard))


def main(program):
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    started = subprocess.Popen([program], env=environment)
    try:
        check(started.pid)
        if started.poll() is not None:
            raise Failure(f"the program ended early with status {started.returncode}")
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        started.terminate()
        try:
            started.wait(timeout=WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            started.kill()
            started.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
