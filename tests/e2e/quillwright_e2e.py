#!/usr/bin/env python3
"""End-to-end journeys: the real build/bin/quillwright in an X server of its
own (Xvfb), driven with real key presses and mouse clicks through xdotool,
checked through the files it writes and screenshots.

Usage: quillwright_e2e.py BINARY [JOURNEY...]
Screenshots go to $E2E_SCREENSHOTS (the docs/screenshots folder when set by
the test script). Every wait is bounded; a journey that cannot get an X
server fails."""

import json
import os
import shutil
import signal
import re
import subprocess
import sys
import tempfile
import time

BINARY = os.path.abspath(sys.argv[1])
# "Quillwright" and the version number: the program says it, with no display.
VERSION = subprocess.run([BINARY, "--version"], capture_output=True, text=True, timeout=30,
                         env={k: v for k, v in os.environ.items() if k != "DISPLAY"}).stdout.strip()
SCREENSHOTS = os.environ.get("E2E_SCREENSHOTS", "")
DASHES = "-" * 42
# The main window's title gains " - [child]" while a child window is maximised.
MAIN = "Quillwright( - .*)?"


class Failure(Exception):
    pass


def run(*args, check=True, env=None):
    r = subprocess.run(args, capture_output=True, text=True, env=env, timeout=60)
    if check and r.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {r.stderr.strip()}")
    return r.stdout.strip()


