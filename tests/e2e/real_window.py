#!/usr/bin/python3
"""Drives the real orvanne-calc as a user would.

The mouse and the keyboard go through xdotool (XTEST, the same path as real
input); what the fields and the log then hold is read back through AT-SPI, as
a screen reader would read it. run_real_window.sh provides the X server and
the session bus; this script starts the program itself, once per case.
"""

import argparse
import os
import re
import select
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

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

# Generous bounds: on a loaded machine the bus and the program answer late,
# and a wait that succeeds returns at once, so only a failure waits this long.
POLL_TIMEOUT = 30.0
START_TIMEOUT = 60.0
POLL_INTERVAL = 0.03


class Failure(Exception):
    pass


class Control:
    """One control: where it is in client coordinates and what AT-SPI calls it."""

    def __init__(self, name, accessible_name, rect, roles):
        self.name = name
        self.accessible_name = accessible_name
        self.rect = rect
        self.roles = roles

    def centre(self, origin):
        left, top, width, height = self.rect
        return origin[0] + left + width // 2, origin[1] + top + height // 2


TEXT = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT)
MULTI_LINE = TEXT + (pyatspi.ROLE_DOCUMENT_TEXT, pyatspi.ROLE_PARAGRAPH)
BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
COMBO = (pyatspi.ROLE_COMBO_BOX,)

COMBOBOX1 = Control("ComboBox1", "材料１ 個数", (40, 50, 71, 20), COMBO)
EDIT1 = Control("Edit1", "材料１ 単価", (120, 50, 61, 20), TEXT)
EDIT2 = Control("Edit2", "材料２ 単価", (120, 70, 61, 20), TEXT)
EDIT6 = Control("Edit6", "材料１ 在庫", (190, 50, 61, 20), TEXT)
EDIT11 = Control("Edit11", "成功率", (140, 190, 71, 20), TEXT)
LOG = Control("RichEdit1", "ログ", (260, 50, 361, 241), MULTI_LINE)
BUTTON1 = Control("Button1", "試作してみる", (370, 300, 91, 31), BUTTON)
BITBTN1 = Control("BitBtn1", "工房から出る", (540, 300, 91, 31), BUTTON)
CHECKBOX1 = Control("CheckBox1", "作成ログを表示する", (0, 220, 131, 17), (pyatspi.ROLE_CHECK_BOX,))
CONTROLS = (COMBOBOX1, EDIT1, EDIT2, EDIT6, EDIT11, LOG, BUTTON1, BITBTN1)

# The name of every control that takes the keyboard focus, in keyboard order;
# a drop-down list's parts share its name.
FOCUSABLE_NAMES = [
    "材料１ 個数", "材料２ 個数", "材料３ 個数", "材料４ 個数", "材料５ 個数",
    "材料１ 単価", "材料２ 単価", "材料３ 単価", "材料４ 単価", "材料５ 単価",
    "作成される数",
    "材料１ 在庫", "材料２ 在庫", "材料３ 在庫", "材料４ 在庫", "材料５ 在庫",
    "ログ", "成功率", "工房から出る", "試作してみる", "作成ログを表示する", "ログ消去",
]
BANNER = ("工房から出る（バナー）", "クリックするとプログラムを終了します")

# Sizes forced on the window from outside, larger and smaller than its own.
FORCED_SIZES = [(800, 600), (300, 200)]


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
        except Failure:
            raise
        except Exception as error:  # the bus or the program is still coming up
            done, seen = False, f"<{type(error).__name__}: {error}>"
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
    lines = re.split("\r\n|[\r\n\u2028\u2029]", text)
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


def top_level_windows(pid, name_pattern):
    # --maxdepth 1: children of the root only, i.e. top-level windows that no
    # window manager has put into a frame.
    out = xdotool("search", "--all", "--onlyvisible", "--maxdepth", 1,
                  "--pid", pid, "--name", name_pattern)
    return [int(line) for line in out.split()]


def window_name(window):
    return xdotool("getwindowname", window).rstrip("\n")


def window_geometry(window):
    values = dict(
        line.split("=", 1)
        for line in xdotool("getwindowgeometry", "--shell", window).split()
    )
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def click(point):
    xdotool("mousemove", point[0], point[1], "click", 1)


# ---------------------------------------------------------------- AT-SPI


def descendants(accessible):
    stack = [accessible]
    while stack:
        node = stack.pop()
        yield node
        try:
            children = list(node)
        except Exception:
            continue
        stack.extend(reversed([c for c in children if c is not None]))


