#!/usr/bin/env python3
"""One working session with the real desktop program, driven like a person would drive it.

Starts its own X server (Xvfb) on a free display, runs kthread-pd from a fresh temporary program
folder with the per-user configuration in a temporary home, and uses only the keyboard and the
mouse (xdotool): it enters the worked example (external cylindrical thread over three wires,
pitch 1.5, one start, flanks 30 and 30, probe 0.866, size M 20), calculates with Enter, copies the
report and reads the clipboard (xclip), switches to inches and copies again, and leaves through
the Exit button. Then it checks that the settings file and the per-user store were written.

Expected texts come from the built-in language file and from the inputs; nothing is read out of
the program except what a user sees: the clipboard, the window and the files it leaves behind.
"""

import argparse
import contextlib
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WINDOW_NAME = "Kalvo Thread - PD"
MM_PER_INCH = 25.4

# The worked example, as typed.
PITCH = "1.5"
STARTS = "1"
FLANK_DEGREES = "30"
PROBE = "0.866"
SIZE_OVER = "20"
PITCH_DIAMETER = "18.70062"

# Focusable inputs of the form in Tab order, from the thread type to the given value (the
# probe-material selector is disabled for external threads and the taper fields are hidden).
TAB_ORDER = [
    "cbType", "edStapka", "edBrH", "edA1g", "edA1m", "edA1s", "edA2g", "edA2m", "edA2s",
    "edDiam", "cbThrMaterial", "edSigma", "edE", "cbIzm", "edIzmN", "cbVidVav", "edIzmSt",
]

# What to do in each field on the way through the form: keys for a selector, text for a field.
ENTRIES = {
    "cbType": ("key", "Home"),  # first item: external cylindrical thread
    "edStapka": ("type", PITCH),
    "edBrH": ("type", STARTS),
    "edA1g": ("type", FLANK_DEGREES),
    "edA1m": ("type", "0"),
    "edA1s": ("type", "0"),
    "edA2g": ("type", FLANK_DEGREES),
    "edA2m": ("type", "0"),
    "edA2s": ("type", "0"),
    "edDiam": ("type", PROBE),
    "cbIzm": ("key", "Home"),  # first method: three wires
    "edIzmN": ("type", "0"),
    "edIzmSt": ("type", SIZE_OVER),
}

# Tool bar buttons, left to right; the icons are this many pixels square.
TOOL_BUTTONS = ["btnCalc", "btnCopy", "btnLang", "btnMM", "btnExit", "btnInfo"]
TOOL_ICON_SIZE = 24


class Failure(Exception):
    """A check failed; the message says what was expected and what was seen."""


def die_with_parent():
    """Children get SIGKILL when this script dies, even by SIGKILL, so no X server outlives it."""
    libc = ctypes.CDLL(None, use_errno=True)
    pr_set_pdeathsig = 1
    libc.prctl(pr_set_pdeathsig, signal.SIGKILL)


def wait_until(what, timeout, probe, interval=0.2):
    """Polls probe() until it returns something truthy; fails naming `what` after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"{what}: nothing after {timeout:.0f} s")
        time.sleep(interval)


def read_language_texts(path):
    """Texts by number from a language file's [TEXT] section (values keep their blanks)."""
    with open(path, encoding="utf-8-sig") as file:
        lines = file.read().splitlines()
    texts, in_text = {}, False
    for line in lines:
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            in_text = stripped[1:-1].strip().upper() == "TEXT"
        elif in_text and "=" in line:
            number, text = line.split("=", 1)
            if number.strip().isdigit():
                texts[int(number)] = text
    return texts


def read_ini(path):
    """Sections and keys of a settings file, names in upper case (they compare without case)."""
    with open(path, "rb") as file:
        raw = file.read()
    if raw.startswith((b"\xff\xfe", b"\xfe\xff")):
        text = raw.decode("utf-16")
    else:
        text = raw.decode("utf-8-sig", errors="replace")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].strip().upper(), {})
        elif current is not None and "=" in line and not line.startswith((";", "#")):
            key, value = line.split("=", 1)
            current.setdefault(key.strip().upper(), value.strip())
    return sections


def round_half_even(value, decimals):
    scale = 10**decimals
    return round(value * scale) / scale


def general(value):
    """Shortest general form with up to 15 significant digits, as numeric fields show values."""
    return f"{value:.15g}"