class Display:
    """An Xvfb server on a display number that Xvfb picks itself. It must not
    reset when its last client leaves: a program connecting during the reset
    is turned away."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x900x24", "-nolisten", "tcp",
             "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.time() + 20
        while time.time() < deadline and not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            raise Failure("Xvfb did not start")
        self.name = ":" + number.decode().strip()
        if subprocess.run(["xdpyinfo", "-display", self.name], capture_output=True).returncode != 0:
            raise Failure(f"Xvfb on {self.name} does not answer")

    def close(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


class Session:
    """One run of the program with its own home folder and settings."""

    def __init__(self, display, home, args=(), lang=None, extra_env=None, placement=None):
        self.display = display
        self.home = home
        self.state = os.path.join(home, "state.json")
        env = dict(os.environ)
        env.update({
            "DISPLAY": display.name, "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "QUILLWRIGHT_STATE_FILE": self.state, "QT_QPA_PLATFORM": "xcb",
            "QTWEBENGINE_DISABLE_SANDBOX": "1", "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu --no-sandbox",
            "LIBGL_ALWAYS_SOFTWARE": "1",
        })
        env.pop("QT_LOGGING_RULES", None)
        if "ASAN_OPTIONS" in env:
            # Chromium inside Qt WebEngine frees with a sized delete of another type.
            env["ASAN_OPTIONS"] += ":new_delete_type_mismatch=0"
        env.update(extra_env or {})
        if lang:
            env.update({"LANG": lang, "LANGUAGE": lang.split(".")[0], "LC_ALL": lang})
        self.env = env
        if placement:
            folder = os.path.join(home, ".config", "Quillwright")
            os.makedirs(folder, exist_ok=True)
            with open(os.path.join(folder, "Quillwright.ini"), "w") as f:
                f.write("[Settings]\nMainLeft=0\nMainTop=0\nMainWidth=%d\nMainHeight=%d\n" % placement)
        # Every start in this home writes to the one log, which is read for
        # sanitizer reports once the journey is over.
        self.log = open(os.path.join(home, "program.log"), "a")
        self.proc = subprocess.Popen([BINARY, *args], env=env, stdout=self.log, stderr=self.log)

    def x(self, *args, check=True):
        return run("xdotool", *args, check=check, env=self.env)

    def window(self, name, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            ids = self.x("search", "--onlyvisible", "--name", f"^{name}$", check=False).split()
            if ids:
                return ids[-1]
            if self.proc.poll() is not None:
                raise Failure(f"the program ended while waiting for {name!r}")
            time.sleep(0.1)
        raise Failure(f"no window named {name!r} appeared")

    def gone(self, name, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not self.x("search", "--onlyvisible", "--name", f"^{name}$", check=False).split():
                return
            time.sleep(0.1)
        raise Failure(f"window {name!r} did not close")

    def focus(self, wid):
        self.x("windowactivate", "--sync", wid, check=False)
        self.x("windowfocus", "--sync", wid, check=False)
        time.sleep(0.2)

    def keys(self, *keys, pause=0.15):
        for k in keys:
            self.x("key", "--clearmodifiers", k)
            time.sleep(pause)

    def type(self, text):
        for i, line in enumerate(text.split("\n")):
            if i:
                self.keys("Return")
            if line:
                self.x("type", "--delay", "15", line)
        time.sleep(0.2)

    def click(self, wid, x, y):
        self.x("mousemove", "--window", wid, str(x), str(y))
        self.x("click", "1")
        time.sleep(0.2)

    def screenshot(self, name, wid=None):
        """The whole screen, or the part a window covers."""
        if not SCREENSHOTS:
            return
        os.makedirs(SCREENSHOTS, exist_ok=True)
        path = os.path.join(SCREENSHOTS, name + ".png")
        time.sleep(0.4)  # let the last key's repaint land
        crop = []
        if wid:
            # Look the window up again: a window can get a new id when a
            # native child (the browser view) joins it.
            wid = self.window(wid)
            geo = dict(line.split("=") for line in
                       self.x("getwindowgeometry", "--shell", wid).splitlines() if "=" in line)
            crop = ["-crop", f"{geo['WIDTH']}x{geo['HEIGHT']}+{geo['X']}+{geo['Y']}", "+repage"]
        try:
            run("import", "-display", self.display.name, "-window", "root", *crop, path, env=self.env)
        except (Failure, subprocess.TimeoutExpired) as e:
            print(f"note: no screenshot {name}: {e}")

    def quit(self, answers=()):
        """File, Exit; answers the save questions in order, then waits."""
        main = self.window(MAIN)
        self.focus(main)
        self.keys("alt+f", "x")
        for answer in answers:
            self.window("Save changes")
            self.keys(answer)
        try:
            code = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after File, Exit")
        if code != 0:
            raise Failure(f"the program ended with exit code {code}")
        with open(self.state) as f:
            return json.load(f)

    def startup_state(self, timeout=20):
        """The report the program writes once its main window shows."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                with open(self.state) as f:
                    state = json.load(f)
                if "undoButton" in state:
                    return state
            except (OSError, ValueError):
                pass
            time.sleep(0.1)
        raise Failure("the program wrote no start-up report")

    def report(self, timeout=10):
        """The report the program rewrites every half second."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                with open(self.state) as f:
                    return json.load(f)
            except (OSError, ValueError):
                time.sleep(0.1)
        raise Failure("the program wrote no report")

    def fresh_report(self):
        """A report written after now."""
        time.sleep(1.1)
        return self.report()

    def active_document(self):
        docs = [d for d in self.fresh_report()["documents"] if d.get("active")]
        expect(docs, "no document is active")
        return docs[0]

    def open_file(self, path, unsaved_answer=None):
        """File, Open through the real file dialog."""
        self.keys("ctrl+o")
        if unsaved_answer:
            self.window("Save changes")
            self.keys(unsaved_answer)
        dialog = self.window("Open")
        self.focus(dialog)
        self.keys("ctrl+a")
        self.type(path)
        self.keys("Return")
        self.gone("Open")

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


class AccessibilityBus:
    """A session bus and an accessibility bus of the journey's own, and a
    listener that writes down what a screen reader would hear (AT-SPI, as
    Orca listens to it). The program joins it through session_env()."""

    PYTHON = "/usr/bin/python3"  # the system's, which has the GObject bindings
    HELPER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_bus.py")
    LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

    def __init__(self, display, home):
        check = subprocess.run([self.PYTHON, "-c", "import gi; gi.require_version('Atspi', '2.0')"],
                               capture_output=True)
        if check.returncode != 0 or not os.path.exists(self.LAUNCHER):
            raise Failure("the accessibility bus cannot be listened to (scripts/deps.sh installs "
                          "at-spi2-core, python3-gi and gir1.2-atspi-2.0)")
        self.env = {**os.environ, "DISPLAY": display.name, "HOME": home}
        address, pid = run("dbus-daemon", "--session", "--fork", "--print-address=1",
                           "--print-pid=1", env=self.env).split()
        self.daemon = int(pid)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.launcher = subprocess.Popen([self.LAUNCHER, "--launch-immediately"], env=self.env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                         start_new_session=True)
        self.path = os.path.join(home, "atspi-events.jsonl")
        self.listener = subprocess.Popen([self.PYTHON, self.HELPER, "listen", self.path],
                                         env=self.env, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
        deadline = time.time() + 15
        while not (os.path.exists(self.path) and '"ready"' in open(self.path).read()):
            if time.time() > deadline or self.listener.poll() is not None:
                self.close()
                raise Failure("no listener on the accessibility bus")
            time.sleep(0.1)

    def session_env(self):
        return {"DBUS_SESSION_BUS_ADDRESS": self.env["DBUS_SESSION_BUS_ADDRESS"],
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}

    def events(self, since=0.0):
        heard = []
        for line in open(self.path):
            try:
                e = json.loads(line)
            except ValueError:
                continue  # a line being written
            if e.get("time", 0) >= since:
                heard.append(e)
        return heard

    def heard(self, since, what, test, timeout=10):
        """The first event since `since` that passes `test`, waited for."""
        deadline = time.time() + timeout
        while True:
            found = [e for e in self.events(since) if test(e)]
            if found:
                return found[0]
            if time.time() > deadline:
                told = [f"{e['type']} {e['role']} {e['name']!r} {e['description']!r}"
                        for e in self.events(since)][-12:]
                raise Failure(f"a screen reader did not hear {what}; it heard: {told}")
            time.sleep(0.2)

    def announced(self, since, pattern, timeout=10):
        """An alert that showed with words matching `pattern`: what screen
        readers speak wherever the focus is."""
        return self.heard(since, f"an alert saying {pattern!r}",
                          lambda e: e["type"] == "object:state-changed:showing" and e["detail"] == 1
                          and e["role"] == "alert" and re.search(pattern, e["name"]), timeout)

    def tree(self):
        path = os.path.join(os.path.dirname(self.path), "atspi-tree.json")
        subprocess.run([self.PYTHON, self.HELPER, "tree", path], env=self.env, timeout=120,
                       capture_output=True)
        with open(path) as f:
            return json.load(f)

    def close(self):
        for proc in (self.listener,):
            proc.terminate()
            proc.wait(timeout=10)
        try:
            os.killpg(self.launcher.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        self.launcher.wait(timeout=10)
        try:
            os.kill(self.daemon, signal.SIGTERM)
        except ProcessLookupError:
            pass


# What a user acts on: each must have a name a screen reader can say.
ACTIONABLE = {"push button", "toggle button", "check box", "radio button", "menu item", "text",
              "password text", "combo box", "spin button", "tree", "tree table", "list", "table",
              "page tab", "page tab list", "slider", "tool bar"}


def settings(home, app="Quillwright"):
    path = os.path.join(home, ".config", "Quillwright", app + ".ini")
    values = {}
    if os.path.exists(path):
        for line in open(path):
            if "=" in line:
                k, v = line.strip().split("=", 1)
                values[k] = v
    return values


SANITIZER_REPORT = re.compile(r"^(.*runtime error: .*|==\d+==(ERROR|WARNING): \w+Sanitizer.*)$", re.M)


def sanitizer_reports(home):
    """What the sanitizers said in a journey (a sanitized build): a program
    that was killed at its end, or one whose report did not stop it, fails
    the journey as surely as one that stopped."""
    log = os.path.join(home, "program.log")
    if not os.path.exists(log):
        return []
    with open(log, errors="replace") as f:
        return [m.group(1) for m in SANITIZER_REPORT.finditer(f.read())]


def wait_for_message(s, what, timeout=20):
    """A message box is a second window titled as the main window."""
    deadline = time.time() + timeout
    while len(s.x("search", "--onlyvisible", "--name", "^Quillwright$", check=False).split()) < 2:
        expect(time.time() < deadline, f"no {what} appeared")
        time.sleep(0.2)


def close_tip(s, title="Tip of the Day"):
    tip = s.window(title)
    s.focus(tip)
    s.keys("Return")
    s.gone(title)


def expect(cond, message):
    if not cond:
        raise Failure(message)


# The journeys ---------------------------------------------------------------

def journey_first_start(display, home):
    s = Session(display, home)
    try:
        tip = s.window("Tip of the Day")
        s.screenshot("tip-of-the-day")
        s.focus(tip)
        s.keys("Return")
        main = s.window(MAIN)
        s.screenshot("first-start")
        state = s.quit()
    finally:
        s.kill()
    docs = state["documents"]
    expect(len(docs) == 1 and docs[0]["caption"] == "Document 1", f"unexpected documents {docs}")
    expect(docs[0]["text"].startswith("#" * 65 + "\r\n## Mod Title: \r\n"), "Document 1 lacks the template")
    expect(docs[0]["actions"] == [], "a new template has no actions")
    ini = settings(home)
    for key in ("MainLeft", "MainTop", "MainWidth", "MainHeight"):
        expect(key in ini, f"{key} was not stored at exit")
    expect(ini.get("Repair") == "YES", "Repair=YES was not stored")


def journey_write_script(display, home):
    target = os.path.join(home, "my first.mod")
    s = Session(display, home, placement=(15000, 12000))
    try:
        close_tip(s)
        main = s.window(MAIN)
        s.focus(main)
        # File, Properties: focus starts on OK; Tab walks Cancel, Apply, then the boxes.
        s.keys("alt+f", "i")
        props = s.window("Properties")
        s.focus(props)
        s.keys("Tab", "Tab", "Tab")
        s.type("Quick Reply Box")
        s.keys("Tab", "ctrl+a")
        s.type("1.2.3")
        s.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Tab")  # author, description, level, time, notes, "..."
        s.keys("space")
        author = s.window("Author Details")
        s.focus(author)
        s.keys("Tab", "Tab")  # OK, Cancel, then the fields
        s.type("Ann Example")
        s.keys("Tab")
        s.type("ann@example.org")
        s.keys("Tab")
        s.type("ann")
        s.keys("Tab")
        s.type("http://example.org")
        s.keys("Return")
        s.gone("Author Details")
        s.focus(props)
        s.screenshot("header-dialog", "Properties")
        # Back to the description: notes, time, level, description.
        s.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
        s.type("Adds a quick reply box")
        s.keys("Tab", "Tab", "Tab", "Tab", "Tab")  # level, time, notes, author "...", level "..."
        s.keys("space", "Down")  # easy -> moderate
        s.keys("Tab")            # leaving the choice puts it into the level
        s.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")  # to the time
        s.keys("ctrl+a")
        s.type("5 minutes")
        s.keys("Tab")
        s.type("first note\nsecond note")
        s.keys("Tab", "Tab", "Tab")  # the two "..." buttons, then OK (the hidden level choice is passed over)
        s.keys("space")
        s.gone("Properties")

        # The action builder: OPEN from the list, FIND with two lines, AFTER, ADD, and the end.
        s.focus(main)
        s.keys("ctrl+shift+a")
        builder = s.window("action builder")
        s.focus(builder)
        # The list makes OPEN current on focus without choosing it: Space chooses it.
        s.keys("Home", "space")   # OPEN
        s.keys("Tab", "Right")     # the LIST tab
        s.keys("Tab")
        s.type("viewtopic")
        s.keys("Tab", "Tab", "space")  # empty box, Add
        s.screenshot("action-builder", "action builder")

        def add(back_to_list, keyword_steps, text):
            s.focus(builder)
            s.keys(*(["shift+Tab"] * back_to_list))
            s.keys("Home", *(["Down"] * keyword_steps))
            s.keys("Tab")
            s.keys("ctrl+a")
            s.type(text)
            s.keys("Tab", "Tab", "space")

        # From "Add" back to the keyword list: the file list and the tabs show after OPEN.
        add(4, 1, "$template->assign_vars(array(\n'L_INDEX' => $lang['Index'],")
        add(3, 2, "'L_QUICK_REPLY' => $lang['Quick_reply'],")
        s.focus(builder)
        s.keys("shift+Tab", "shift+Tab", "shift+Tab")
        s.keys("End")  # SAVE/CLOSE ALL FILES
        s.keys("Tab", "Tab", "Tab", "space")  # past the locked text and "empty box" to "Add"
        s.focus(main)

        # Save As with a path holding blanks.
        s.keys("alt+f", "a")
        dialog = s.window("Save As")
        s.focus(dialog)
        s.keys("ctrl+a")
        s.type(target)
        s.keys("Return")
        deadline = time.time() + 10
        while not os.path.exists(target) and time.time() < deadline:
            time.sleep(0.1)
        state = s.quit()
    finally:
        s.kill()
    data = open(target, "rb").read()
    text = data.decode("cp1252")
    expect(b"\r\n" in data and data.count(b"\n") == data.count(b"\r\n"), "line ends are not CR LF")
    expect("## Mod Title: Quick Reply Box\r\n" in text, "title missing")
    expect("## Mod Version: 1.2.3\r\n" in text, "version missing")
    expect("## Author: ann < ann@example.org > (Ann Example) http://example.org\r\n" in text, "author missing:\n" + text[:900])
    expect("## Description: Adds a quick reply box\r\n" in text, "description missing")
    expect("## Installation Level: moderate\r\n" in text, "level missing")
    expect("## Installation Time: 5 minutes\r\n" in text, "time missing")
    expect("## Author Note: first note\r\n## second note\r\n" in text, "notes missing")
    expect(f"## Generator: {VERSION}\r\n" in text, "generator line missing")
    expected_tail = (
        "#\r\n#-----[ OPEN ]" + DASHES + "\r\n#\r\nviewtopic.php\r\n"
        "#\r\n#-----[ FIND ]" + DASHES + "\r\n#\r\n$template->assign_vars(array(\r\n'L_INDEX' => $lang['Index'],\r\n"
        "#\r\n#-----[ AFTER, ADD ]" + DASHES + "\r\n#\r\n'L_QUICK_REPLY' => $lang['Quick_reply'],\r\n"
        "#\r\n#-----[ SAVE/CLOSE ALL FILES ]" + DASHES + "\r\n#\r\n# EoM\r\n")
    expect(text.endswith(expected_tail), "the action blocks are not as built:\n" + text[-600:])
    expect(state["documents"][0]["actions"] == ["OPEN", "FIND", "AFTER, ADD", "SAVE/CLOSE ALL FILES"],
           f"outline: {state['documents'][0]['actions']}")
    return target


def journey_reopen_and_undo(display, home, script):
    s = Session(display, home, args=[f'"{script}"'], placement=(15000, 12000))
    try:
        close_tip(s)
        main = s.window(MAIN)
        s.focus(main)
        start = s.startup_state()
        undo = start["undoButton"]
        # A double-click on the document's title bar fills the window with it.
        doc = start["children"][0]
        run("xdotool", "mousemove", str(doc["globalX"] + doc["width"] // 2), str(doc["globalY"] + 8), env=s.env)
        run("xdotool", "click", "--repeat", "2", "--delay", "80", "1", env=s.env)
        time.sleep(0.6)
        # The outline's Actions starts collapsed: opened for the picture.
        s.keys("F6", "Home", "Down", "Down", "Right", "shift+F6")
        time.sleep(0.3)
        s.screenshot("main-window", MAIN)
        run("xdotool", "mousemove", str(doc["globalX"] + 80), str(doc["globalY"] + 160), env=s.env)
        run("xdotool", "click", "1", env=s.env)
        # Three pauses, each long enough for a snapshot of the longer text.
        for word in ("one ", "two ", "three "):
            s.keys("ctrl+End")
            s.type(word * 20)
            time.sleep(1.3)
        # The arrow of the undo button opens its levels; the second undoes two.
        run("xdotool", "mousemove", str(undo["x"] + undo["width"] - 4), str(undo["y"] + undo["height"] // 2),
            env=s.env)
        run("xdotool", "click", "1", env=s.env)
        time.sleep(0.5)
        s.screenshot("undo-levels")
        s.keys("Down", "Down", "Return")
        time.sleep(0.5)
        s.focus(main)
        s.keys("ctrl+End")
        s.type("kept ")
        state = s.quit(answers=("y",))
    finally:
        s.kill()
    expect(state["documents"][0]["caption"] == script, f"caption {state['documents'][0]['caption']!r}")
    text = open(script, "rb").read().decode("cp1252")
    expect("one " * 20 in text, "the first edit was lost")
    expect("two " * 20 not in text and "three " * 20 not in text, "the undone edits came back")
    expect(text.endswith("kept "), "the last edit was not saved")


def journey_french(display, home):
    s = Session(display, home, lang="fr_FR.UTF-8", placement=(12000, 8000))
    try:
        close_tip(s, "Astuce du jour")
        main = s.window(MAIN)
        s.focus(main)
        s.keys("alt+f")
        time.sleep(0.3)
        s.screenshot("french-menus", MAIN)
        s.keys("Escape")
        state = s.quit_french()
    finally:
        s.kill()
    expect(state["menus"] == ["&Fichier", "&Editer", "Affichage", "Outils", "Fenêtres", "Aide"],
           f"menus {state['menus']}")


def journey_windows_options_browser(display, home):
    page = os.path.join(home, "page.html")
    with open(page, "w") as f:
        f.write("<html><head><title>Local Page</title></head><body>MOD help</body></html>")
    s = Session(display, home, extra_env={"QUILLWRIGHT_WEB_START": "file://" + page},
                placement=(15000, 12000))
    try:
        close_tip(s)
        main = s.window(MAIN)
        s.focus(main)
        s.keys("alt+w", "n")  # Window, New Window
        s.keys("alt+w", "v")  # Tile Vertical
        s.keys("alt+t", "o")  # Tools, Options
        options = s.window("Options")
        s.focus(options)
        s.keys("ctrl+a")  # the font box has the focus
        s.type("DejaVu Sans Mono")
        s.keys("alt+a")  # &Apply
        s.keys("Escape")
        s.gone("Options")
        s.focus(main)
        s.keys("alt+v", "w")  # View, Web Browser: a child window, so the report tells its title
        time.sleep(8)
        s.screenshot("browser", MAIN)
        state = s.quit()
    finally:
        s.kill()
    children = [c for c in state["children"] if c["title"].startswith("Document")]
    expect(len(children) == 2, f"children {children}")
    a, b = children
    expect(a["y"] == b["y"] and abs((a["x"] + a["width"]) - b["x"]) <= 1, f"not side by side: {children}")
    fonts = [d["font"] for d in state["documents"]]
    expect("DejaVu Sans Mono" in fonts, f"fonts {fonts}")
    expect(settings(home).get("font") == "DejaVu Sans Mono", "the font was not stored")
    expect(any(c["title"] == "Local Page" for c in state["children"]),
           f"the browser window did not show the local page: {state['children']}")


def quit_french(self):
    main = self.window(MAIN)
    self.focus(main)
    self.keys("alt+f", "q")  # &Quitter
    if self.proc.wait(timeout=20) != 0:
        raise Failure("the program did not end cleanly")
    with open(self.state) as f:
        return json.load(f)


Session.quit_french = quit_french

def write_cp1252(path, text):
    with open(path, "wb") as f:
        f.write(text.encode("cp1252"))


def answer_recovery(s):
    """Answers the recovery question at start-up with Return (Recover); the script has the focus."""
    # The question is a second window titled as the main window.
    wait_for_message(s, "recovery question")
    time.sleep(0.5)
    s.keys("Return")  # Recover
    close_tip(s)
    s.focus(s.window(MAIN))


def recover_and_save(display, home):
    """Starts the program, answers its recovery question with Return (Recover) and saves."""
    s = Session(display, home, placement=(15000, 12000))
    try:
        answer_recovery(s)
        s.keys("ctrl+s")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()


def journey_crash_recovery(display, home):
    """Typed text survives SIGKILL: the next start offers it back and Save writes it."""
    script = os.path.join(home, "crash.mod")
    original = "## MOD Title: crash test\r\n#\r\n#-----[ OPEN ]" + DASHES + "\r\n#\r\nindex.php\r\n"
    write_cp1252(script, original)
    s = Session(display, home, args=[script], placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("ctrl+End")
        s.type("typed after")
        time.sleep(3)
        s.proc.send_signal(signal.SIGKILL)
        s.proc.wait(timeout=10)
    finally:
        s.kill()
    expect(open(script, "rb").read().decode("cp1252") == original, "the crash changed the file")
    recover_and_save(display, home)
    text = open(script, "rb").read().decode("cp1252")
    expect(text == original + "typed after", "the recovered text was not saved:\n" + text[-200:])


def journey_sigterm_keeps_work(display, home):
    """SIGTERM (a log-out) quits without questions and the next start offers the work back."""
    script = os.path.join(home, "term.mod")
    original = "## MOD Title: term test\r\n"
    write_cp1252(script, original)
    s = Session(display, home, args=[script], placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("ctrl+End")
        s.type("typed then logged out")
        s.proc.send_signal(signal.SIGTERM)
        expect(s.proc.wait(timeout=20) == 0, "SIGTERM did not end the program cleanly")
    finally:
        s.kill()
    recover_and_save(display, home)
    text = open(script, "rb").read().decode("cp1252")
    expect(text == original + "typed then logged out", "the work was not kept: " + repr(text))


def journey_steady_typing_survives_kill(display, home):
    """Typing without a pause for 20 s, then SIGKILL: all but the last 2 s come back."""
    script = os.path.join(home, "steady.mod")
    original = "## MOD Title: steady\r\n"
    write_cp1252(script, original)
    s = Session(display, home, args=[script], placement=(15000, 12000))
    typed = "".join(f"w{i:03d} " for i in range(160))  # 800 characters
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("ctrl+End")
        start = time.time()
        s.x("type", "--delay", "50", typed)  # about 20 s, never a pause of a second
        ms_per_key = (time.time() - start) * 1000 / len(typed)
        s.proc.send_signal(signal.SIGKILL)
        s.proc.wait(timeout=10)
    finally:
        s.kill()
    recover_and_save(display, home)
    text = open(script, "rb").read().decode("cp1252")
    expect(text.startswith(original), "the recovered script lost its start: " + text[:80])
    kept = text[len(original):]
    expect(typed.startswith(kept), "the recovered text is not what was typed: " + kept[-80:])
    lost_ms = (len(typed) - len(kept)) * ms_per_key
    print(f"note: kept {len(kept)} of {len(typed)} characters typed in {len(typed) * ms_per_key / 1000:.1f} s")
    expect(lost_ms <= 2500, f"the last {lost_ms:.0f} ms of typing were lost (kept {len(kept)} of {len(typed)})")


def journey_binary_file_refused(display, home):
    """A zip archive named .mod is read as the package it is: its script opens
    read-only, keys do not change it, and the archive is never written back."""
    archive = os.path.join(home, "package.mod")
    import zipfile
    with zipfile.ZipFile(archive, "w") as z:
        z.writestr("install.mod", "## MOD Title: x\r\n#-----[ OPEN ]---\r\nindex.php\r" * 50)
    before = open(archive, "rb").read()
    s = Session(display, home, placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.open_file(archive)
        deadline = time.time() + 10
        while True:
            doc = s.active_document()
            if archive in doc.get("caption", "") or time.time() > deadline:
                break
            time.sleep(0.2)
        expect(archive in doc.get("caption", ""), f"the archive's script did not open: {doc.get('caption')}")
        text = doc["text"]
        s.keys("ctrl+End")
        s.type("x")
        time.sleep(0.3)
        expect(s.active_document()["text"] == text, "a key changed a script inside an archive")
        s.keys("ctrl+s")  # read-only: Save offers a copy elsewhere, cancelled
        s.window("Save")
        s.keys("Escape")
        s.gone("Save")
        s.quit()
    finally:
        s.kill()
    expect(open(archive, "rb").read() == before, "the archive was changed")
    log = open(os.path.join(home, "program.log")).read()
    expect("Segmentation" not in log, "the program crashed")


def journey_sigterm_inside_modal_windows(display, home):
    """SIGTERM ends the program within 2 s with the tip up, and with an error message up the
    journal of the unsaved work is written for the next start."""
    s = Session(display, home, placement=(15000, 12000))
    try:
        s.window("Tip of the Day")
        s.proc.send_signal(signal.SIGTERM)
        start = time.time()
        expect(s.proc.wait(timeout=10) == 0, "SIGTERM with the tip up did not end the program cleanly")
        expect(time.time() - start < 2, f"ending took {time.time() - start:.1f} s")
    finally:
        s.kill()
    fifo = os.path.join(home, "pipe.mod")
    os.mkfifo(fifo)
    script = os.path.join(home, "after.mod")
    s = Session(display, home, placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.type("unsaved before the pipe")
        s.open_file(fifo, unsaved_answer="n")
        wait_for_message(s, "error message")
        s.proc.send_signal(signal.SIGTERM)
        start = time.time()
        expect(s.proc.wait(timeout=10) == 0, "SIGTERM with a message up did not end the program cleanly")
        expect(time.time() - start < 2, f"ending took {time.time() - start:.1f} s")
    finally:
        s.kill()
    s = Session(display, home, placement=(15000, 12000))
    try:
        answer_recovery(s)
        s.keys("ctrl+s")
        dialog = s.window("Save")
        s.focus(dialog)
        s.keys("ctrl+a")
        s.type(script)
        s.keys("Return")
        s.gone("Save")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()
    expect(open(script, "rb").read().decode("cp1252").startswith("unsaved before the pipe"),
           "the work typed before the message was not kept")


def journey_comforts_redo_and_recent(display, home):
    """Redo takes an undo back, and File lists the script for the next start."""
    script = os.path.join(home, "recent.mod")
    original = "## MOD Title: recent\r\n"
    write_cp1252(script, original)
    s = Session(display, home, placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.open_file(script)
        s.focus(s.window(MAIN))
        s.keys("ctrl+End")
        s.type("kept after redo " * 4)
        time.sleep(1.3)  # a pause: the snapshot
        s.keys("ctrl+z", "ctrl+y", "ctrl+s")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()
    text = open(script, "rb").read().decode("cp1252")
    expect(text == original + "kept after redo " * 4, "redo did not bring the typing back: " + repr(text))
    s = Session(display, home)  # the settings as the first run left them
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("alt+f", "1")  # the first recent file
        deadline = time.time() + 20
        while time.time() < deadline:
            docs = [d for d in s.report()["documents"] if d.get("caption") == script]
            if docs:
                break
            time.sleep(0.3)
        expect(docs, "File, 1 did not open the recent script")
        s.quit()
    finally:
        s.kill()


def ere(text):
    """`text` matched literally in the extended regular expression xdotool searches with."""
    return re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", text)


def journey_install_preview(display, home):
    """F9 shows what the active script changes in the forum, and writes
    nothing; it follows the active document without taking the focus, and
    Install into Folder, from the preview (Return) or from the Tools menu,
    installs that script into a new folder typed in the dialog, the focus
    going back where the user asked from."""
    forum = os.path.join(home, "forum")
    os.makedirs(os.path.join(forum, "templates", "subSilver"))
    viewtopic = ("<?php\r\ndefine('IN_PHPBB', true);\r\n$phpbb_root_path = './';\r\n"
                 "include($phpbb_root_path . 'common.php');\r\n\r\n"
                 "$topic_id = intval($HTTP_GET_VARS[POST_TOPIC_URL]);\r\n"
                 "$start = ( isset($HTTP_GET_VARS['start']) ) ? intval($HTTP_GET_VARS['start']) : 0;\r\n"
                 "$template->assign_vars(array('L_AUTHOR' => $lang['Author']));\r\n?>")
    index = "<?php\r\n$page_title = $lang['Index'];\r\ninclude($phpbb_root_path . 'includes/page_header.php');\r\n?>"
    write_cp1252(os.path.join(forum, "viewtopic.php"), viewtopic)
    write_cp1252(os.path.join(forum, "index.php"), index)
    banner = lambda k: "#\r\n#-----[ " + k + " ]" + DASHES + "\r\n#\r\n"
    # Two packages, each with its install script in a folder of its own.
    reply = os.path.join(home, "quick-reply", "install.mod")
    title = os.path.join(home, "page-title", "install.mod")
    os.makedirs(os.path.dirname(reply))
    os.makedirs(os.path.dirname(title))
    write_cp1252(reply, "## MOD Title: Quick Reply\r\n" + "#" * 62 + "\r\n"
                 + banner("OPEN") + "viewtopic.php\r\n"
                 + banner("FIND") + "$topic_id = intval(\r\n"
                 + banner("AFTER, ADD") + "$quick_reply = true;\r\n"
                 + banner("FIND") + "$template->assign_vars(\r\n"
                 + banner("IN-LINE FIND") + "$lang['Author']\r\n"
                 + banner("IN-LINE AFTER, ADD") + ", 'L_QUICK_REPLY' => $lang['Quick_reply']\r\n"
                 + banner("OPEN") + "templates/subSilver/quick_reply.tpl\r\n"
                 + banner("SQL") + "INSERT INTO phpbb_config VALUES ('quick_reply', 1);\r\n"
                 + banner("SAVE/CLOSE ALL FILES") + "# EoM\r\n")
    write_cp1252(title, "## MOD Title: Page Title\r\n" + "#" * 62 + "\r\n"
                 + banner("OPEN") + "index.php\r\n"
                 + banner("FIND") + "$page_title =\r\n"
                 + banner("AFTER, ADD") + "$page_title .= ' - Home';\r\n"
                 + banner("SAVE/CLOSE ALL FILES") + "# EoM\r\n")
    preview_of = lambda script: "Preview Installation - " + ere(script)
    s = Session(display, home, args=["--forum", forum, reply], placement=(15000, 12000))
    try:
        close_tip(s)
        main = s.window(MAIN)
        s.focus(main)
        s.keys("F9")
        preview = s.window(preview_of(reply))
        # The second script in a window of its own: the preview follows it,
        # and the keys stay in the main window.
        s.focus(main)
        s.keys("ctrl+n")
        s.open_file(title)
        preview = s.window(preview_of(title))
        focus = s.fresh_report().get("focus", {})
        expect(focus.get("window") != "installPreview", f"the preview took the focus: {focus}")
        # From the preview, Return (its default button): a new folder typed in the dialog.
        s.focus(preview)
        s.keys("Return")
        s.focus(s.window("Install into Folder"))
        copy_title = os.path.join(home, "forum with page title")
        s.keys("ctrl+a")
        s.type(copy_title)
        s.keys("Return")
        wait_for_message(s, "the installation's message")
        s.keys("Return")
        time.sleep(0.5)
        expect(os.path.isdir(copy_title), "Install into Folder refused the new folder typed in its dialog")
        installed = open(os.path.join(copy_title, "index.php"), "rb").read().decode("cp1252")
        expect("$page_title .= ' - Home';" in installed, "the preview did not install the active script")
        expect(open(os.path.join(copy_title, "viewtopic.php"), "rb").read().decode("cp1252") == viewtopic,
               "the preview installed the script it showed first, not the active one")
        expect(os.path.exists(copy_title + ".report.txt"), "no report beside the copy")
        focus = s.fresh_report().get("focus", {})
        expect(focus.get("window") == "installPreview",
               f"after Install into Folder the keys go to {focus}, not back to the preview")
        # The first script made active again (Window, 1), and installed from the Tools menu.
        s.focus(main)
        s.keys("alt+w", "1")
        preview = s.window(preview_of(reply))
        s.focus(main)
        s.keys("alt+t", "i")
        s.focus(s.window("Install into Folder"))
        copy_reply = os.path.join(home, "forum with quick reply")
        s.keys("ctrl+a")
        s.type(copy_reply)
        s.keys("Return")
        wait_for_message(s, "the installation's message")
        s.keys("Return")
        time.sleep(0.5)
        installed = open(os.path.join(copy_reply, "viewtopic.php"), "rb").read().decode("cp1252")
        expect("$quick_reply = true;" in installed, "Tools, Install into Folder did not install the active script")
        expect(open(os.path.join(copy_reply, "index.php"), "rb").read().decode("cp1252") == index,
               "Tools, Install into Folder installed another script than the active one")
        # Esc closes the preview.
        s.focus(preview)
        s.keys("Escape")
        s.gone(preview_of(reply))
        s.quit()
    finally:
        s.kill()
    expect(open(os.path.join(forum, "viewtopic.php"), "rb").read().decode("cp1252") == viewtopic,
           "the preview wrote into the forum")


def journey_preview_screenshot(display, home):
    """The preview of a real MOD package, for the README: PREVIEW_PACKAGE names
    the package's install script and PREVIEW_FORUM the forum
    (scripts/update-screenshots.sh runs it when both are set)."""
    script = os.environ.get("PREVIEW_PACKAGE", "")
    forum = os.environ.get("PREVIEW_FORUM", "")
    expect(os.path.isfile(script) and os.path.isdir(forum), "PREVIEW_PACKAGE and PREVIEW_FORUM name no script and forum")
    s = Session(display, home, args=["--forum", forum, script], placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("F9")
        preview_of_any = "Preview Installation - .*"
        preview = s.window(preview_of_any)
        s.focus(preview)
        s.keys("Down", "Down")  # the third file's changes
        s.screenshot("install-preview", preview_of_any)
        s.keys("Escape")
        s.gone(preview_of_any)
        s.quit()
    finally:
        s.kill()


def journey_keys_only(display, home):
    """The whole task by keys alone under a window manager: the keys land where
    the user expects at every step, no focus move changes the script, and a
    screen reader listening on the accessibility bus hears what the eye sees."""
    if not shutil.which("openbox"):
        raise Failure("openbox is not installed (scripts/deps.sh installs it)")
    # A window manager that ran on this display before left its mark on the root.
    subprocess.run(["xprop", "-root", "-remove", "_NET_SUPPORTING_WM_CHECK"],
                   env={**os.environ, "DISPLAY": display.name}, capture_output=True)
    wm = subprocess.Popen(["openbox", "--sm-disable"], env={**os.environ, "DISPLAY": display.name},
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The program starts in well under a second: a window it maps before the
    # window manager manages the screen is never managed (and never focused).
    deadline = time.time() + 10
    while time.time() < deadline:
        check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                               env={**os.environ, "DISPLAY": display.name},
                               capture_output=True, text=True)
        if "window id" in check.stdout:
            break
        time.sleep(0.05)
    else:
        raise Failure("openbox did not start managing the screen")
    script = os.path.join(home, "keys.mod")
    banner = lambda k: "#\r\n#-----[ " + k + " ]" + DASHES + "\r\n#\r\n"
    body = ("## MOD Title: Keys\r\n## MOD Version: 1.0.0\r\n" + "#" * 62 + "\r\n"
            + banner("FIND") + "include('common.php');\r\n"
            + banner("OPEN") + "index.php\r\n"
            + banner("FIND") + "$page_title = '';\r\n"
            + banner("AFTER, ADD") + "$page_shown = true;\r\n"
            + banner("SAVE/CLOSE ALL FILES") + "# EoM\r\n")
    write_cp1252(script, body)
    forum = os.path.join(home, "forum")
    os.makedirs(forum)
    # Both names, so that the script installs once the journey renames one.
    write_cp1252(os.path.join(forum, "index.php"), "<?php\r\n$page_title = '';\r\n$page_name = '';\r\n?>")
    bus = AccessibilityBus(display, home)
    s = Session(display, home, args=["--forum", forum], placement=(15000, 12000),
                extra_env=bus.session_env())

    def focus_in(window, widget_class=None, widget=None):
        # A busy machine may deliver the last key a moment late.
        deadline = time.time() + 3
        while True:
            focus = s.fresh_report().get("focus", {})
            there = (focus.get("window") == window
                     and (not widget_class or focus.get("class") == widget_class)
                     and (not widget or focus.get("widget") == widget))
            if there or time.time() > deadline:
                break
            time.sleep(0.1)
        expect(there, f"the keys go to {focus}, not to {widget or widget_class or 'a widget'} in {window}")

    def popup(first_entry):
        entries = s.fresh_report().get("popup", [])
        expect(entries and entries[0].startswith(first_entry),
               f"the menu that opened says {entries}, not {first_entry!r} first")

    try:
        time.sleep(1)
        s.window("Tip of the Day")
        s.keys("Return")  # the tip has the focus: the keys alone dismiss it
        s.gone("Tip of the Day")
        focus_in("frmMain", "Quillwright::ModEditor")
        started = mark = time.time()
        s.open_file(script)
        focus_in("frmMain", "Quillwright::ModEditor")
        bus.heard(mark, "the focus in the script after File, Open",
                  lambda e: e["type"] == "focus:" and e["name"] == "Script")
        text = s.active_document()["text"]

        def unchanged(step):
            now = s.active_document()["text"]
            expect(now == text, f"{step} changed the script: {now!r}")

        # To the outline and back, then a jump from it.
        s.keys("F6")
        focus_in("frmMain", "QTreeView")
        s.keys("shift+F6")
        focus_in("frmMain", "Quillwright::ModEditor")
        # Actions opens from the keyboard; Return on its second action goes there.
        s.keys("F6", "Home", "Down", "Down", "Right", "Down", "Down", "Return")
        time.sleep(0.3)
        doc = s.active_document()
        expect(doc["selStart"] == doc["text"].index("#-----[ OPEN"),
               f"Return on OPEN in the outline did not go there: {doc['selStart']}")
        s.keys("shift+F6")
        focus_in("frmMain", "Quillwright::ModEditor")
        unchanged("going to the outline and back")
        # Find and replace, go to a line.
        mark = time.time()
        s.keys("ctrl+h")
        s.keys("ctrl+a")
        s.type("page_title")
        s.keys("Tab")
        s.type("page_name")
        s.keys("alt+a")
        bus.announced(mark, r"^1 replaced$")
        s.keys("Escape")
        focus_in("frmMain", "Quillwright::ModEditor")
        doc = s.active_document()
        expect("$page_name = '';" in doc["text"], "Replace All by keys replaced nothing")
        text = doc["text"]
        s.keys("ctrl+g")
        s.type("5")
        s.keys("Return")
        focus_in("frmMain", "Quillwright::ModEditor")
        doc = s.active_document()
        expect(doc["selStart"] == len("\r\n".join(doc["text"].split("\r\n")[:4])) + 2,
               f"Ctrl+G 5 left the caret at {doc['selStart']}")
        # Find, then Tab until the keys are back in the script: the match is
        # no longer selected there, and the screen reader says so.
        mark = time.time()
        s.keys("ctrl+f")
        s.type("page")
        s.keys("Return")
        bus.announced(mark, r"^\d+ of \d+$")
        expect(s.active_document()["selLength"] == 4, "Return in the find bar selected no match")
        for _ in range(15):
            if s.fresh_report().get("focus", {}).get("class") == "Quillwright::ModEditor":
                break
            mark = time.time()
            s.keys("Tab")
        focus_in("frmMain", "Quillwright::ModEditor")
        expect(s.active_document()["selLength"] == 0, "Tab out of the find bar left the match selected")
        bus.heard(mark, "that nothing is selected as the focus comes into the script",
                  lambda e: e["type"] == "focus:" and e["name"] == "Script"
                  and e["description"].startswith("nothing selected"))
        unchanged("Tab out of the find bar")
        # The Problems list: shown from Tools, reached with F6, its menu with
        # the Menu key, Return on a problem goes to it in the script.
        s.keys("alt+t", "b")
        s.keys("F6", "F6")
        focus_in("frmMain", "QTreeWidget", "problemsList")
        s.keys("Down", "Menu")
        popup("Don't Report This Kind of Problem")
        s.keys("Escape")
        focus_in("frmMain", "QTreeWidget", "problemsList")
        s.keys("Return")
        focus_in("frmMain", "Quillwright::ModEditor")
        unchanged("the Problems list")
        # What a screen reader can reach has a name it can say.
        unnamed = [f"{o['role']} {o['description']!r}" for o in bus.tree()
                   if o.get("showing") and o["role"] in ACTIONABLE and not o["name"].strip()]
        expect(not unnamed, f"objects a screen reader cannot name: {unnamed}")
        # The status bar's buttons and their menus, from the script backwards.
        s.keys("shift+F6")
        focus_in("frmMain", "QToolButton", "encodingPanel")
        s.keys("space")
        popup("Windows-1252")
        s.keys("Escape")
        s.keys("shift+F6")
        focus_in("frmMain", "QToolButton", "checkPanel")
        s.keys("shift+F10")
        popup("Check against forum files...")
        s.keys("Escape")
        s.keys("F6", "F6")
        focus_in("frmMain", "Quillwright::ModEditor")
        unchanged("the status bar's buttons")
        # F9: the preview takes the keys on its list of files; Tab reaches
        # its diff, where Down reads each line with its kind and numbers;
        # Esc closes it and the keys are back in the script.
        s.keys("F9")
        s.window("Preview Installation - .*")
        focus_in("installPreview", widget="previewFiles")
        for _ in range(6):
            if s.fresh_report().get("focus", {}).get("widget") == "previewDiff":
                break
            s.keys("Tab")
        focus_in("installPreview", widget="previewDiff")
        mark = time.time()
        s.keys("Down", "Down")
        bus.heard(mark, "the diff's line read with its kind and numbers",
                  lambda e: re.match(r"^(Unchanged|Added|Removed|Changes from)", e["description"]))
        s.keys("Escape")
        s.gone("Preview Installation - .*")
        focus_in("frmMain", "Quillwright::ModEditor")
        unchanged("F9 and back")
        # Install into Folder from the Tools menu; its result is heard, and
        # the keys come back to the script.
        copy = os.path.join(home, "installed")
        os.makedirs(copy)
        mark = time.time()
        s.keys("alt+t", "i")
        s.window("Install into Folder")
        s.keys("ctrl+a")
        s.type(copy)
        s.keys("Return")
        s.gone("Install into Folder")
        wait_for_message(s, "install result")
        bus.heard(mark, "the installation's result as an alert",
                  lambda e: e["type"] == "window:activate" and e["role"] == "alert")
        s.keys("Return")
        focus_in("frmMain", "Quillwright::ModEditor")
        unchanged("Install into Folder")
        expect(os.path.exists(os.path.join(copy, "index.php")), "Install into Folder wrote no copy")
        # Properties: OK has the focus; four Tabs reach the version.
        s.keys("alt+f", "i")
        s.window("Properties")
        focus_in("frmproperties", "QPushButton")
        s.keys("Tab", "Tab", "Tab", "Tab", "ctrl+a")
        s.type("1.0.1")
        s.keys("Return")  # Return in a field is OK
        s.gone("Properties")
        expect("## MOD Version: 1.0.1" in s.active_document()["text"], "Return did not keep the version")
        # The builder takes the keys from the start; Esc closes it.
        s.keys("ctrl+shift+a")
        s.window("action builder")
        focus_in("commands", "QListWidget")
        s.keys("Home")  # OPEN

        def tab_to(widget):
            for _ in range(5):
                if s.fresh_report().get("focus", {}).get("widget") == widget:
                    return
                s.keys("Tab")
            raise Failure(f"Tab does not reach {widget} in the builder: {s.fresh_report().get('focus')}")

        tab_to("cmdtxt")
        s.type("viewtopic.php")
        tab_to("OKButton")
        s.keys("space")
        time.sleep(0.5)
        text = s.active_document()["text"]
        expect("viewtopic.php" in text[text.rindex("[ OPEN ]"):], "the builder added no OPEN by keys")
        s.keys("Escape")
        s.gone("action builder")
        # F8: the finding reached is said in the status bar, and heard.
        mark = time.time()
        s.keys("ctrl+Home", "F8")
        status = s.fresh_report()["status"]
        expect(status.startswith("Error: FIND before any OPEN"), f"F8 left the status bar saying {status!r}")
        bus.announced(mark, r"^Error: FIND before any OPEN")
        bus.heard(mark, "the finding as the script's description",
                  lambda e: e["name"] == "Script" and "FIND before any OPEN" in e["description"])
        # The clock is read when asked, never told: nothing else would be heard.
        ticks = [e for e in bus.events(started) if e["type"] == "object:property-change:accessible-name"
                 and re.match(r"^(Time )?\d{1,2}:\d\d", e["name"])]
        expect(not ticks, f"the clock spoke {len(ticks)} times in {time.time() - started:.0f} s")
        s.keys("ctrl+s")
        time.sleep(0.5)
        s.keys("ctrl+w")
        time.sleep(0.5)
        # New Script from Changes, from the forum to the copy changed by hand:
        # what the script was proven to do is heard.
        write_cp1252(os.path.join(copy, "index.php"), "<?php\r\n$page_title = 'Keys';\r\n?>")
        mark = time.time()
        s.keys("alt+t", "n")
        package = os.path.join(home, "package")
        os.makedirs(package)  # an empty folder, as a user makes one in the dialog
        for title, folder in (("The original forum", forum), ("The forum with your changes", copy),
                              ("A folder for the MOD's package \\(the script and root/\\)", package)):
            s.window(title)
            s.keys("ctrl+a")
            s.type(folder)
            s.keys("Return")
            s.gone(title)
        bus.announced(mark, r"^Installs back exactly")
        s.window("Properties")
        s.keys("Escape")
        s.gone("Properties")
        expect(os.path.exists(os.path.join(package, "install.mod")), "no package was written")
        s.quit()  # the package's script is opened from disk: nothing to save
    finally:
        s.kill()
        bus.close()
        wm.terminate()
        wm.wait(timeout=10)
    saved = open(script, "rb").read().decode("cp1252")
    expect("## MOD Version: 1.0.1" in saved and "$page_name" in saved, "the saved script lacks the changes")


def journey_open_undo_save(display, home):
    """Undo after File, Open never brings back the text the window held before."""
    script = os.path.join(home, "opened.mod")
    original = "#\r\n#-----[ COPY ]" + DASHES + "\r\n#\r\ncopy a.php to a.php\r\n"
    write_cp1252(script, original)
    s = Session(display, home, placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        for words in ("scratch work ", "and some more "):
            s.keys("ctrl+End")
            s.type(words * 5)
            time.sleep(1.3)
        s.open_file(script, unsaved_answer="n")
        time.sleep(1.3)
        s.focus(s.window(MAIN))
        s.keys("ctrl+z")
        s.keys("ctrl+s")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()
    expect(open(script, "rb").read().decode("cp1252") == original, "undo reached into the other text")


def journey_end_marker_and_colours(display, home):
    """A script without a title label shows blue keywords; "#EoM", Return, "x" keeps the caret."""
    script = os.path.join(home, "untitled-header.mod")
    write_cp1252(script, "#\r\n#-----[ OPEN ]" + DASHES + "\r\n#\r\nindex.php\r\n"
                         "#\r\n#-----[ SAVE/CLOSE ALL FILES ]" + DASHES + "\r\n")
    s = Session(display, home, args=[script], placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("ctrl+End")
        s.type("#EoM\nx")
        doc = s.active_document()
        at = doc["text"].index("OPEN")
        expect(any(r[0] <= at < r[0] + r[1] and r[2] == "#0000ff" for r in doc["runs"]),
               f"OPEN is not blue: {doc['runs'][:8]}")
        s.keys("ctrl+s")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()
    text = open(script, "rb").read().decode("cp1252")
    expect(text.endswith("# EoM\r\nx"), "the caret did not stay after the end marker: " + repr(text[-30:]))


def journey_drag_word(display, home):
    """A word dragged to another line with the mouse is there after Save."""
    script = os.path.join(home, "drag.mod")
    write_cp1252(script, "first line\r\nsecond line\r\nthird line\r\n")
    s = Session(display, home, args=[script], placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("ctrl+Home", "ctrl+shift+Right")  # selects "first "
        editor = s.active_document()["editor"]
        x, y, h = editor["globalX"], editor["globalY"], editor["lineHeight"]
        env = s.env
        run("xdotool", "mousemove", str(x + 8), str(y + h // 2), env=env)
        run("xdotool", "mousedown", "1", env=env)
        for step in range(1, 11):
            run("xdotool", "mousemove", str(x + 8 - step // 2), str(y + h // 2 + step * 2 * h // 10), env=env)
            time.sleep(0.05)
        run("xdotool", "mousemove", str(x + 1), str(y + 2 * h + h // 2), env=env)
        time.sleep(0.3)
        run("xdotool", "mouseup", "1", env=env)
        time.sleep(0.5)
        s.keys("ctrl+s")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()
    lines = open(script, "rb").read().decode("cp1252").split("\r\n")
    expect(lines[0] == "line" and lines[2] == "first third line",
           f"the word did not move: {lines}")


def journey_find_replace_goto_outline(display, home):
    """Ctrl+F, Ctrl+H and Replace All with real keys, undo of the Replace All,
    Ctrl+G, and a click on an action node."""
    script = os.path.join(home, "find.mod")
    body = ("#\r\n#-----[ OPEN ]" + DASHES + "\r\n#\r\nindex.php\r\n"
            "#\r\n#-----[ FIND ]" + DASHES + "\r\n#\r\ninclude('index.php');\r\n"
            "#\r\n#-----[ OPEN ]" + DASHES + "\r\n#\r\nviewtopic.php\r\n")
    write_cp1252(script, body)
    s = Session(display, home, args=[script], placement=(15000, 12000))
    try:
        close_tip(s)
        s.focus(s.window(MAIN))
        s.keys("ctrl+Home", "ctrl+f")
        s.type("index")
        doc = s.active_document()
        expect(doc["selStart"] == body.index("index"), f"Ctrl+F did not find as typed: {doc['selStart']}")
        s.keys("Return")
        doc = s.active_document()
        expect(doc["selStart"] == body.index("index", body.index("index") + 1), "Return did not go on")
        s.keys("Escape", "ctrl+h")
        s.keys("ctrl+a")
        s.type(".php")
        s.keys("Tab")
        s.type(".php4")
        s.keys("alt+a")
        time.sleep(1.5)  # the pause takes the snapshot that undo goes back from
        doc = s.active_document()
        expect(doc["text"].count(".php4") == 3, "Replace All did not replace every match")
        s.keys("Escape", "ctrl+z")
        doc = s.active_document()
        expect(doc["text"] == body, "one undo did not take the Replace All back")
        s.keys("ctrl+g")
        s.keys("ctrl+a")
        s.type("8")
        s.keys("Return")
        s.type("// ")
        # Actions starts collapsed: the outline opens it from the keyboard.
        s.keys("F6", "Home", "Down", "Down", "Right", "shift+F6")
        time.sleep(0.3)
        nodes = s.active_document()["actionNodes"]
        expect(len(nodes) == 3 and nodes[2][3], f"the outline shows no third action: {nodes}")
        s.x("mousemove", str(nodes[2][1]), str(nodes[2][2]))
        s.x("click", "1")
        time.sleep(0.3)
        doc = s.active_document()
        expect(doc["selStart"] == doc["text"].rindex("#-----[ OPEN"), "a click on OPEN did not go there")
        s.keys("ctrl+s")
        time.sleep(0.5)
        s.quit()
    finally:
        s.kill()
    lines = open(script, "rb").read().decode("cp1252").split("\r\n")
    expect(lines[7] == "// include('index.php');", f"Ctrl+G did not go to line 8: {lines[:9]}")


def journey_command_line_without_display(display, home):
    """--help and --version answer on standard output with no display and no window."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    env["HOME"] = home
    for arg, wanted in (("--help", "Usage: quillwright [--forum DIR] [FILE]"), ("--version", "Quillwright ")):
        r = subprocess.run([BINARY, arg], capture_output=True, text=True, timeout=30, env=env)
        expect(r.returncode == 0, f"{arg} ended with {r.returncode}: {r.stderr}")
        expect(r.stdout.startswith(wanted), f"{arg} said {r.stdout!r}")
    expect(re.fullmatch(r"Quillwright \d+\.\d+\.\d+", VERSION), f"the version line is {VERSION!r}")
    french = dict(env, LANG="fr_FR.UTF-8", LANGUAGE="fr_FR", LC_ALL="fr_FR.UTF-8")
    r = subprocess.run([BINARY, "--help"], capture_output=True, text=True, timeout=30, env=french)
    expect(r.stdout.startswith("Utilisation : quillwright"), f"--help in French said {r.stdout!r}")