def fresh(accessible):
    # The client library caches names, children and states, and refreshes
    # them only from events this script does not listen to.
    try:
        accessible.clear_cache()
    except Exception:
        pass
    return accessible


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def is_focused(accessible):
    return fresh(accessible).getState().contains(pyatspi.STATE_FOCUSED)


class Program:
    """One run of the program under test, from start to exit."""

    def __init__(self, path, work, case):
        self.path = path
        self.output_path = os.path.join(work, f"program-{case}.log")
        self.output = open(self.output_path, "wb")
        self.process = subprocess.Popen(
            [path], stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT
        )
        self.window = None
        self.origin = WINDOW_ORIGIN
        self.frame = None
        self.controls = {}

    # -- start-up

    def wait_for_window(self):
        pattern = "^" + re.escape(CAPTION) + "$"

        def probe():
            if self.process.poll() is not None:
                raise Failure(f"the program ended at start with code {self.process.returncode}")
            windows = top_level_windows(self.process.pid, pattern)
            return len(windows) == 1, windows

        self.window = poll(f"window {CAPTION!r}", probe, timeout=START_TIMEOUT)[0]
        # The search is a regular expression; the caption must match exactly.
        expect("window caption", window_name(self.window), CAPTION)
        # No window manager runs on this server, so the top-level window has
        # no frame: its outer corner is the client area's corner, and the
        # geometry xdotool reports is the client area on the screen.
        x, y, width, height = window_geometry(self.window)
        expect("client size", (width, height), CLIENT_SIZE)
        expect("outer top-left corner (no frame without a window manager)", (x, y), WINDOW_ORIGIN)
        self.origin = (x, y)

    def wait_for_accessible_window(self):
        def probe():
            desktop = fresh(pyatspi.Registry.getDesktop(0))
            for application in desktop:
                if application is None or application.get_process_id() != self.process.pid:
                    continue
                for window in fresh(application):
                    if window is not None and window.name == CAPTION:
                        return True, window
            return False, "no accessible window of the program yet"

        self.frame = poll("the window on the accessibility bus", probe, timeout=START_TIMEOUT)
        for control in CONTROLS:
            self.controls[control.name] = self.find(control)

    def screen_rect(self, control):
        left, top, width, height = control.rect
        return self.origin[0] + left, self.origin[1] + top, width, height

    def extents(self, node):
        """Where node is, in the coordinates screen_rect gives."""
        return extents(node)

    def find(self, control):
        """The control's accessible object: by its accessible name, or else by
        the designed rectangle, so that a missing name does not hide the rest."""
        wanted_rect = self.screen_rect(control)
        by_rect = None
        for node in descendants(self.frame):
            if node.getRole() not in control.roles:
                continue
            if control.accessible_name is not None and node.name == control.accessible_name:
                expect(f"{control.name} on the screen", self.extents(node), wanted_rect)
                return node
            if by_rect is None and self.extents(node) == wanted_rect:
                by_rect = node
        if by_rect is None:
            raise Failure(f"{control.name} ({control.accessible_name!r}) not found "
                          f"by name or at {wanted_rect}")
        if control.accessible_name is not None:
            say(f"note {control.name}: no accessible name {control.accessible_name!r}; "
                f"found by its place, named {by_rect.name!r}")
        return by_rect

    def take_keyboard_focus(self):
        # Without a window manager nobody gives a new window the input focus.
        xdotool("windowfocus", "--sync", self.window)

    # -- fields

    def text(self, control):
        if not self.alive():
            raise Failure(f"the program has ended (exit code {self.process.returncode})")
        return text_of(self.controls[control.name])

    def wait_text(self, control, wanted, what):
        expect(what, poll(what, lambda: (self.text(control) == wanted, self.text(control))), wanted)

    def wait_text_ending(self, control, tail, wanted, what):
        # Waits for the last typed characters to arrive, then compares the
        # whole text, so that a wrongly accepted character fails at once.
        seen = poll(what, lambda: (self.text(control).endswith(tail), self.text(control)))
        expect(what, seen, wanted)

    def click(self, control):
        click(control.centre(self.origin))

    def wait_in_place(self, control, what):
        node, wanted = self.controls[control.name], self.screen_rect(control)
        expect(what, poll(what, lambda: (self.extents(node) == wanted, self.extents(node))),
               wanted)

    def wait_focus(self, control, what):
        # The focus may sit on a part of the control, such as the edit field
        # inside a drop-down list.
        def probe():
            if not self.alive():
                raise Failure(f"the program has ended (exit code {self.process.returncode})")
            return any(is_focused(node) for node in
                       descendants(fresh(self.controls[control.name]))), "not focused"

        poll(what, probe)
        say(f"ok   {what}")

    # -- end

    def alive(self):
        return self.process.poll() is None

    def box_texts(self, title):
        """The labels and the button names of the open window titled title,
        as the accessibility bus shows them; None while there is none."""
        for window in fresh(self.frame.parent):
            if window is None or window.name != title:
                continue
            nodes = list(descendants(fresh(window)))
            return ([n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name],
                    [n.name for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON])
        return None

    def exit_by(self, control):
        started = time.monotonic()
        self.click(control)
        # Ends at once or never (a question would wait for an answer), so a
        # generous bound tells the two apart on a loaded machine too.
        try:
            code = self.process.wait(timeout=POLL_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure(f"still running {POLL_TIMEOUT:g} s after the click on {control.name}")
        say(f"ok   exit by {control.name} after {time.monotonic() - started:.3f} s")
        expect("exit code", code, 0)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.output.close()

    def describe(self):
        """What the program showed when a check failed."""
        say("--- what the test saw ---")
        say(f"program running: {self.alive()} (exit code {self.process.returncode})")
        try:
            for window in top_level_windows(self.process.pid, "."):
                say(f"window {window}: {window_name(window)!r} at {window_geometry(window)}")
        except Exception as error:
            say(f"windows: {error}")
        if self.frame is not None and self.alive():
            try:
                application = self.frame.parent
                for node in descendants(fresh(application)):
                    role = node.getRoleName()
                    if role in ("text", "entry", "label", "push button", "dialog", "alert",
                                "frame", "filler", "combo box"):
                        try:
                            content = text_of(node)
                        except Exception:
                            content = None
                        focus = " [focused]" if is_focused(node) else ""
                        say(f"  {role} {node.name!r}: {content!r}{focus}")
            except Exception as error:
                say(f"accessible tree: {error}")
        with open(self.output_path, "rb") as output:
            say("program output:")
            say(output.read().decode("utf-8", "replace"))


# ---------------------------------------------------------------- cases


def case_run_and_exit(program):
    """Click-to-clear, the key filter, a run at rate 100 and the exit button."""
    program.wait_for_window()
    program.wait_for_accessible_window()
    expect("initial log", log_lines(program.text(LOG)), INSTRUCTION_LINES)
    expect("initial Edit6", program.text(EDIT6), "10")
    # The locale is C.UTF-8, so the decimal mark is ".".
    expect("initial Edit11", program.text(EDIT11), "80.1")
    program.take_keyboard_focus()
    program.wait_focus(COMBOBOX1, "focus in ComboBox1 once the window is active")

    program.click(EDIT6)
    program.wait_text(EDIT6, "", "Edit6 after a click")

    program.click(EDIT1)
    program.wait_text(EDIT1, "", "Edit1 after a click")
    xdotool("type", "--delay", 20, "a-1.5")
    program.wait_text_ending(EDIT1, "5", "1.5", "Edit1 after typing a-1.5")

    # Edit11 has no click-to-clear: select its text from the keyboard.
    program.click(EDIT11)
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 20, "100")
    program.wait_text_ending(EDIT11, "100", "100", "Edit11 after typing 100")

    program.click(EDIT6)
    program.wait_text(EDIT6, "", "Edit6 after a second click")
    xdotool("type", "--delay", 20, "10")
    program.wait_text_ending(EDIT6, "10", "10", "Edit6 after typing 10")

    # The price 1.5 would stop the report at the cost line (prices are
    # integers); a price emptied by a click runs as 0 and is shown as "0".
    program.click(EDIT1)
    program.wait_text(EDIT1, "", "Edit1 emptied again")

    program.click(BUTTON1)
    wanted = INSTRUCTION_LINES + REPORT_AT_RATE_100
    title = application_title(program.path)
    title_pattern = "^" + re.escape(title) + "$"

    def report_done():
        if top_level_windows(program.process.pid, title_pattern):
            raise Failure(f"an error box opened during the run: {program.box_texts(title)}")
        lines = log_lines(program.text(LOG))
        return len(lines) >= len(wanted), lines

    expect("log after the run at rate 100", poll("the report", report_done), wanted)
    expect("Edit1 left empty, after the run", program.text(EDIT1), "0")

    program.exit_by(BITBTN1)


