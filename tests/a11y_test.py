#!/usr/bin/python3
"""Orca under Xvfb, a private session bus and the AT-SPI registry, with Zarnith: what Orca speaks (its debug log, speech
on, no speech server) as a person types, and both windows' names; then, in part, in German. a11y_test.py zarnith"""
import contextlib, os, pty, re, shutil, signal, subprocess, sys, tempfile, threading, time

# keys pressed ("menu:Name" clicks the bar's menu Name) | what Orca then says (parts " … " between) | names then shown
STEPS = """ | First fraction, numerator text. | First fraction, numerator; First fraction, denominator;
        Second fraction, numerator; Second fraction, denominator; Add (Ctrl+A); Subtract (Ctrl+S);
        Multiply (Ctrl+M); Divide (Ctrl+D); Clear (Esc); Decimal (Ctrl+F2); Result, whole number
    ctrl+h | Zarnith version 8.0
    Escape | First fraction, numerator text.
    menu:Functions Down | Add Ctrl+A.
    Escape Escape | First fraction, numerator text.
    3 Tab 4 Tab 1 Tab 2 Tab | Add push button. Ctrl+A.
    space | notification 1 1/4. | Result, numerator: 1; Result, denominator: 4
    Tab Tab Tab Tab Tab Tab | Result: 1 1/4 | Result: 1 1/4
    shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab | Add push button.
    ctrl+s | notification 1/4. | minus
    Escape | notification Cleared.
    shift+Tab shift+Tab shift+Tab shift+Tab 1 Tab 2 Tab 2 Tab 1 ctrl+s | notification -3/2.
    ctrl+m | notification 1. | times
    shift+Tab 1 Tab 2 ctrl+s | notification 0.
    ctrl+F2 | Numerator text.
    6 Tab 8 ctrl+r | notification 3/4.
    Tab Tab 2 period 7 5 Tab Tab Tab Tab | Decimal to Fraction push button. Ctrl+F.
    space | notification 2 3/4, nearest sixty-fourth more than 63/64. | Whole number; Numerator;
        Denominator; Decimal; Clear; Reduce (Ctrl+R); Fraction to Decimal (Ctrl+D);
        Nearest sixty-fourth: > 63/64
    Tab | Result: 2 3/4, nearest sixty-fourth more than 63/64
    ctrl+d | notification 2.75, nearest sixty-fourth more than 63/64.
    F1 | Zarnith Help frame … notification Zarnith | Contents; Help page
    Tab | notification link The calculator window.
    Tab Tab | notification link nearest sixty-fourth.
    Return | notification The nearest sixty-fourth.
    alt+Left | notification Zarnith.
    alt+Right | notification The nearest sixty-fourth.
    Escape | Decimals frame."""
# The same, in part, with Zarnith in German (Orca itself stays English): the names and what is spoken.
GERMAN = """ | Erster Bruch, Zähler text. | Erster Bruch, Zähler; Erster Bruch, Nenner;
        Zweiter Bruch, Zähler; Zweiter Bruch, Nenner; Addieren (Strg+A); Löschen (Esc); Dezimal (Strg+F2)
    3 Tab 4 Tab 1 Tab 2 Tab | Addieren push button.
    space | notification 1 1/4. | Ergebnis, Zähler: 1; Ergebnis, Nenner: 4
    Tab Tab Tab Tab Tab Tab | Ergebnis: 1 1/4
    Escape | notification Gelöscht.
    ctrl+F2 | Zähler text.
    Tab Tab Tab 2 comma 7 5 ctrl+f | notification 2 3/4, nächstes Vierundsechzigstel mehr als 63/64. | Ganze Zahl;
        Kürzen (Strg+R); Nächstes Vierundsechzigstel: > 63/64"""

tmp = tempfile.mkdtemp(prefix="zarnith-a11y-")
log, output, processes = os.path.join(tmp, "orca.log"), open(os.path.join(tmp, "output.txt"), "w"), []

def start(*command, **options):  # in a session of its own, writing to output.txt unless told otherwise
    processes.append(subprocess.Popen(command, start_new_session=True, **dict(stdout=output, stderr=output) | options))
    return processes[-1]