class XSession:
    """Xvfb on a free display, plus the xdotool, xclip and import calls against it."""

    def __init__(self, folder):
        self.folder = folder
        self.server = None
        self.display = None

    def start(self, timeout):
        reader, writer = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(writer,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.folder, "xvfb.log"), "wb"),
            preexec_fn=die_with_parent)
        os.close(writer)
        # Xvfb picks the first free display number and writes it once it accepts clients.
        number = b""
        deadline = time.monotonic() + timeout
        while not number.endswith(b"\n"):
            left = deadline - time.monotonic()
            ready, _, _ = select.select([reader], [], [], max(left, 0))
            if not ready:
                raise Failure(f"Xvfb did not report a display within {timeout:.0f} s")
            chunk = os.read(reader, 16)
            if not chunk:
                raise Failure("Xvfb exited before it reported a display (see xvfb.log)")
            number += chunk
        os.close(reader)
        self.display = ":" + number.decode().strip()

    def env(self):
        env = {key: value for key, value in os.environ.items()
               if key not in ("WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER")}
        env["DISPLAY"] = self.display
        return env

    def run(self, *command, check=True, timeout=20):
        try:
            result = subprocess.run(command, env=self.env(), stdin=subprocess.DEVNULL,
                                    capture_output=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"{' '.join(command)} did not finish within {timeout} s") from None
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(command)} failed: {result.stderr.decode(errors='replace')}")
        return result

    def xdotool(self, *args):
        return self.run("xdotool", *args).stdout.decode().strip()

    def find_window(self):
        result = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{WINDOW_NAME}$",
                          check=False)
        ids = result.stdout.decode().split()
        return ids[0] if ids else None

    def window_geometry(self, window):
        """x, y, width, height of a window on the screen."""
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def clipboard(self):
        result = self.run("xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING",
                          check=False, timeout=10)
        return result.stdout.decode("utf-8") if result.returncode == 0 else None

    def screenshot(self, window, path):
        self.run("import", "-window", window, path, timeout=30)

    def window_pixels(self, window, row_count=120):
        """The top rows of the window's picture as (width, rows of (r, g, b))."""
        data = self.run("import", "-window", window, "-depth", "8", "ppm:-", timeout=30).stdout
        fields, position = [], 0
        while len(fields) < 4:  # P6, width, height, maximum, separated by whitespace
            while data[position:position + 1].isspace():
                position += 1
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        position += 1
        width, height = int(fields[1]), int(fields[2])
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise Failure("unexpected picture format from import")
        pixels = data[position:position + width * height * 3]
        rows = [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(min(height, row_count))]
        return width, rows

    def stop(self):
        if self.server and self.server.poll() is None:
            self.server.terminate()
            try:
                self.server.wait(5)
            except subprocess.TimeoutExpired:
                self.server.kill()
                self.server.wait()


FRAME_LINE = (94, 94, 94)


def client_top(width, rows):
    """The first pixel row inside the window's own frame, below its caption bar.

    The window draws its frame: a caption bar on top, then a dark line across the window. The
    middle of the caption bar is bare, so the first row below the top edge that is the frame
    line's colour in the middle is that line.
    """
    middle = width // 2
    for y in range(1, min(len(rows), 80)):
        if rows[y][middle] == FRAME_LINE:
            return y + 1
    raise Failure("no caption bar found at the top of the window")