def header_scripts():
    """A dozen headers in the forum's layout as authors write them."""
    sep = "#" * 62 + " "
    def script(notes, description="Adds a quick reply box", author="joe < joe@x.org > (Joe) http://x.org",
               title="Quick Reply", crlf=True):
        text = "\r\n".join([
            sep, "## MOD Title: " + title, "## MOD Author: " + author,
            "## MOD Description: " + description, "## MOD Version: 1.0.2", "##",
            "## Installation Level: Easy", "## Installation Time: 5 Minutes",
            "## Files To Edit: viewtopic.php", "## Included Files: n/a", sep,
            "## Author Notes: " + notes, sep, "", "#", "#-----[ OPEN ]" + DASHES, "#", "viewtopic.php",
            "#", "#-----[ SAVE/CLOSE ALL FILES ]" + DASHES, "#", "# EoM", ""])
        return text if crlf else text.replace("\r\n", "\n")
    nbsp = "\u00a0"
    return [
        script(""),
        script("\r\n## \r\n## This MOD adds a box.\r\n## "),
        script("see below\r\n##\tstep one\r\n##\tstep two"),
        script("\r\n### Important ###\r\n## keep a backup"),
        script("one\r\n#\ttwo\r\n#\tthree"),
        script("a" + nbsp + "note", description="Adds" + nbsp + "a box"),
        script("n", author="Joe <joe@x.org> (Joe Bloggs) http://x.org"),
        script("n", author="Joe Bloggs"),
        script("n", description="line one\r\n## line two"),
        script("unix line ends\r\n## second", crlf=False),
        script("n", title="X##"),
        script("Tested on 2.0.23\r\n##\r\n##   indented\r\n## \t mixed"),
    ]


