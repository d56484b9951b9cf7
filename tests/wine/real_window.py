#!/usr/bin/python3
"""Drives the Windows edition under Wine as a user would.

The mouse and the keyboard go through xdotool into the X windows that Wine
makes for the program; what the controls then hold is read back by the
probe, a Win32 program of our own running in the same prefix, which answers
one line of JSON per command (tests/wine/probe/main.cpp). run_real_window.sh
provides the X server, the prefix and the Japanese locale; this script starts
the program itself, once per case, and the probe once for all of them.
"""

import argparse
import json
import os
import re
import select
import subprocess
import sys
import time

CAPTION = "Orvanne計算機（生産者向け）β_05"
WINDOW_ORIGIN = (237, 355)
CLIENT_SIZE = (631, 332)

INSTRUCTION_LINES = [
    "材料１～５\u3000\u3000：レシピを見て、選択してください",
    "作成される数：レシピを見て、埋めてください",
    "成功率：作成スキル値＋補正値等の合計を入れてください",
    "-" * 49,
]

# The default sheet with every price 0 and a rate of 100: ten crafts succeed
# and use up the ten units of material 1. The program seeds its draws from
# the clock; at 100 every draw succeeds, so the report is the same for all.
REPORT_AT_RATE_100 = [
    "成功回数10    失敗回数0",
    "製品○○○が\u300010 個出来ました",
    "材料が\u3000【0 , 0 , 0 , 0 , 0 】余りました",
    "高品質の期待値【\u30001.5\u3000個\u3000】",
    "低品質の期待値【\u30000\u3000個\u3000】",
    "製品○○○の一個当たりの原価は\u30000 Gです",
]

# The error box's text for a full log: the message and the full stop the box
# appends after a double-byte last character.
LOG_FULL_TEXT = "RichEdit での行の挿入エラー."

# Generous bounds: on a loaded machine Wine and the program answer late, and
# a wait that succeeds returns at once, so only a failure waits this long.
POLL_TIMEOUT = 30.0
START_TIMEOUT = 60.0
# A run into the full log appends thousands of lines; it should take about a
# second, and only a hang waits this long.
RUN_TIMEOUT = 120.0
POLL_INTERVAL = 0.05

# Sizes forced on the window from outside, larger and smaller than its own.
FORCED_SIZES = [(800, 600), (300, 200)]


class Failure(Exception):
    pass


class Busy(Exception):
    """The program did not answer the probe in time; ask again."""


def say(message):
    print(message, flush=True)


def poll(what, probe, timeout=POLL_TIMEOUT):
    """Calls probe() until it returns (True, value); returns the value.

    probe returns (done, seen); on timeout the failure names the last thing
    seen, so that a wrong value reads as such rather than as a hang.
    """
    deadline = time.monotonic() + timeout
    seen = None
    while True:
        try:
            done, seen = probe()
        except Busy as error:
            done, seen = False, f"<busy: {error}>"
        if done:
            return seen
        if time.monotonic() > deadline:
            raise Failure(f"{what}: not within {timeout:g} s; last seen {seen!r}")
        time.sleep(POLL_INTERVAL)


def expect(what, actual, wanted):
    if actual != wanted:
        raise Failure(f"{what}: expected {wanted!r}, got {actual!r}")
    say(f"ok   {what}: {actual!r}")


def application_title(program_path):
    """The title the program derives from its file name: cut at the first full
    stop, the first character kept, the rest lower-cased."""
    name = os.path.basename(program_path).split(".", 1)[0]
    return name[:1] + name[1:].lower()


def log_lines(text):
    lines = re.split("\r\n|[\r\n]", text)
    if lines and lines[-1] == "":
        lines.pop()
    return lines


# ---------------------------------------------------------------- xdotool