spoken = lambda: re.findall(r"SPEECH OUTPUT: '(.*)' ?\{", open(log).read())
def wait_for(what, test, seconds=20):  # asked again where an application leaves the registry while it is read
    end, result = time.monotonic() + seconds, None
    while not result and time.monotonic() < end:
        with contextlib.suppress(RuntimeError):  # GLib.GError: "The application no longer exists"
            result = test() or time.sleep(0.2)
    return result or sys.exit(f"FAIL: {what}\nOrca said last: {spoken()[-8:]}\nlogs in {tmp}")

def showing(parent):  # everything showing below parent
    return [o for child in parent if child.getState().contains(pyatspi.STATE_SHOWING) for o in [child, *showing(child)]]

def active():  # what shows in zarnith's active window
    return [o for app in pyatspi.Registry.getDesktop(0) if app and app.name == "zarnith" for w in app
            if w.getState().contains(pyatspi.STATE_ACTIVE) for o in showing(w)]

# Each part of words (" … " between them) said, compared in Orca 48's role words (43's "push button" is its "button")
# without full stops ending them; or, where a box just focused had its name set as its window opened, Orca 48 may say
# the name alone ("Numerator."): then the box with the focus must be the text of that name.
def heard(words, said):
    normal = lambda text: re.sub(r"\.(\s|$)", r"\1", text.replace("push button", "button"))
    name, role = normal(words).rpartition(" ")[::2]
    focus = lambda: [(o.getRoleName(), o.name) for o in active() if o.getState().contains(pyatspi.STATE_FOCUSED)]
    return (all(normal(part) in normal(" ".join(said)) for part in words.split(" … "))
            or role == "text" and name in map(normal, said) and focus() == [(role, name)])

def click(name):  # xdotool's words for a click on the menu bar's menu of that name in the active window
    menu = next(o for o in active() if o.getRoleName() in ("menu", "menu item") and o.name == name)
    box = menu.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return ["mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"]

def play(steps, **language):  # Zarnith started afresh, the steps pressed, Zarnith ended
    app = start(os.path.abspath(sys.argv[1]), env=os.environ | language)
    for step in re.split(r"\n    (?! )", steps):
        keys, words, names = (re.split(r"\s*\|\s*", step.strip()) + [""])[:3]
        before = len(spoken())
        for key in keys.split():
            subprocess.run(["xdotool", *(click(key[5:]) if key.startswith("menu:") else ["key", key])], check=True)
            time.sleep(0.3)
        wait_for(f"after '{keys}' Orca did not say '{words}'", lambda: heard(words, spoken()[before:]))
        seen = [(o.getRoleName(), o.name + (f" ({o.description})" if o.description else "")) for o in active()]
        missing = [name for name in re.split(r";\s*", names) if name and name not in [n for r, n in seen]]
        if missing or len(unnamed := [r for r, n in seen if not n and r in ("image", "filler")]) > 1:
            sys.exit(f"FAIL: names missing: {missing}; unnamed: {unnamed}")  # one: the window's client area
    os.killpg(app.pid, signal.SIGKILL)
    wait_for("Zarnith did not end", lambda: "zarnith" not in [a.name for a in pyatspi.Registry.getDesktop(0) if a])

signal.signal(signal.SIGALRM, lambda *_: sys.exit("FAIL: timed out"))
signal.alarm(150)
try:
    xvfb = start("Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24", stdout=subprocess.PIPE)
    os.environ.update(DISPLAY=":" + xvfb.stdout.readline().decode().strip(), HOME=tmp, XDG_RUNTIME_DIR=tmp,
                      GSETTINGS_BACKEND="memory")
    start("openbox")
    bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1", stdout=subprocess.PIPE)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    orca, orca_end = pty.openpty()  # on a terminal Orca writes its log line by line; a thread copies it
    threading.Thread(target=shutil.copyfileobj, daemon=True, args=(open(orca, "rb", 0), open(log, "wb", 0))).start()
    start("orca", "--debug-file", os.ttyname(orca_end))  # which says it started: Orca 43 its registry, 48 its loop
    wait_for("Orca did not start", lambda: re.search("ORCA: Starting (registry|Atspi main)", open(log).read()))
    import pyatspi
    play(STEPS)
    play(GERMAN, LANGUAGE="de", LANG="de_DE.UTF-8")
    results = re.findall(r"notification\n?.*", "\n".join(spoken()))
    print("Orca spoke the results:", [s.replace("\n", " ") for s in results])
    shutil.rmtree(tmp)
finally:
    for process in reversed(processes):  # each with what it started
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, signal.SIGKILL)
        process.wait()
