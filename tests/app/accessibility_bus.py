"""Walks the running program through a session over the AT-SPI bus, as a
screen reader would: reads the About window, presses OK, types ratings,
presses Calculate, Reset and Exit, and checks what the bus shows and
announces on the way.
Usage: accessibility_bus.py <application name> <program> <its stderr file>"""

import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

APPLICATION, PROGRAM, PROGRAM_STDERR = sys.argv[1:4]
TITLE = "Kestrix Vorn Rating Calculator - TQX"
# What a reader speaks in the program's language (the environment's LANGUAGE).
SPOKEN = {
    "de": {
        "Two teams on blocks as tall as their ratings":
            "Zwei Teams auf Sockeln, so hoch wie ihre Wertungen",
        "Vorn Rating Calculator": "Vorn-Wertungsrechner",
        "Written by the Kestrix tools team, 2026": "Vom Kestrix-Werkzeugteam, 2026",
        "Free software under the MIT licence: copy it and pass it on.":
            "Freie Software unter der MIT-Lizenz: kopieren und weitergeben erlaubt.",
        "Enter the rating of players on your team and the opponent team in the "
        "labelled boxes.  Click the calculate button to determine the new ratings "
        "for a win or a loss for each player on your team.":
            "Tragen Sie die Wertungen Ihrer Spieler und der Gegner in die beschrifteten "
            "Felder ein. \u201eBerechnen\u201c zeigt die neue Wertung jedes Spielers Ihres "
            "Teams nach einem Sieg und nach einer Niederlage.",
        "Your team, player %d rating": "Ihr Team, Wertung von Spieler %d",
        "Opponent %d rating": "Wertung von Gegner %d",
        "Player %d rating after a win": "Wertung von Spieler %d nach einem Sieg",
        "Player %d rating after a loss": "Wertung von Spieler %d nach einer Niederlage",
        "Calculate": "Berechnen",
        "Reset": "Leeren",
        "Exit": "Beenden",
        "Help": "Hilfe",
        "Your Team": "Ihr Team",
        "Opponents": "Gegner",
        "Old Ratings": "Alte Wertung",
        "You Win": "Gewonnen",
        "You Lose": "Verloren",
        "A balance weighing your team against the opponents":
            "Eine Waage, die Ihr Team gegen die Gegner abwägt",
    },
    # Read right to left: the windows are mirrored, and a row's reading starts on the right.
    "ar": {
        "Two teams on blocks as tall as their ratings": "فريقان على قاعدتين بارتفاع تقييمهما",
        "Vorn Rating Calculator": "حاسبة تقييم Vorn",
        "Version: Solvane 1.0": "الإصدار: Solvane 1.0",
        "Written by the Kestrix tools team, 2026": "أعدّته جماعة Kestrix، 2026",
        "Free software under the MIT licence: copy it and pass it on.":
            "برنامج حر بترخيص MIT: انسخه ومرّره إلى غيرك.",
        "Enter the rating of players on your team and the opponent team in the "
        "labelled boxes.  Click the calculate button to determine the new ratings "
        "for a win or a loss for each player on your team.":
            "اكتب تقييمات لاعبي فريقك والفريق الخصم في المربعات المعنونة. انقر «احسب» "
            "لمعرفة التقييم الجديد لكل لاعب في فريقك بعد الفوز أو الخسارة.",
        "OK": "موافق",
        "Your team, player %d rating": "فريقك، تقييم اللاعب %d",
        "Opponent %d rating": "تقييم الخصم %d",
        "Player %d rating after a win": "تقييم اللاعب %d بعد الفوز",
        "Player %d rating after a loss": "تقييم اللاعب %d بعد الخسارة",
        "Calculate": "احسب",
        "Reset": "مسح",
        "Help": "مساعدة",
        "Exit": "خروج",
        "Your Team": "فريقك",
        "Opponents": "الخصوم",
        "Old Ratings": "التقييم الحالي",
        "You Win": "بعد الفوز",
        "You Lose": "بعد الخسارة",
        "A balance weighing your team against the opponents": "ميزان يزن فريقك مقابل الخصوم",
    },
}.get(os.environ.get("VRC_SPOKEN_LANGUAGE", ""), {})


def t(text, number=None):
    if number is None:
        return SPOKEN.get(text, text)
    return SPOKEN.get(text, text) % number


ABOUT_ORDER = [
    ("image", t("Two teams on blocks as tall as their ratings")),
    ("label", "Kestrix"),
    ("label", t("Vorn Rating Calculator")),
    ("label", t("Version: Solvane 1.0")),
    ("label", t("Written by the Kestrix tools team, 2026")),
    ("label", "vornratingcalc@example.org"),
    ("label", t("Free software under the MIT licence: copy it and pass it on.")),
    ("separator", ""),
    ("label", t("Enter the rating of players on your team and the opponent team in the "
                "labelled boxes.  Click the calculate button to determine the new ratings "
                "for a win or a loss for each player on your team.")),
    ("push button", t("OK")),
]
# The rating window in reading order, which is the same in every language: mirrored
# on screen, a right-to-left window reads each row from the right.
RATING_ORDER = (
    [t("Old Ratings"), t("You Win"), t("You Lose"), "", t("Your Team")]
    + [name for player in (1, 2, 3) for name in (
        t("Your team, player %d rating", player), t("Player %d rating after a win", player),
        t("Player %d rating after a loss", player))]
    + ["", t("Opponents"), t("Opponent %d rating", 1),
       t("A balance weighing your team against the opponents"),
       t("Opponent %d rating", 2), t("Opponent %d rating", 3),
       t("Calculate"), t("Reset"), t("Help"), t("Exit")])