def xdotool(*args):
    result = subprocess.run(
        ["xdotool", *map(str, args)], capture_output=True, text=True, timeout=15
    )
    if result.returncode != 0 and args[0] != "search":
        raise Failure(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
    return result.stdout


def x_windows(name):
    """The visible X windows named exactly name. Wine's windows here are
    unmanaged, children of the root, each named after its caption."""
    out = xdotool("search", "--all", "--onlyvisible", "--maxdepth", 1,
                  "--name", "^" + re.escape(name) + "$")
    return [int(line) for line in out.split()]


def click(point, button=1):
    xdotool("mousemove", point[0], point[1], "click", button)


def centre(rect):
    left, top, width, height = rect
    return left + width // 2, top + height // 2


# ---------------------------------------------------------------- probe


class Probe:
    """The probe program in the prefix, asked one command at a time."""

    def __init__(self, wine, path, work):
        self.log = open(os.path.join(work, "probe.log"), "wb")
        self.process = subprocess.Popen(
            [wine, path], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self.log
        )

    def ask(self, command):
        if self.process.poll() is not None:
            raise Failure(f"the probe has ended with code {self.process.returncode}")
        self.process.stdin.write(command.encode("ascii") + b"\n")
        self.process.stdin.flush()
        ready, _, _ = select.select([self.process.stdout], [], [], START_TIMEOUT)
        if not ready:
            raise Failure(f"the probe did not answer {command!r} within {START_TIMEOUT:g} s")
        answer = json.loads(self.process.stdout.readline())
        if "busy" in answer:
            raise Busy(answer["busy"])
        if "error" in answer:
            raise Failure(f"the probe rejected {command!r}: {answer['error']}")
        return answer

    def act(self, command):
        if not self.ask(command)["done"]:
            raise Failure(f"the probe could not {command!r}")

    def stop(self):
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


class Program:
    """One run of the program under test, from start to exit."""

    def __init__(self, wine, path, probe, design, work, case):
        self.path = path
        self.probe = probe
        self.design = design
        self.title = application_title(path)
        self.output_path = os.path.join(work, f"program-{case}.log")
        self.output = open(self.output_path, "wb")
        self.process = subprocess.Popen(
            [wine, path], stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT
        )
        self.window = None
        self.last = None

    # -- reading back

    def state(self, command="state"):
        if not self.alive():
            raise Failure(f"the program has ended (exit code {self.process.returncode})")
        self.last = self.probe.ask(command)
        return self.last

    def control(self, name, state=None):
        state = state or self.state()
        if state["form1"] is None:
            raise Busy("no Form1")
        control = state["controls"][name]
        if control is None:
            raise Failure(f"{name}: no window with its identifier")
        return control

    def text(self, name):
        return self.control(name)["text"]

    def screen_point(self, name, state=None):
        """The centre of a control on the screen."""
        state = state or self.state()
        x, y = state["form1"]["client"][:2]
        cx, cy = centre(self.control(name, state)["rect"])
        return x + cx, y + cy

    def wait(self, what, check, timeout=POLL_TIMEOUT):
        """Waits until check(state) returns (True, seen); returns seen."""
        return poll(what, lambda: check(self.state()), timeout)

    def wait_text(self, name, wanted, what):
        expect(what, self.wait(what, lambda s: (
            (t := self.control(name, s)["text"]) == wanted, t)), wanted)

    def wait_text_ending(self, name, tail, wanted, what):
        # Waits for the last typed characters to arrive, then compares the
        # whole text, so that a wrongly accepted character fails at once.
        seen = self.wait(what, lambda s: ((t := self.control(name, s)["text"]).endswith(tail), t))
        expect(what, seen, wanted)

    def wait_focus(self, name, what):
        expect(what, self.wait(what, lambda s: (s["focus"] == name, s["focus"])), name)

    def wait_box(self, what, timeout=POLL_TIMEOUT):
        return self.wait(what, lambda s: (s["box"] is not None, s["box"]), timeout)

    # -- start-up

    def wait_for_window(self):
        self.wait(f"window {CAPTION!r}", lambda s: (
            s["form1"] is not None and s["form1"]["caption"] == CAPTION, s["form1"]),
            START_TIMEOUT)
        self.window = poll("its X window", lambda: (
            len(w := x_windows(CAPTION)) == 1, w))[0]
        # Wine draws the frame itself (the prefix says so), so the window's
        # outer corner is where the program put it and the client area lies
        # inside the frame.
        state = self.state()
        form1 = state["form1"]
        expect("window caption", form1["caption"], CAPTION)
        expect("outer top-left corner", tuple(form1["window"][:2]), WINDOW_ORIGIN)
        expect("client size", tuple(form1["client"][2:]), CLIENT_SIZE)
        expect("Form1's owner", form1["owner"], "TApplication")
        expect("application window's caption", state["application"]["caption"], self.title)

    def take_keyboard_focus(self):
        # Without a window manager nobody gives a new window the X focus.
        xdotool("windowfocus", "--sync", self.window)

    # -- acting

    def click(self, name, button=1):
        click(self.screen_point(name), button)

    def click_edit_part(self, name):
        """A click into a drop-down list's edit field, clear of its button."""
        state = self.state()
        x, y = state["form1"]["client"][:2]
        left, top, width, height = self.control(name, state)["rect"]
        click((x + left + width // 3, y + top + height // 2))

    def box_window(self):
        return poll("the box's X window", lambda: (len(w := x_windows(self.title)) == 1, w))[0]

    # -- end

    def alive(self):
        return self.process.poll() is None

    def wait_exit(self, how):
        started = time.monotonic()
        # Ends at once or never (a question would wait for an answer), so a
        # generous bound tells the two apart on a loaded machine too.
        try:
            code = self.process.wait(timeout=POLL_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure(f"still running {POLL_TIMEOUT:g} s after {how}")
        say(f"ok   exit by {how} after {time.monotonic() - started:.3f} s")
        expect("exit code", code, 0)

    def exit_by(self, name):
        self.click(name)
        self.wait_exit(f"a click on {name}")

    def stop(self):
        if self.process.poll() is None:
            try:
                self.probe.ask("close")
                self.process.wait(timeout=10)
            except (Failure, Busy, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait()
        self.output.close()

    def describe(self):
        """What the program showed when a check failed."""
        say("--- what the test saw ---")
        say(f"program running: {self.alive()} (exit code {self.process.returncode})")
        say(f"last state: {json.dumps(self.last, ensure_ascii=False)}")
        with open(self.output_path, "rb") as output:
            say("program output:")
            say(output.read().decode("utf-8", "replace"))


# ---------------------------------------------------------------- cases


def check_design(program):
    """Every windowed control at its designed place with its initial text and
    list items; the caption of a push button, check box or static text is its
    text. Drop-down lists size their height to their font."""
    state = program.state("state items")
    for row in program.design:
        if row["kind"] in ("picture", "label"):
            continue
        control = program.control(row["name"], state)
        rect = control["rect"]
        if row["kind"] == "combo":
            rect = rect[:3] + [row["rect"][3]]
        if rect != row["rect"]:
            raise Failure(f"{row['name']} at {control['rect']}, designed at {row['rect']}")
        if row["name"] != "Edit11" and row["kind"] != "log" and control["text"] != row["text"]:
            raise Failure(f"{row['name']} shows {control['text']!r}, designed {row['text']!r}")
        if row["kind"] == "combo" and control["items"] != row["items"]:
            raise Failure(f"{row['name']} lists {control['items']}, designed {row['items']}")
    say("ok   every control in its designed place, with its text and list items")
    expect("CheckBox1 at start", program.control("CheckBox1", state)["checked"], False)


def case_run_and_exit(program):
    """Click-to-clear, the key filter, a run at rate 100 and the exit button."""
    program.wait_for_window()
    check_design(program)
    expect("initial log", log_lines(program.text("RichEdit1")), INSTRUCTION_LINES)
    # The Japanese locale's decimal mark is ".".
    expect("initial Edit11", program.text("Edit11"), "80.1")
    program.take_keyboard_focus()
    program.wait_focus("ComboBox1", "focus in ComboBox1 once the window is active")

    program.click("Edit6")
    program.wait_text("Edit6", "", "Edit6 after a click")

    program.click("Edit1")
    program.wait_text("Edit1", "", "Edit1 after a click")
    xdotool("type", "--delay", 20, "a-1.5")
    program.wait_text_ending("Edit1", "5", "1.5", "Edit1 after typing a-1.5")

    # Edit11 has no click-to-clear: select its text from the keyboard.
    program.click("Edit11")
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 20, "100")
    program.wait_text_ending("Edit11", "100", "100", "Edit11 after typing 100")

    program.click("Edit6")
    program.wait_text("Edit6", "", "Edit6 after a second click")
    xdotool("type", "--delay", 20, "10")
    program.wait_text_ending("Edit6", "10", "10", "Edit6 after typing 10")

    # The price 1.5 would stop the report at the cost line (prices are
    # integers); a price emptied by a click runs as 0 and is shown as "0".
    program.click("Edit1")
    program.wait_text("Edit1", "", "Edit1 emptied again")

    program.click("Button1")
    wanted = INSTRUCTION_LINES + REPORT_AT_RATE_100

    def report_done(state):
        if state["box"] is not None:
            raise Failure(f"an error box opened during the run: {state['box']}")
        lines = log_lines(program.control("RichEdit1", state)["text"])
        return len(lines) >= len(wanted), lines

    expect("log after the run at rate 100", program.wait("the report", report_done), wanted)
    expect("Edit1 left empty, after the run", program.text("Edit1"), "0")

    program.exit_by("BitBtn1")


def start_clipboard_owner(text):
    """xclip in the foreground owns the X clipboard until it is ended; Wine
    fetches from it when the program pastes."""
    owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    owner.stdin.write(text.encode())
    owner.stdin.close()
    poll("the clipboard", lambda: (
        (t := subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                             timeout=15).stdout.decode()) == text, t))
    return owner


def stop_clipboard_owner(owner):
    owner.terminate()
    owner.wait()


def case_pasted_letters(program):
    """Letters pasted into a stock field: Ctrl+V does nothing, Shift+Insert
    pastes; the run fails into the error box, which is modal, closes with
    Enter and leaves the program working with the focus back on Button1."""
    program.wait_for_window()
    program.take_keyboard_focus()

    owner = start_clipboard_owner("abc")
    try:
        program.click("Edit6")
        program.wait_text("Edit6", "", "Edit6 after a click")
        # Keys are handled in order: once the 7 is there, Ctrl+V has been.
        xdotool("key", "ctrl+v", "7")
        program.wait_text_ending("Edit6", "7", "7", "Edit6 after Ctrl+V and 7")
        xdotool("key", "BackSpace", "shift+Insert")
        program.wait_text("Edit6", "abc", "Edit6 after Backspace and Shift+Insert")
    finally:
        stop_clipboard_owner(owner)
    # A blank price is set to "0" before any text is converted, so it stays
    # "0" although the run fails.
    program.click("Edit2")
    program.wait_text("Edit2", "", "Edit2 after a click")

    log_before = program.text("RichEdit1")
    program.click("Button1")
    box = program.wait_box("the error box")
    expect("error box caption", box["caption"], program.title)
    expect("error box text", box["text"], "'abc' is not a valid integer value.")
    expect("error box icon", box["icon"], "error")
    expect("error box buttons", box["buttons"], ["OK"])
    expect("error box owner", box["owner"], "TApplication")
    expect("Form1 while the box is open", program.state()["form1"]["enabled"], False)

    # The box is modal: a click on the exit button must not reach Form1. If
    # it did, the program would be gone by the time the box has closed.
    bx, by, bwidth, bheight = box["rect"]
    exit_x, exit_y = program.screen_point("BitBtn1")
    if bx <= exit_x < bx + bwidth and by <= exit_y < by + bheight:
        raise Failure(f"the error box at {box['rect']} covers the exit button")
    click((exit_x, exit_y))

    # As a window manager would, give the box the X focus.
    xdotool("windowfocus", "--sync", program.box_window())
    xdotool("key", "Return")
    program.wait("the error box to close", lambda s: (s["box"] is None, s["box"]))
    say("ok   Enter closed the error box")
    if not program.alive():
        raise Failure("the program ended: the click on the exit button went through the "
                      "error box, or closing the box ended it")
    program.wait_focus("Button1", "focus back on Button1")
    expect("Form1 after the box", program.state()["form1"]["enabled"], True)
    expect("the log after the failed run", program.text("RichEdit1"), log_before)
    expect("Edit6 after the failed run", program.text("Edit6"), "abc")
    expect("Edit2 left empty, after the failed run", program.text("Edit2"), "0")

    program.exit_by("BitBtn1")


def case_forced_resize(program):
    """Resizes from outside, as a frame drag or the maximise box would ask
    for them: the window keeps its own size, in its place, and nothing inside
    it moves. Ends by the close box that Wine draws.

    They are asked for on the Win32 side: Wine does not pass a resize of its
    unmanaged X windows (xdotool windowsize) on to the program at all."""
    program.wait_for_window()
    held = program.state()["form1"]["window"]
    rects = {name: c["rect"] for name, c in program.state()["controls"].items() if c}

    def window_held(state):
        form1 = state["form1"]
        return form1["window"] == held and tuple(form1["client"][2:]) == CLIENT_SIZE, form1

    for width, height in FORCED_SIZES:
        program.probe.act(f"resize {width} {height}")
        program.wait(f"the window held after SetWindowPos to {width}x{height}", window_held)
        say(f"ok   window held after SetWindowPos to {width}x{height}")
    program.probe.act("maximise")
    # Maximising may move the window; its size stays.
    form1 = program.wait("the client size held after maximising", lambda s: (
        tuple(s["form1"]["client"][2:]) == CLIENT_SIZE
        and s["form1"]["window"][2:] == held[2:], s["form1"]))
    say(f"ok   size held after maximising, window at {form1['window']}")
    expect("controls after the forced resizes",
           {name: c["rect"] for name, c in program.state()["controls"].items() if c}, rects)

    click(centre(program.state()["form1"]["close_box"]))
    program.wait_exit("a click on the close box")


def case_keyboard_and_mouse(program):
    """What the platform's own controls add: Tab order with its wrap and the
    whole text selected on keyboard focus, arrows on the buttons and the
    check box, Enter and Space on a button, Enter in a field and Escape
    clicking nothing, clicks that are no clicks, the log cleared, and the
    banner ending the program."""
    program.wait_for_window()
    program.take_keyboard_focus()
    program.wait_focus("ComboBox1", "focus in ComboBox1 at start")

    order = [row["name"] for row in sorted(
        (row for row in program.design if row["tab"] > 0), key=lambda row: row["tab"])]
    for name in order[1:] + order[:1]:
        xdotool("key", "Tab")
        program.wait_focus(name, f"Tab to {name}")
        control = program.control(name)
        if name.startswith("Edit"):
            expect(f"{name}'s selection after Tab", control["selection"],
                   [0, len(control["text"])])
    xdotool("key", "shift+Tab")
    program.wait_focus(order[-1], "Shift+Tab from the first control wraps to the last")
    # Tab into Edit6 selects its "10", so a digit replaces it.
    for _ in range(order.index("Edit6") + 1):
        xdotool("key", "Tab")
    program.wait_focus("Edit6", "Tab round to Edit6")
    xdotool("type", "7")
    program.wait_text("Edit6", "7", "Edit6 after Tab and 7")

    # Arrows move between the buttons and the check box in keyboard order.
    # Where a static text comes in that order is nowhere stated, so only the
    # neighbours of Button1 are asked: BitBtn1 before it, CheckBox1 after it.
    for _ in range(order.index("Button1") - order.index("Edit6")):
        xdotool("key", "Tab")
    program.wait_focus("Button1", "Tab on from Edit6 to Button1")
    xdotool("key", "Left")
    program.wait_focus("BitBtn1", "Left from Button1")
    xdotool("key", "Right")
    program.wait_focus("Button1", "Right from BitBtn1")
    xdotool("key", "Down")
    program.wait_focus("CheckBox1", "Down from Button1")
    xdotool("key", "Up")
    program.wait_focus("Button1", "Up from CheckBox1")
    expect("CheckBox1 after the arrows", program.control("CheckBox1")["checked"], False)

    # Button2 clears the log; a run's report is then the whole log.
    program.click("Button2")
    program.wait_text("RichEdit1", "", "the log after a click on Button2")
    report_lines = len(REPORT_AT_RATE_100)

    def log_of(count):
        return lambda s: (len(t := log_lines(program.control("RichEdit1", s)["text"])) >= count
                          and s["box"] is None, t)

    xdotool("key", "shift+Tab", "shift+Tab")
    program.wait_focus("Button1", "Shift+Tab twice from Button2")
    xdotool("key", "Return")
    lines = program.wait("a report after Enter on Button1", log_of(report_lines))
    expect("the report's first line starts the log", lines[0].startswith("成功回数"), True)
    xdotool("key", "space")
    program.wait("a second report after Space on Button1", log_of(2 * report_lines))
    # Escape clicks nothing: had it cleared the log or started a run, the
    # log after the next run would not hold exactly three reports.
    xdotool("key", "Escape", "Return")
    lines = program.wait("a third report after Escape and Enter", log_of(3 * report_lines))
    expect("lines after three runs", len(lines), 3 * report_lines)

    # Enter in a field starts nothing; the 9 after it shows that the Enter
    # has been handled.
    program.click("Edit11")
    xdotool("key", "End", "Return", "9")
    program.wait_text_ending("Edit11", "9", "80.19", "Edit11 after End, Enter and 9")
    expect("lines after Enter in Edit11", len(log_lines(program.text("RichEdit1"))),
           3 * report_lines)

    # Neither a right click nor a press inside that is released outside is a
    # click; the caret then stands at the end of "7".
    program.click("Edit6", button=3)
    xdotool("key", "Escape")  # the field's context menu
    x, y = program.screen_point("Edit6")
    xdotool("mousemove", x, y, "mousedown", 1, "mousemove", x, y + 40, "mouseup", 1)
    xdotool("key", "End", "8")
    program.wait_text_ending("Edit6", "8", "78", "Edit6 after a right click, a drag out and 8")

    state = program.state()
    left, top = state["form1"]["client"][:2]
    banner = next(row["rect"] for row in program.design if row["name"] == "Image1")
    bx, by = centre(banner)
    click((left + bx, top + by))
    program.wait_exit("a click on the banner")


def case_log_full(program):
    """Every required quantity 0 with the per-attempt log on: the run appends
    a line per attempt until the real Rich Edit's capacity stops it with the
    log's error, and the report is never written."""
    program.wait_for_window()
    program.take_keyboard_focus()
    program.click_edit_part("ComboBox1")
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 20, "0")
    program.wait_text("ComboBox1", "0", "ComboBox1 after typing 0")
    program.click("CheckBox1")
    expect("CheckBox1 after a click", program.wait("CheckBox1 checked", lambda s: (
        (c := program.control("CheckBox1", s)["checked"]), c)), True)

    started = time.monotonic()
    program.click("Button1")
    box = program.wait_box("the log's error box", RUN_TIMEOUT)
    say(f"note the error box {time.monotonic() - started:.2f} s after the click")
    expect("error box caption", box["caption"], program.title)
    expect("error box text", box["text"], LOG_FULL_TEXT)
    expect("error box icon", box["icon"], "error")

    log = program.control("RichEdit1")
    if len(log["text"]) > log["limit"]:
        raise Failure(f"the log holds {len(log['text'])} characters, over its limit {log['limit']}")
    say(f"note the log holds {len(log['text'])} characters, its limit is {log['limit']}")
    lines = log_lines(log["text"])
    expect("the log's first lines", lines[:len(INSTRUCTION_LINES)], INSTRUCTION_LINES)
    say(f"note {len(lines) - len(INSTRUCTION_LINES)} attempt lines fitted")
    if len(lines) - len(INSTRUCTION_LINES) >= 5001:
        raise Failure("every attempt's line fitted into the log")
    report = [line for line in lines if line.startswith("成功回数")]
    expect("report lines in the full log", report, [])

    program.probe.act("press-ok")
    program.wait("the error box to close", lambda s: (s["box"] is None, s["box"]))
    program.wait_focus("Button1", "focus back on Button1")
    # WM_CLOSE, as the close command of the program's entry in the task list.
    program.probe.act("close")
    program.wait_exit("WM_CLOSE")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()

    started = time.monotonic()
    cases = [
        ("run-and-exit", case_run_and_exit),
        ("pasted-letters", case_pasted_letters),
        ("forced-resize", case_forced_resize),
        ("keyboard-and-mouse", case_keyboard_and_mouse),
        ("log-full", case_log_full),
    ]
    probe = Probe(args.wine, args.probe, args.work)
    failed = []
    try:
        design = probe.ask("design")["controls"]
        for name, case in cases:
            say(f"=== {name}")
            case_started = time.monotonic()
            program = Program(args.wine, args.program, probe, design, args.work, name)
            try:
                case(program)
            except Exception as error:
                say(f"FAIL {name}: {error}")
                failed.append(name)
                program.describe()
            finally:
                program.stop()
            say(f"--- {name}: {time.monotonic() - case_started:.1f} s")
    finally:
        probe.stop()
    say(f"=== {len(cases) - len(failed)} of {len(cases)} cases passed "
        f"in {time.monotonic() - started:.1f} s")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