def tool_button_centres(width, rows):
    """Centres of the tool bar's buttons, found from their icons in the window's picture.

    The tool bar is the first row inside the frame; its background is the colour near the right
    end of its pixel rows, inside the frame, where no button lies. The icons are the first things
    drawn below the top of the client area: the band of TOOL_ICON_SIZE rows from there holds one
    cluster of drawn columns per button, and a thin separator line that is left out.
    """
    inside = 8  # clear of the frame's strips and lines at either side
    background_x = width - inside

    def drawn(row, x):
        return sum(abs(a - b) for a, b in zip(row[x], row[background_x])) > 60

    left_half = range(inside, width // 2)
    start = client_top(width, rows)
    top = next((y for y in range(start, min(len(rows), start + 80))
                if any(drawn(rows[y], x) for x in left_half)), None)
    if top is None:
        raise Failure("no tool bar icons found at the top of the window")
    band = rows[top:top + TOOL_ICON_SIZE]
    columns = [x for x in left_half if any(drawn(row, x) for row in band)]
    clusters = []
    for x in columns:
        if clusters and x - clusters[-1][1] <= 4:
            clusters[-1][1] = x
        else:
            clusters.append([x, x])
    icons = [(first + last) // 2 for first, last in clusters if last - first >= 8]
    if len(icons) < len(TOOL_BUTTONS):
        raise Failure(f"expected {len(TOOL_BUTTONS)} tool bar icons, found {len(icons)}")
    y = top + TOOL_ICON_SIZE // 2
    return {name: (x, y) for name, x in zip(TOOL_BUTTONS, icons)}


class ReportCheck:
    """Compares the clipboard report with what the window must show, line by line."""

    def __init__(self, texts):
        self.texts = texts
        self.problems = []

    def text(self, number):
        # The built-in table lacks some numbers; those captions and items are empty.
        return self.texts.get(number, "")

    def split(self, report):
        if not report.endswith("\r\n"):
            self.problems.append("the report does not end with CR LF")
        lines = report.split("\r\n")[:-1] if report.endswith("\r\n") else report.split("\r\n")
        if len(lines) < 18:
            raise Failure(f"expected 18 report lines, got {len(lines)}:\n{report!r}")
        # After a calculation the uncertainty budget follows: U with k, then one line per input.
        if len(lines) > 18 and "(k = " not in lines[18]:
            self.problems.append(f"line 19 is not the expanded uncertainty: {lines[18]!r}")
        parts = []
        for number, line in enumerate(lines, 1):
            label, separator, value = line.partition(": \t")
            if not separator:
                raise Failure(f"line {number} has no ': <tab>' after its label: {line!r}")
            parts.append((label, value))
        return parts

    def label(self, parts, number, expected, whole=False):
        label = parts[number - 1][0]
        if (label != expected) if whole else not label.startswith(expected):
            self.problems.append(f"line {number}: label {label!r}, expected "
                                 f"{'' if whole else 'to start with '}{expected!r}")

    def value(self, parts, number, expected):
        value = parts[number - 1][1]
        if value != expected:
            self.problems.append(f"line {number}: value {value!r}, expected {expected!r}")

    def number(self, parts, number, suffix, expected, tolerance):
        """A value read as a number, with its unit suffix; returns the number it shows."""
        value = parts[number - 1][1]
        if not value.endswith(suffix):
            self.problems.append(f"line {number}: {value!r} does not end with {suffix!r}")
            return None
        try:
            shown = float(value[:len(value) - len(suffix)])
        except ValueError:
            self.problems.append(f"line {number}: {value!r} is not a number and {suffix!r}")
            return None
        if abs(shown - expected) > tolerance:
            self.problems.append(f"line {number}: {shown} is not within {tolerance} of "
                                 f"{expected}")
        return shown

    def labels(self, parts, letter):
        t = self.text
        self.label(parts, 1, t(5))
        self.label(parts, 2, t(4))
        self.label(parts, 3, t(6))
        self.label(parts, 4, t(3))
        self.label(parts, 5, t(23))
        self.label(parts, 6, t(23))
        self.label(parts, 7, t(24))
        self.label(parts, 8, t(25))
        self.label(parts, 9, t(17))
        self.label(parts, 10, t(39))
        self.label(parts, 12, "E", whole=True)
        self.label(parts, 13, t(20))
        self.label(parts, 14, t(28))
        self.label(parts, 15, f"{t(29)} (M)", whole=True)
        self.label(parts, 16, f"{t(30)} ({letter}2)", whole=True)
        self.label(parts, 17, f"{t(29)} (m)", whole=True)
        self.label(parts, 18, t(13))

    def unit_free_values(self, parts):
        t = self.text
        angle = f"{FLANK_DEGREES}° 0' 0\""
        self.value(parts, 1, t(1))
        self.value(parts, 3, STARTS)
        self.value(parts, 5, angle)
        self.value(parts, 6, angle)
        self.value(parts, 9, t(74))  # steel, the only probe material of external threads
        self.value(parts, 10, t(74))  # the thread material shown at start
        self.value(parts, 11, "0.3")
        self.value(parts, 12, "250")
        self.value(parts, 13, t(34))
        self.value(parts, 14, "0 N")

    def millimetres(self, report):
        parts = self.split(report)
        self.labels(parts, "d")
        self.unit_free_values(parts)
        pitch, probe, size_over = float(PITCH), float(PROBE), float(SIZE_OVER)
        self.value(parts, 2, f"{PITCH} mm")
        self.number(parts, 4, " mm", pitch * int(STARTS), 0.5e-5)
        # Equal 30° flanks: the best wire touches the flanks at the pitch line, P / (2 cos 30°).
        self.number(parts, 7, " mm", pitch / 3**0.5, 0.5e-5)
        self.value(parts, 8, f"{PROBE} mm")
        self.value(parts, 15, f"{SIZE_OVER} mm")
        self.value(parts, 16, f"{PITCH_DIAMETER} mm")
        # Without a measuring force the sizes differ by exactly one probe diameter.
        self.value(parts, 17, f"{size_over - probe:.5f} mm")
        self.value(parts, 18, f"{0:.5f} mm")
        return parts

    def inches(self, report, millimetre_parts):
        parts = self.split(report)
        self.labels(parts, "d")
        self.unit_free_values(parts)
        # Fields show the millimetre value / 25.4 rounded to 5 decimals.
        for number, typed in ((2, PITCH), (8, PROBE), (15, SIZE_OVER)):
            self.value(parts, number, general(round_half_even(float(typed) / MM_PER_INCH, 5))
                       + " in")
        # Derived values and results: the millimetre value shown before, in inches, to the
        # decimals each display has.
        for number, decimals in ((4, 5), (7, 5), (16, 6), (17, 6), (18, 6)):
            shown_mm = float(millimetre_parts[number - 1][1].removesuffix(" mm"))
            self.number(parts, number, " in", shown_mm / MM_PER_INCH,
                        0.5 * 10**-decimals + 0.5e-5 / MM_PER_INCH + 1e-12)
        for number in (16, 17, 18):
            value = parts[number - 1][1].removesuffix(" in")
            if len(value.partition(".")[2]) != 6:
                self.problems.append(f"line {number}: {value!r} does not have 6 decimals")

    def verdict(self, what, report):
        if self.problems:
            raise Failure(f"{what} report is wrong:\n  " + "\n  ".join(self.problems)
                          + f"\nreport as read from the clipboard:\n{report!r}")


class ProgramSession:
    """The program in its temporary folders, and the person at the keyboard."""

    def __init__(self, args, work):
        self.args = args
        self.work = work
        self.x = XSession(work)
        self.program = None
        self.window = None
        self.program_folder = os.path.join(work, "program")
        self.home = os.path.join(work, "home")
        self.config = os.path.join(work, "home", "config")
        self.log_path = os.path.join(args.log_dir, "e2e-program.log")

    def start(self):
        os.makedirs(self.program_folder)
        os.makedirs(self.config)
        runtime = os.path.join(self.work, "runtime")
        os.makedirs(runtime, mode=0o700)
        # A copy, so kthread.ini lands in a folder of its own and nothing else is beside it.
        self.executable = shutil.copy2(self.args.program, self.program_folder)
        self.x.start(self.args.timeout)
        self.launch()

    def launch(self):
        runtime = os.path.join(self.work, "runtime")
        env = self.x.env()
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_CACHE_HOME": os.path.join(self.home, "cache"),
            "XDG_RUNTIME_DIR": runtime,
            "QT_QPA_PLATFORM": "xcb",
            "LC_ALL": "C.UTF-8",
            "LANG": "C.UTF-8",
            "LANGUAGE": "",
        })
        self.program = subprocess.Popen(
            [self.executable], cwd=self.work, env=env, stdin=subprocess.DEVNULL,
            stdout=open(self.log_path, "ab"), stderr=subprocess.STDOUT,
            preexec_fn=die_with_parent)

        def window_or_exit():
            if self.program.poll() is not None:
                raise Failure(f"kthread-pd exited with {self.program.returncode} before its "
                              f"window appeared; its output:\n{self.program_output()}")
            return self.x.find_window()

        self.window = wait_until(f"the window \"{WINDOW_NAME}\" did not appear",
                                 self.args.timeout, window_or_exit)
        # Without a window manager the window takes the keyboard only when told to.
        self.x.xdotool("windowfocus", "--sync", self.window)
        self.x.xdotool("mousemove", "--window", self.window, "10", "10")

    def program_output(self):
        with open(self.log_path, "rb") as file:
            return file.read().decode(errors="replace")[-4000:]

    def key(self, *keys):
        self.x.xdotool("key", "--delay", "40", *keys)

    def type(self, text):
        self.x.xdotool("type", "--delay", "40", text)

    def enter_worked_example(self):
        # The given value has the focus when the window opens; walk back to the thread type.
        self.key(*["shift+Tab"] * (len(TAB_ORDER) - 1))
        for position, name in enumerate(TAB_ORDER):
            if position > 0:
                self.key("Tab")
            kind, entry = ENTRIES.get(name, (None, None))
            if kind == "key":
                self.key(entry)
            elif kind == "type":
                self.type(entry)
        self.key("Return")

    def click_tool(self, name):
        width, rows = self.x.window_pixels(self.window)
        x, y = tool_button_centres(width, rows)[name]
        self.x.xdotool("mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def copy_report(self, previous):
        self.click_tool("btnCopy")
        return wait_until("the clipboard received no new report after Copy", self.args.timeout,
                          lambda: (text := self.x.clipboard()) and text != previous and text)

    def exit_through_button(self):
        geometry = self.x.window_geometry(self.window)
        self.click_tool("btnExit")
        try:
            code = self.program.wait(self.args.timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {self.args.timeout:.0f} s of Exit")
        if code != 0:
            raise Failure(f"the program ended with {code}; its output:\n{self.program_output()}")
        return geometry

    def terminate(self):
        """Ends the program as a session does, with SIGTERM."""
        self.program.send_signal(signal.SIGTERM)
        try:
            code = self.program.wait(self.args.timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {self.args.timeout:.0f} s of SIGTERM")
        if code != 0:
            raise Failure(f"SIGTERM ended the program with {code} instead of an orderly quit; "
                          f"its output:\n{self.program_output()}")

    def stop(self):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.x.stop()


def check_files_written(session, geometry):
    problems = []
    settings_path = os.path.join(session.program_folder, "kthread.ini")
    if not os.path.isfile(settings_path):
        raise Failure("kthread.ini was not written beside the program")
    settings = read_ini(settings_path).get("SETTINGS", {})
    expected_bounds = dict(zip(("FORMLEFT", "FORMTOP", "FORMWIDTH", "FORMHEIGHT"), geometry))
    for key, value in expected_bounds.items():
        if settings.get(key) != str(value):
            problems.append(f"kthread.ini [SETTINGS] {key}={settings.get(key)}, the window "
                            f"was at {value}")
    if settings.get("FORMSTATE") != "0":
        problems.append(f"kthread.ini [SETTINGS] FormState={settings.get('FORMSTATE')}, "
                        "expected 0 (normal)")

    store_path = os.path.join(session.config, "Brellmont", "VuvozeVI.conf")
    if not os.path.isfile(store_path):
        raise Failure(f"the per-user store was not written (no {store_path})")
    store = read_ini(store_path).get("DEFAULT", {})
    # External cylindrical thread (type 1), steel, three wires, size M given, left in inches.
    expected_store = {"VID": "1", "MAT": "0", "IZM": "0", "ST": "1", "MM_IN": "1"}
    for key, value in expected_store.items():
        if store.get(key) != value:
            problems.append(f"per-user store {key}={store.get(key)}, expected {value}")
    if "LANG" not in store:
        problems.append("per-user store has no Lang value")
    if problems:
        raise Failure("files written at close are wrong:\n  " + "\n  ".join(problems))


def run(args):
    texts = read_language_texts(args.texts)
    for tool in ("Xvfb", "xdotool", "xclip", "import"):
        if shutil.which(tool) is None:
            raise Failure(f"{tool} is missing; scripts/setup installs it")
    with tempfile.TemporaryDirectory(prefix="kthread-e2e-") as work:
        session = ProgramSession(args, work)
        try:
            session.start()
            session.enter_worked_example()
            millimetre_report = session.copy_report(previous=None)
            session.x.screenshot(session.window, args.shot)
            check = ReportCheck(texts)
            millimetre_parts = check.millimetres(millimetre_report)
            check.verdict("millimetre", millimetre_report)

            session.click_tool("btnMM")
            inch_report = session.copy_report(previous=millimetre_report)
            check = ReportCheck(texts)
            check.inches(inch_report, millimetre_parts)
            check.verdict("inch", inch_report)

            geometry = session.exit_through_button()
            check_files_written(session, geometry)

            # A second run, ended by the session with SIGTERM, writes what a close writes.
            session.launch()
            session.click_tool("btnMM")
            session.copy_report(previous=inch_report)  # the switch back to mm has happened
            session.terminate()
            store = read_ini(os.path.join(session.config, "Brellmont", "VuvozeVI.conf"))
            if store.get("DEFAULT", {}).get("MM_IN") != "0":
                raise Failure("after SIGTERM the per-user store still holds mm_in="
                              f"{store.get('DEFAULT', {}).get('MM_IN')}: the close did not run")
        except Failure:
            if session.window and session.x.server and session.x.server.poll() is None:
                with contextlib.suppress(Exception):
                    session.x.screenshot(session.window, args.shot)
            raise
        finally:
            session.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the kthread-pd executable")
    parser.add_argument("--texts", required=True, help="the built-in language file")
    parser.add_argument("--shot", required=True, help="where to save the window's picture")
    parser.add_argument("--log-dir", required=True, help="where to keep the program's output")
    parser.add_argument("--timeout", type=float, default=30,
                        help="seconds to wait for each step (window, clipboard, exit)")
    args = parser.parse_args()
    # ctest stops a test with SIGTERM first: turn it into a normal exit so the cleanup runs.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped from outside"))
    try:
        run(args)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"passed; window picture in {args.shot}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