ENTRIES = {
    t("Your team, player %d rating", 1): "500",
    t("Your team, player %d rating", 2): "600",
    t("Opponent %d rating", 1): "550",
    t("Opponent %d rating", 2): "650",
    t("Opponent %d rating", 3): "700",
}
RESULTS = {
    t("Player %d rating after a win", 1): " 510",
    t("Player %d rating after a loss", 1): " 494",
    t("Player %d rating after a win", 2): " 610",
    t("Player %d rating after a loss", 2): " 594",
    t("Player %d rating after a win", 3): "",
    t("Player %d rating after a loss", 3): "",
}

failures = []
announced = []
entry_echoes = []


def check(condition, what):
    if not condition:
        failures.append(what)


def window(role):
    for application in pyatspi.Registry.getDesktop(0):
        if application is None or application.name != APPLICATION:
            continue
        for child in application:
            if (child is not None and child.getRoleName() == role
                    and child.getState().contains(pyatspi.STATE_SHOWING)):
                return child
    return None


def child_named(parent, name):
    for child in parent:
        if child.name == name:
            return child
    raise LookupError(name)


def shown_text(accessible):
    return accessible.queryText().getText(0, -1)


def press(parent, name):
    child_named(parent, name).queryAction().doAction(0)


def on_object_event(event):
    if not event.type.startswith("object:text-changed"):
        return
    role = event.source.getRoleName()
    if role == "label":
        announced.append((event.type.split(":")[-1], event.source.name, event.any_data))
    elif role == "text":
        entry_echoes.append(event.any_data)


def read_about():
    about = window("dialog")
    if about is None:
        return False
    check(about.name == TITLE, "About window title: %r" % about.name)
    order = [(child.getRoleName(), child.name) for child in about]
    check(order == ABOUT_ORDER, "About window reading order: %r" % order)
    press(about, t("OK"))
    return True


def calculate():
    main = window("frame")
    if main is None:
        return False
    # Typing into a box until its echo comes back shows the program knows of
    # our listener, so no announcement is missed.
    # Cleared first, so each try is a change the program announces.
    first, rating = next(iter(ENTRIES.items()))
    box = child_named(main, first).queryEditableText()
    box.setTextContents("")
    box.setTextContents(rating)
    if rating not in entry_echoes:
        return False
    check(main.name == TITLE, "rating window title: %r" % main.name)
    order = [child.name for child in main]
    check(order == RATING_ORDER, "rating window reading order: %r" % order)
    for child in main:
        role = child.getRoleName()
        check(role == "separator" or child.name.strip(), "nameless %s" % role)
    for name in RESULTS:
        check(shown_text(child_named(main, name)) == "", "%s not blank at first" % name)
    for name, rating in ENTRIES.items():
        child_named(main, name).queryEditableText().setTextContents(rating)
    press(main, t("Calculate"))
    return True


def read_results():
    main = window("frame")
    if len(announced) < sum(1 for shown in RESULTS.values() if shown):
        return False
    for name, shown in RESULTS.items():
        text = shown_text(child_named(main, name))
        check(text == shown, "%s shows %r, not %r" % (name, text, shown))
    press(main, t("Reset"))
    return True


def read_reset():
    main = window("frame")
    results = [(name, shown) for name, shown in RESULTS.items() if shown]
    expected = ([("insert", name, shown) for name, shown in results]
                + [("delete", name, shown) for name, shown in results])
    if len(announced) < len(expected):
        return False
    for name in RESULTS:
        check(shown_text(child_named(main, name)) == "", "%s not blank after Reset" % name)
    check(announced == expected, "text changes announced: %r" % announced)
    press(main, t("Exit"))
    return True


def program_ended():
    return window("frame") is None


STEPS = [read_about, calculate, read_results, read_reset, program_ended]


def advance():
    try:
        if STEPS[0]():
            STEPS.pop(0)
    except Exception as error:  # the program may still be building its tree
        print("retrying %s: %s" % (STEPS[0].__name__, error))
    if not STEPS:
        pyatspi.Registry.stop()
        return False
    return True


def give_up():
    failures.append("timed out waiting for %s" % STEPS[0].__name__)
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None:
            print("on the bus: %r with %r" % (application.name, [
                (child.getRoleName(), child.name) for child in application]))
    print("entry echoes: %r, announced: %r" % (entry_echoes, announced))
    pyatspi.Registry.stop()
    return False


# Listening to every object event, as a screen reader does, is what makes the
# bridge send them all, and complain about any it cannot describe.
pyatspi.Registry.registerEventListener(on_object_event, "object:", "window:")
# Only now the program: Qt's bridge reads the registered listeners once as
# it starts and then follows announcements of new ones, and one made in
# between is missed for good (no event would ever come).
program = subprocess.Popen(
    [PROGRAM], stderr=open(PROGRAM_STDERR, "w"),
    env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
GLib.timeout_add(200, advance)
# Guards against a hang only; a session takes a few seconds.
GLib.timeout_add_seconds(90, give_up)
pyatspi.Registry.start()
if failures:
    program.kill()
try:
    program.wait(timeout=30)
except subprocess.TimeoutExpired:
    program.kill()
    program.wait()
    failures.append("the program did not end after Exit")

for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
