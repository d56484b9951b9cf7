#!/usr/bin/python3
"""The real orvanne-calc as a native Wayland client.

run_wayland_window.sh provides a headless Weston and the session bus. A
headless compositor has no seat to type or click with and no protocol for
a client to move or resize another's window, so this drives the program
only through AT-SPI (the buttons' Press action, the fields' editable text)
and checks what the platform lets it see: the window at its designed size
with every control in place, the names a screen reader finds, a run and
its report, and the exit by the exit button with code 0.
"""

import argparse
import sys
import time

import pyatspi

import real_window as e2e
from real_window import Failure, expect, poll, say


class WaylandProgram(e2e.Program):
    """The program found on the accessibility bus only: there is no X server
    to look its window up on, and a Wayland client's place on the screen is
    the compositor's business, so positions are in window coordinates."""

    def screen_rect(self, control):
        return control.rect

    def extents(self, node):
        return window_extents(node)

    def press(self, control):
        node = self.controls[control.name]
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            raise Failure(f"{control.name} has no Press action: {names}")
        action.doAction(names.index("Press"))

    def set_text(self, control, text):
        self.controls[control.name].queryEditableText().setTextContents(text)


def window_extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return box.x, box.y, box.width, box.height


def case_wayland(program):
    program.wait_for_accessible_window()
    expect("client size", window_extents(program.frame)[2:], e2e.CLIENT_SIZE)
    expect("initial log", e2e.log_lines(program.text(e2e.LOG)), e2e.INSTRUCTION_LINES)
    names = e2e.focusable_names(program.frame)
    expect("names of the focusable controls", sorted(names), sorted(e2e.FOCUSABLE_NAMES))

    # Set through the accessible text, as a paste would: no key reaches a
    # headless compositor's clients.
    program.set_text(e2e.EDIT11, "100")
    program.wait_text(e2e.EDIT11, "100", "Edit11 set to 100")
    log = program.controls[e2e.LOG.name]
    insertions = e2e.TextInsertions(log)
    try:
        program.press(e2e.BUTTON1)
        wanted = e2e.INSTRUCTION_LINES + e2e.REPORT_AT_RATE_100
        expect("log after the run at rate 100", poll("the report", lambda: (
            (lines := e2e.log_lines(program.text(e2e.LOG))) == wanted, lines)), wanted)
        report = "\n".join(e2e.REPORT_AT_RATE_100) + "\n"
        poll("the report told", lambda: (report in [t for _, t in insertions.pump()],
                                         insertions.seen))
    finally:
        insertions.close()
    say("ok   the report told to a screen reader")

    started = time.monotonic()
    program.press(e2e.BITBTN1)
    code = program.process.wait(timeout=e2e.POLL_TIMEOUT)
    say(f"ok   exit by BitBtn1 after {time.monotonic() - started:.3f} s")
    expect("exit code", code, 0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    say("=== wayland")
    program = WaylandProgram(args.program, args.work, "wayland")
    try:
        case_wayland(program)
    except Exception as error:
        say(f"FAIL wayland: {error}")
        with open(program.output_path, "rb") as output:
            say("program output:")
            say(output.read().decode("utf-8", "replace"))
        return 1
    finally:
        program.stop()
    say("=== wayland passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