def focusable_names(frame):
    """The names of the focusable objects below frame, a drop-down list's
    parts left out (they take the focus for the list)."""
    names = []
    stack = [frame]
    while stack:
        node = stack.pop()
        if node is not frame and fresh(node).getState().contains(pyatspi.STATE_FOCUSABLE):
            names.append(node.name)
        if node.getRole() in COMBO:
            continue
        stack.extend(reversed([c for c in node if c is not None]))
    return names


class TextInsertions:
    """The "text inserted" events of one accessible object, as a screen reader
    hears them; dispatched by pumping GLib's main context while polling."""

    def __init__(self, source):
        self.source = source
        self.seen = []
        pyatspi.Registry.registerEventListener(self.heard, "object:text-changed:insert")

    def heard(self, event):
        if event.source == self.source:
            self.seen.append((event.detail1, event.any_data))

    def pump(self):
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return self.seen

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.heard, "object:text-changed:insert")


def case_screen_reader(program):
    """What a screen reader finds: a name of its own for every control that
    takes the focus, a banner that says what a click does, and after a run
    the report lines told once, the attempt lines never."""
    program.wait_for_window()
    program.wait_for_accessible_window()
    names = focusable_names(program.frame)
    expect("names of the focusable controls", sorted(names), sorted(FOCUSABLE_NAMES))
    expect("every focusable name unique", len(set(names)), len(names))
    banner = [(n.name, n.description) for n in descendants(program.frame) if n.name == BANNER[0]]
    expect("the banner's name and description", banner, [BANNER])
    combo = program.controls[COMBOBOX1.name]
    expect("ComboBox1's text as its value",
           [text_of(c) for c in combo if c is not None and c.getRole() in TEXT], ["1"])

    program.take_keyboard_focus()
    program.click(EDIT11)
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 20, "100")
    program.wait_text_ending(EDIT11, "100", "100", "Edit11 after typing 100")
    # Qt reports the check box as wide as its box and caption, not as laid out.
    check_box = next(n for n in descendants(program.frame) if n.name == CHECKBOX1.accessible_name)
    program.click(CHECKBOX1)
    poll("CheckBox1 checked", lambda: (
        fresh(check_box).getState().contains(pyatspi.STATE_CHECKED), "unchecked"))

    log = program.controls[LOG.name]
    insertions = TextInsertions(log)
    try:
        program.click(BUTTON1)
        report = "\n".join(REPORT_AT_RATE_100) + "\n"

        def report_told():
            seen = insertions.pump()
            return any(text == report for _, text in seen), seen

        poll("the report told", report_told)
        # Anything told later than the report would still be on its way: the
        # run is one insertion, so wait for the log to hold all of it first.
        lines = poll("the report in the log", lambda: (
            log_lines(program.text(LOG))[-len(REPORT_AT_RATE_100):] == REPORT_AT_RATE_100,
            log_lines(program.text(LOG))))
        heard = insertions.pump()
    finally:
        insertions.close()
    expect("attempt lines in the log", sum("個作製しました" in line for line in lines), 10)
    expect("what the log told of the run", [text for _, text in heard], [report])
    expect("where the report stands", heard[0][0], len(program.text(LOG)) - len(report))
    program.exit_by(BITBTN1)