def journey_header_ok_unchanged(display, home):
    """File, Properties and OK without a change leaves the script as it was."""
    s = Session(display, home, placement=(15000, 12000))
    try:
        close_tip(s)
        for n, text in enumerate(header_scripts()):
            path = os.path.join(home, f"header{n}.mod")
            write_cp1252(path, text)
            s.focus(s.window(MAIN))
            s.open_file(path)
            before = s.active_document()["text"]
            s.focus(s.window(MAIN))
            s.keys("alt+f", "i")
            props = s.window("Properties")
            s.focus(props)
            s.keys("space")  # OK has the focus
            s.gone("Properties")
            after = s.active_document()["text"]
            expect(after == before, f"script {n} changed:\n{before!r}\n{after!r}")
        s.quit()
    finally:
        s.kill()


JOURNEYS = ["first_start", "write_script", "reopen_and_undo", "french", "windows_options_browser",
            "crash_recovery", "sigterm_keeps_work", "open_undo_save", "end_marker_and_colours", "drag_word",
            "header_ok_unchanged", "find_replace_goto_outline", "command_line_without_display",
            "steady_typing_survives_kill", "binary_file_refused", "sigterm_inside_modal_windows",
            "comforts_redo_and_recent", "install_preview", "keys_only"]


def main():
    wanted = sys.argv[2:] or JOURNEYS
    display = Display()
    failed = 0
    passed = 0
    script = None
    try:
        for name in wanted:
            home = tempfile.mkdtemp(prefix=f"qw-e2e-{name}-")
            try:
                if name == "reopen_and_undo":
                    if script is None:
                        script = journey_write_script(display, tempfile.mkdtemp(prefix="qw-e2e-write-"))
                    copy_dir = os.path.join(home, "My Mods")
                    os.makedirs(copy_dir)
                    copy = os.path.join(copy_dir, "reply box.mod")
                    shutil.copy(script, copy)
                    journey_reopen_and_undo(display, home, copy)
                elif name == "write_script":
                    script = journey_write_script(display, home)
                else:
                    globals()["journey_" + name](display, home)
                reports = sanitizer_reports(home)
                if reports:
                    raise Failure("the sanitizers reported: " + " / ".join(reports[:3]))
                print(f"PASS   : {name}")
                passed += 1
            except Failure as e:
                print(f"FAIL!  : {name}: {e}")
                log = os.path.join(home, "program.log")
                if os.path.exists(log):
                    print(open(log).read()[-2000:])
                failed += 1
    finally:
        display.close()
    print(f"e2e: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
