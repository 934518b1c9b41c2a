#!/usr/bin/env python3
"""The real window as a blind player meets it: read over AT-SPI, and spoken by Orca (each "SPEECH OUTPUT" of its log),
on a desktop of its own: Xvfb, a private session bus and the accessibility bus it starts, speech-dispatcher's dummy
output. A screen reader that cannot start is a failure. Usage: screen_reader.py QUENCHMARK"""
import atexit, os, pathlib, re, shutil, subprocess, sys, tempfile, threading, time

if os.environ.get("SCREEN_READER_BUS") != "private":  # the whole test on a session bus of its own
    os.environ["SCREEN_READER_BUS"] = "private"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "/usr/bin/python3", *sys.argv])  # Debian's, with pyatspi

home = tempfile.mkdtemp()
env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home, XDG_CACHE_HOME=home)
os.mkdir(f"{home}/speech-dispatcher")
pathlib.Path(f"{home}/speech-dispatcher/speechd.conf").write_text(
    'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')
pathlib.Path(f"{home}/.libao").write_text("default_driver=null\n")  # the speech goes nowhere
log, children = f"{home}/orca.log", []
atexit.register(shutil.rmtree, home, True)
atexit.register(lambda: [child.kill() for child in children])


def start(*command, **options):
    output = open(f"{home}/{os.path.basename(command[0])}.out", "w")
    children.append(subprocess.Popen(command, env=env, stdout=output, stderr=subprocess.STDOUT, **options))


def wait_for(what, condition, seconds=60):
    """condition's first true answer while every process lives; else a failure: what (or what()) and their output."""
    deadline = time.monotonic() + seconds
    while not (answer := condition()):
        if time.monotonic() > deadline or any(child.poll() is not None for child in children):
            outputs = [pathlib.Path(home, name).read_text(errors="replace")[-3000:] for name in os.listdir(home)
                       if name.endswith(".out")]
            what = what() if callable(what) else what
            sys.exit(f"FAIL: {what}; {[(c.args[0], c.poll()) for c in children]}\n" + "\n".join(outputs))
        time.sleep(0.05)
    return answer


def speech(pattern=r"SPEECH OUTPUT: '(.*?)' ?[\[{]"):
    return re.findall(pattern, pathlib.Path(log).read_text(errors="replace"))


def heard(key, expected):
    """Presses key (xdotool's name; "Insert+" holds Orca's key) until Orca says expected, each press and release once
    Orca is done with all before: the window takes back a key that Orca has not answered within a tenth of a second."""
    before, keys = len(speech()), ["Insert", key[7:]] if key.startswith("Insert+") else [key]
    said = lambda: speech()[before:]
    for action, keys, heard in (("keydown", keys, lambda: expected in said() + [""]), ("keyup", keys[::-1], lambda: 1)):
        events = len(speech("KEYBOARD_EVENT:")) + len(keys)
        subprocess.run(["xdotool", *[word for k in keys for word in (action, k)]], env=env, check=True)
        done = lambda text: text.count("KEYBOARD_EVENT:") >= events and text.count("vvvvv ") == text.count("^^^^^ ")
        wait_for(lambda: f"after {key} Orca said {said()}, not {expected!r}",
                 lambda: done(pathlib.Path(log).read_text(errors="replace")) and heard())


read, write = os.pipe()
start("Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp", "-r", pass_fds=[write])
os.close(write)
env["DISPLAY"] = ":" + wait_for("Xvfb did not start", lambda: os.read(read, 16)).decode().strip()
# Orca writes its log to a terminal line by line, where a file would keep the last lines in a buffer.
terminal, orca_terminal = os.openpty()
threading.Thread(target=shutil.copyfileobj, args=(open(terminal, "rb", 0), open(log, "wb", 0)), daemon=True).start()
start("orca", "--replace", "--debug-file", os.ttyname(orca_terminal), "--user-prefs", home)
wait_for("Orca did not start", lambda: os.path.exists(log) and "Screen reader on." in speech())
start(sys.argv[1])
wait_for("Orca did not read the window", lambda: "Item combo box." in speech())

# Over AT-SPI: each box named by its figure and labelled by its caption; the Rate's value, bounds and steps.
import pyatspi
desktop = pyatspi.Registry.getDesktop(0)
app = wait_for("no window on the bus", lambda: [a for a in desktop if a and a.name == "quenchmark"])[0]
app.setCacheMask(pyatspi.cache.NONE)  # every read asks the window
labels = pyatspi.findAllDescendants(app, lambda o: o.getRole() == pyatspi.ROLE_LABEL)
figures = lambda: {r.getTarget(0).name: label.name for label in labels for r in label.getRelationSet()
                   if r.getRelationType() == pyatspi.RELATION_LABELLED_BY}
assert figures() == {"Price": "0", "Ingots Required for Exceptional": "16.13", "Ingots": "14", "Exec Rate": "72",
                     "Norm Rate": "28", "BA Rate": "0", "Fail Rate": "0", "DOA": "0"}, figures()
rate = pyatspi.findDescendant(app, lambda o: o.getRole() == pyatspi.ROLE_SPIN_BUTTON)
value, action = rate.queryValue(), rate.queryAction()
assert (value.currentValue, value.minimumValue, value.maximumValue) == (0, 0, 9999), rate
steps = [action.getName(i) for i in range(action.nActions)]
for step, expected in (("Increase", (1, "16.13")), ("Increase", (2, "32.26")), ("Decrease", (1, "16.13"))):
    action.doAction(steps.index(step))
    wait_for(f"{step}: not {expected}", lambda: (value.currentValue, figures()["Price"]) == expected)

# What Orca says: flat review line by line, each box by its figure (Up reads a line again, so that no key comes twice in
# a row, which Orca would take for a double press), the current object with its caption, the Rate as it steps, the
# menu from the keyboard with its first entry in focus, in the Rate edit and on the "?" button.
lines = ["Price Ingots Required for Exceptional", "Ingots", "16.13 16.13", "14",
         "Exec Rate Norm Rate BA Rate Fail Rate DOA", "72 28 0 0 0"]
for key, expected in [("KP_Subtract", "Entering flat review."), ("Insert+KP_Home", "Item Axe Rate 1 About"),
                      *[(key, line) for line in lines for key in ("KP_Page_Up", "KP_Up")],
                      ("Insert+KP_Begin", "Exec Rate 72 label."), ("KP_Subtract", "Leaving flat review."),
                      ("Tab", "Rate 1 spin button."), ("Up", "2"), ("Menu", "Skill = 100 checked."),
                      ("Escape", "escape "), ("Shift+F10", "Skill = 100 checked."), ("Escape", "escape "),
                      ("Tab", "About push button."), ("Menu", "Skill = 100 checked."), ("Escape", "escape "),
                      ("Tab", "Item combo box."), ("End", "")]:
    heard(key, expected)
# The last item is a suit, which shows its parts. Orca's flat review misses them: it keeps the box's state from when it
# was hidden, and Qt reports only that it shows.
parts = "Ringmail Gloves, Ringmail Leggings, Ringmail Sleeves, Ringmail Tunic, Plate Gorget, Close Helm"
shown = lambda: [1 for label in labels if label.name == parts and label.getState().contains(pyatspi.STATE_SHOWING)]
wait_for("no suit's parts", shown)