def start_clipboard_owner(path, text):
    owner = subprocess.Popen(
        [path, text], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
        env={k: v for k, v in os.environ.items() if k != "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"},
    )
    ready, _, _ = select.select([owner.stdout], [], [], POLL_TIMEOUT)
    line = owner.stdout.readline() if ready else b""
    if line.strip() != b"ready":
        owner.kill()
        owner.wait()
        raise Failure(f"the clipboard owner did not take the clipboard (said {line!r})")
    return owner


def stop_clipboard_owner(owner):
    if owner.poll() is None:
        owner.stdin.close()
        try:
            owner.wait(timeout=5)
        except subprocess.TimeoutExpired:
            owner.kill()
            owner.wait()


def case_pasted_letters(program, clipboard_owner_path):
    """Letters pasted into a stock field: the run fails into the error box,
    which is modal, closes with Enter and leaves the program working. The
    stock is converted before the first draw, so no draw is made."""
    program.wait_for_window()
    program.wait_for_accessible_window()
    program.take_keyboard_focus()

    owner = start_clipboard_owner(clipboard_owner_path, "abc")
    try:
        program.click(EDIT6)
        program.wait_text(EDIT6, "", "Edit6 after a click")
        xdotool("key", "shift+Insert")
        program.wait_text(EDIT6, "abc", "Edit6 after Shift+Insert")
    finally:
        stop_clipboard_owner(owner)
    # A blank price is set to "0" before any text is converted, so it stays
    # "0" although the run fails.
    program.click(EDIT2)
    program.wait_text(EDIT2, "", "Edit2 after a click")

    log_before = program.text(LOG)
    program.click(BUTTON1)

    title = application_title(program.path)
    title_pattern = "^" + re.escape(title) + "$"

    def box_open():
        boxes = top_level_windows(program.process.pid, title_pattern)
        return len(boxes) == 1, boxes

    box = poll("the error box", box_open)[0]
    expect("error box caption", window_name(box), title)

    message = "'abc' is not a valid integer value."

    # The box's label and button come onto the bus one by one: wait for both.
    def message_shown():
        box_texts = program.box_texts(title)
        return box_texts is not None and message in box_texts[0] and box_texts[1], box_texts

    labels, buttons = poll("the error box message", message_shown)
    say(f"ok   error box message: {message!r}")
    expect("buttons of the error box", len(buttons), 1)

    # The box is modal: a click on the exit button must not reach it. If it
    # did, the program would be gone by the time the box has closed.
    bx, by, bwidth, bheight = window_geometry(box)
    exit_x, exit_y = BITBTN1.centre(program.origin)
    if bx <= exit_x < bx + bwidth and by <= exit_y < by + bheight:
        raise Failure(f"the error box at {(bx, by, bwidth, bheight)} covers the exit button")
    click((exit_x, exit_y))

    # As a window manager would, give the box the keyboard focus.
    try:
        xdotool("windowfocus", "--sync", box)
    except Failure as error:
        raise Failure("the error box went away after a click on the exit button behind it "
                      f"(program running: {program.alive()}): {error}")
    xdotool("key", "Return")
    poll("the error box to close", lambda: (
        not top_level_windows(program.process.pid, title_pattern), "still open"))
    say("ok   Enter closed the error box")
    if not program.alive():
        raise Failure("the program ended: the click on the exit button went through the "
                      "error box, or closing the box ended it")
    program.wait_focus(BUTTON1, "focus back on Button1")
    expect("the log after the failed run", program.text(LOG), log_before)
    expect("Edit6 after the failed run", program.text(EDIT6), "abc")
    expect("Edit2 left empty, after the failed run", program.text(EDIT2), "0")

    program.exit_by(BITBTN1)


def case_forced_resize(program):
    """Resizes from outside that ignore the size hints, as xdotool or a window
    manager that grants every request makes them: the window answers with its
    own size, in its place, and nothing inside it moves."""
    program.wait_for_window()
    program.wait_for_accessible_window()
    held = WINDOW_ORIGIN + CLIENT_SIZE
    for width, height in FORCED_SIZES:
        # The geometry is read over the same connection, after the resize:
        # once it is answered the server has carried the resize out, so the
        # wait below cannot pass on the size from before.
        xdotool("windowsize", program.window, width, height,
                "getwindowgeometry", program.window)
        geometry = poll(f"the window back at {CLIENT_SIZE} after a resize to {width}x{height}",
                        lambda: ((g := window_geometry(program.window)) == held, g))
        expect(f"window after a forced resize to {width}x{height}", geometry, held)
    for control in CONTROLS:
        program.wait_in_place(control, f"{control.name} after the forced resizes")
    program.exit_by(BITBTN1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--clipboard-owner", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()

    started = time.monotonic()
    cases = [
        ("run-and-exit", lambda p: case_run_and_exit(p)),
        ("pasted-letters", lambda p: case_pasted_letters(p, args.clipboard_owner)),
        ("forced-resize", case_forced_resize),
        ("screen-reader", case_screen_reader),
    ]
    failed = []
    for name, case in cases:
        say(f"=== {name}")
        program = Program(args.program, args.work, name)
        try:
            case(program)
        except Exception as error:
            say(f"FAIL {name}: {error}")
            failed.append(name)
            program.describe()
        finally:
            program.stop()
    say(f"=== {len(cases) - len(failed)} of {len(cases)} cases passed "
        f"in {time.monotonic() - started:.1f} s")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
