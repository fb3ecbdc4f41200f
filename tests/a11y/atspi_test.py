#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The running program as a screen reader meets it, read through AT-SPI.

Starts the built program on the X display and D-Bus session it is given (run it under xvfb-run and
dbus-run-session), then, through the accessibility bus alone: checks the name, role and value of every
control of the birth-data form and that nothing inside a hidden control claims to be showing; presses a
link and sees the browser asked for its page; asks for a reading of an empty form and reads the message box
that opens; fills the form by setting the fields' texts and pressing list entries; asks for the reading and
reads the reading window's frames, headings with their values and description boxes; opens the wheel window by
its button, reads its positions and closes it; ends with Exit.

What a screen reader announces for the birth-data form goes to <artifacts>/birth-form-announced.txt.

Usage: atspi_test.py <quorvane binary> <artifacts folder>
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib



def product_facts(program):
    """The caption and the forms' sizes, as the build made them (generated/product.env beside bin/)."""
    facts = {}
    with open(os.path.join(os.path.dirname(os.path.abspath(program)), "..", "generated", "product.env")) as env:
        for line in env:
            if "=" in line and not line.startswith("#"):
                key, value = line.strip().split("=", 1)
                facts[key] = value.strip("'")
    return facts


TITLE = product_facts(sys.argv[1])["QUORVANE_TITLE"]
SIGNS = {"Build", "Trade", "Collect", "Heal", "Rule", "Interpret", "Teach", "Protect", "Art", "Law",
         "Explore", "Nurture"}
FRAMES = ["Galactic Sun Sign", "Galactic Ascendant", "Galactic Moon Sign", "Galactic Descendant"]

# The birth-data form's controls as they should be announced when the form opens: name, role, value.
BIRTH_FORM = [
    ("Name", "text", ""),
    ("Birth month", "combo box", "January"),
    ("Birth day", "combo box", "1"),
    ("Birth year", "combo box", "1901"),
    ("Birth hour", "combo box", "0"),
    ("Birth minute", "combo box", "0"),
    ("Birth second", "combo box", "0"),
    ("Daylight Saving Time", "check box", "not checked"),
    ("Time zone", "combo box", "Greenwich Mean Time,GMT,0.0"),
    ("Latitude degrees", "text", ""),
    ("Latitude minutes", "text", ""),
    ("Latitude: North", "radio button", "checked"),
    ("Latitude: South", "radio button", "not checked"),
    ("Longitude degrees", "text", ""),
    ("Longitude minutes", "text", ""),
    ("Longitude: East", "radio button", "checked"),
    ("Longitude: West", "radio button", "not checked"),
    ("City", "text", ""),
    ("State", "text", ""),
    ("Country", "text", ""),
    ("Click Here To Find Latitude & Longitude", "push button", ""),
    ("Get My Galactic Astrology Reading", "push button", ""),
    ("Time unknown", "check box", "not checked"),
    ("Earliest birth hour", "combo box", "0"),
    ("Earliest birth minute", "combo box", "0"),
    ("Latest birth hour", "combo box", "23"),
    ("Latest birth minute", "combo box", "59"),
]
GROUPS = ["Banner", "Enter Personal Details", "Zone", "Latitude", "Longitude", "Links"]
LINK_HINTS = ["discussion board", "Home Business Opportunity.", "Co-brand"]

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return ok


def fatal(what):
    print("FAIL:", what, flush=True)
    sys.exit(1)


def pump(seconds):
    """Lets events from the bus arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(find, what, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # an object that went away while being read
            found = None
        if found:
            return found
        pump(0.1)
    fatal("waited %ss for %s" % (seconds, what))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def role_of(node):
    """The role's name, as AT-SPI up to Debian 12's gives it: later ones call a push button "button"."""
    role = node.getRoleName()
    return "push button" if role == "button" else role


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def descendants(node, depth=0):
    for child in children(node):
        yield child
        if depth < 30:
            yield from descendants(child, depth + 1)


def find(root, name=None, role=None, only_showing=True, contains=None):
    for node in descendants(root):
        if only_showing and not showing(node):
            continue
        if name is not None and node.name != name:
            continue
        if contains is not None and contains not in node.name:
            continue
        if role is not None and role_of(node) != role:
            continue
        return node
    return None


def value_of(node):
    """What a screen reader says after a control's name and role."""
    role = role_of(node)
    states = node.getState()
    if role == "combo box":
        picked = [c.name for c in children(node) if c.getState().contains(pyatspi.STATE_SELECTED)]
        shown = node.queryText().getText(0, -1) if "Text" in pyatspi.listInterfaces(node) else None
        if len(picked) != 1 or shown != picked[0]:
            return "<selected %s, text %r>" % (picked, shown)
        return shown
    if role in ("check box", "radio button"):
        return "checked" if states.contains(pyatspi.STATE_CHECKED) else "not checked"
    if "Text" in pyatspi.listInterfaces(node):
        return node.queryText().getText(0, -1)
    return ""


def press(node, action="Press"):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if not check(action in names, "%s (%s) offers %s, not %s" % (node.name, role_of(node), names, action)):
        return
    actions.doAction(names.index(action))


def the_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, has_group):
    """The shown window captioned with the product title that holds the named group."""
    for frame in children(app):
        if frame.name == TITLE and showing(frame) and find(frame, has_group, "panel"):
            return frame
    return None


def hidden_but_showing(node, path="", parent_showing=True, depth=0):
    """Objects that claim to be on screen inside something that is not."""
    found = []
    for child in children(node):
        here = "%s/%s(%s)" % (path, child.name, role_of(child))
        child_showing = showing(child)
        if child_showing and not parent_showing:
            found.append(here)
        if depth < 30:
            found += hidden_but_showing(child, here, parent_showing and child_showing, depth + 1)
    return found


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def set_text(form, name, text):
    field = find(form, name, "text")
    if not check(field is not None, "no text field named %r" % name):
        return
    field.queryEditableText().setTextContents(text)
    wait_for(lambda: field.queryText().getText(0, -1) == text, "%r to hold %r" % (name, text), 5)


def pick(form, name, entry, starts=False):
    lst = find(form, name, "combo box")
    if not check(lst is not None, "no list named %r" % name):
        return
    matches = [c for c in children(lst) if (c.name.startswith(entry) if starts else c.name == entry)]
    if not check(len(matches) >= 1, "list %r has no entry %r" % (name, entry)):
        return
    check(not showing(matches[0]), "entry %r of the closed list %r is exposed as showing" % (entry, name))
    press(matches[0])
    wait_for(lambda: value_of(lst) == matches[0].name, "list %r to show %r" % (name, entry), 5)


def main():
    app_path, artifacts = sys.argv[1], sys.argv[2]
    os.makedirs(artifacts, exist_ok=True)
    work = tempfile.mkdtemp()
    # The desktop's browser opener, replaced by one that writes down what it was asked to open.
    opened = os.path.join(work, "opened.txt")
    os.makedirs(os.path.join(work, "bin"))
    opener = os.path.join(work, "bin", "xdg-open")
    with open(opener, "w") as f:
        f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % opened)
    os.chmod(opener, 0o755)
    env = dict(os.environ, PATH=os.path.join(work, "bin") + os.pathsep + os.environ.get("PATH", ""),
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb",
               QUORVANE_RUNTIME_DIR=os.path.join(work, "run"))
    os.makedirs(env["QUORVANE_RUNTIME_DIR"])

    events = []

    def heard(event):
        try:
            events.append((event.type, role_of(event.source), event.source.name))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(heard, "window:activate", "window:create",
                                           "object:state-changed:showing", "focus:",
                                           "object:property-change:accessible-description", "object:announcement")
    pyatspi.Registry.getDesktop(0)  # brings the accessibility bus up before the program looks for it
    log = open(os.path.join(artifacts, "program.log"), "w")
    program = subprocess.Popen([app_path], env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        run(program, opened, events, artifacts)
    finally:
        if program.poll() is None:
            program.kill()
        program.wait()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        print("%d check(s) failed" % len(failures))
        sys.exit(1)
    print("PASS: birth-data form names, roles and values, links, message box, a reading made through "
          "AT-SPI alone, reading frames, the wheel window, Exit")


def announcements(window, path):
    """Name, role and value of every shown object a screen reader stops at, in tree order; also to `path`."""
    said = []
    for node in descendants(window):
        if not showing(node) or role_of(node) in ("filler", "list item", "menu bar"):
            continue
        if role_of(node) == "frame" and not node.name:
            continue
        value = value_of(node)
        said.append((node.name, role_of(node), value if role_of(node) != "text" or len(value) < 60
                     else value[:57] + "..."))
    with open(path, "w") as f:
        for name, role, value in said:
            f.write("%s | %s | %s\n" % (name, role, value))
    return said


def run(program, opened, events, artifacts):
    app = wait_for(lambda: the_app(program.pid), "the program on the accessibility bus")
    form = wait_for(lambda: window(app, "Enter Personal Details"), "the birth-data form")

    # 1. Every control: its name, role and value, in the order a screen reader walks them.
    announced = announcements(form, os.path.join(artifacts, "birth-form-announced.txt"))
    controls = [a for a in announced if a[1] not in ("label", "panel", "link", "menu item")]
    check(controls == BIRTH_FORM, "the form's controls are announced as\n  %s" %
          "\n  ".join(map(str, controls)))
    groups = [a[0] for a in announced if a[1] == "panel"]
    check(groups == GROUPS, "the form's groups are %s" % groups)
    for node in descendants(form):
        st = node.getState()
        if showing(node) and st.contains(pyatspi.STATE_FOCUSABLE):
            check(node.name.strip() != "", "a focusable %s has no name" % role_of(node))
    for field, label in [("Name", "Name"), ("City", "City"), ("Country", "Country")]:
        check(label in labelled_by(find(form, field, "text")), "the %s field is not labelled by its label" % field)
    # A label that stands for several fields or for a unit labels none: a screen reader would read it in
    # place of the field's own name.
    for field, role in [("Latitude degrees", "text"), ("Longitude minutes", "text"), ("Birth month", "combo box"),
                        ("Birth hour", "combo box")]:
        labels = labelled_by(find(form, field, role))
        check(not set(labels) & {"Deg", "Min", "Date of Birth", "Time of Birth"},
              "the %s field is labelled by %s" % (field, labels))

    # Hidden things stay hidden: the zone suggestion until a place is chosen, the closed lists' entries,
    # the menus' commands until a menu opens.
    check(hidden_but_showing(form) == [], "shown inside something hidden: %s" % hidden_but_showing(form)[:5])
    suggestion = find(form, "Time zone suggestion", only_showing=False)
    check(suggestion is not None and not showing(suggestion), "the zone suggestion line is exposed as showing")
    check(find(form, "Make Money Online", "menu item") is not None and
          not find(form, "Make Money Online", "menu item").getState().contains(pyatspi.STATE_ENABLED),
          "Make Money Online is exposed as enabled")

    # 2. The links: pressable, and a press opens the page.
    links = [a[0] for a in announced if a[1] == "link"]
    check(len(links) == 3 and all(any(h in name for name in links) for h in LINK_HINTS),
          "the form's links are %s" % links)
    banner = find(form, role="link", contains="discussion board")
    press(banner)
    wait_for(lambda: os.path.exists(opened) and "page=home-page" in open(opened).read(),
             "the banner link to open the home page")

    # 3. A reading asked for with no name: the message box is announced and read.
    reading_button = find(form, "Get My Galactic Astrology Reading", "push button")
    del events[:]
    press(reading_button)
    box = wait_for(lambda: next((w for w in children(app) if showing(w) and
                                 role_of(w) in ("alert", "dialog")), None), "the message box")
    check(role_of(box) == "alert", "the message box's role is %s, not alert" % role_of(box))
    texts = [n.name for n in descendants(box) if role_of(n) == "label"]
    check("Please Enter Name" in texts, "the message box reads %s" % texts)
    pump(0.5)
    check(any(e[1] in ("alert", "dialog") and e[0] in ("window:activate", "window:create",
                                                      "object:state-changed:showing") for e in events),
          "no event announced the message box as it opened (heard %s)" % events[:8])
    press(find(box, "OK", "push button"))
    wait_for(lambda: not any(showing(w) and role_of(w) == "alert" for w in children(app)),
             "the message box to close")

    # 4. The birth of ASHA, entered through AT-SPI alone.
    set_text(form, "Name", "ASHA")
    set_text(form, "Latitude degrees", "18")
    set_text(form, "Latitude minutes", "31")
    set_text(form, "Longitude degrees", "73")
    set_text(form, "Longitude minutes", "51")
    set_text(form, "City", "Pune")
    set_text(form, "State", "Maharashtra")
    set_text(form, "Country", "India")

    # The place finder, read and used through AT-SPI; the zone suggestion is announced as it appears.
    press(find(form, "Click Here To Find Latitude & Longitude", "push button"))
    finder = wait_for(lambda: next((w for w in children(app) if showing(w) and
                                    w.name == "Find Latitude & Longitude"), None), "the place finder")
    places = wait_for(lambda: find(finder, "Places found"), "the list of places")
    check(role_of(places) in ("table", "tree table", "tree", "list"), "the places are a %s" % role_of(places))
    check(any(n.name == "Pune" for n in descendants(places)), "Pune is not among the places found")
    check(find(finder, "Use", "push button") is not None, "the finder has no Use button")
    del events[:]
    press(find(finder, "Use", "push button"))
    wait_for(lambda: not showing(finder), "the place finder to close")
    line = wait_for(lambda: find(form, "Time zone suggestion", "notification"), "the zone suggestion to show")
    # 1 Jan 1901, the form's first date: Pune's clock then kept +5:21:10, which no row has.
    check("Pune" in line.description and "UTC+5:21:10" in line.description,
          "the zone suggestion reads %r" % line.description)
    pump(0.5)
    check(any("Time zone suggestion" == e[2] for e in events),
          "no event announced the zone suggestion (heard %s)" % events[:8])
    apply = find(form, "Apply the suggested time zone", "push button")
    check(apply is not None and apply.description == line.description,
          "the suggestion's Apply does not carry the suggestion (%r)" % (apply and apply.description))
    check(value_of(find(form, "Latitude degrees", "text")) == "18", "the finder did not fill in the latitude")
    pick(form, "Birth month", "June")
    pick(form, "Birth day", "15")
    pick(form, "Birth year", "1985")
    pick(form, "Birth hour", "7")
    pick(form, "Birth minute", "30")
    pick(form, "Time zone", "India", starts=True)
    press(find(form, "Latitude: South", "radio button"), "Toggle")
    wait_for(lambda: value_of(find(form, "Latitude: North", "radio button")) == "not checked",
             "South to take North's place", 5)
    press(find(form, "Latitude: North", "radio button"), "Toggle")
    wait_for(lambda: value_of(find(form, "Latitude: North", "radio button")) == "checked", "North again", 5)
    press(find(form, "Get My Galactic Astrology Reading", "push button"))

    # 5. The reading window: four named groups, each heading with its value, the description boxes.
    reading = wait_for(lambda: window(app, "Galactic Sun Sign"), "the reading window")
    wait_for(lambda: not showing(form), "the birth-data form to give way to the reading", 5)
    for title in FRAMES:
        group = find(reading, title, "panel")
        if not check(group is not None, "no group named %r" % title):
            continue
        names = [n.name for n in descendants(group) if role_of(n) == "label" and showing(n)]
        sign = [n for n in names if n.startswith(title + ", ")]
        check(len(sign) == 1 and sign[0][len(title) + 2:] in SIGNS, "%s's sign is announced as %s" % (title, sign))
        for heading in ("Ruling Planet", "Constellation", "Keywords"):
            said = [n for n in names if n.startswith(heading + ", ")]
            check(len(said) == 1 and len(said[0]) > len(heading) + 2 and not said[0].endswith("..."),
                  "%s: %s is announced as %s" % (title, heading, said))
        box = find(group, title + " characteristics")
        if check(box is not None, "no description box named %r" % (title + " characteristics")):
            check(box.getState().contains(pyatspi.STATE_FOCUSABLE), "%s's description cannot be reached" % title)
            check(len(box.queryText().getText(0, -1)) > 40, "%s's description is empty" % title)
    announcements(reading, os.path.join(artifacts, "reading-announced.txt"))
    check(hidden_but_showing(reading) == [], "shown inside something hidden: %s" % hidden_but_showing(reading)[:5])
    for node in descendants(reading):
        if showing(node) and (node.getState().contains(pyatspi.STATE_FOCUSABLE) or
                              role_of(node) in ("scroll bar", "image", "text", "panel")):
            check(node.name.strip() != "", "a %s of the reading has no name" % role_of(node))

    # 6. The wheel window, opened by its button: the positions list with the Sun's row, its named
    # buttons, and Close through AT-SPI.
    press(find(reading, "Wheel\u2026", "push button"))

    def wheel_window():
        for frame in children(app):
            if frame.name.startswith("Galactic Wheel of ") and showing(frame):
                return frame
        return None
    wheel = wait_for(wheel_window, "the wheel window")
    check(find(wheel, "Galactic wheel") is not None, "the wheel picture has no name")
    positions = next((n for n in descendants(wheel) if n.name == "Positions" and role_of(n) != "label"
                      and showing(n)), None)
    if check(positions is not None, "no list named Positions in the wheel window"):
        cells = [n.name for n in descendants(positions)]
        check("Sun" in cells and "Descendant" in cells,
              "the positions list (%s) reads %s" % (role_of(positions), cells[:12]))
        check(any(c.startswith("4  Galactic Sun Sign") for c in cells), "the frames' degrees are not listed")
    check(find(wheel, "Save Picture\u2026", "push button") is not None, "no Save Picture button")
    press(find(wheel, "Close", "push button"))
    wait_for(lambda: wheel_window() is None, "the wheel window to close", 10)

    # 7. Exit ends the program.
    press(find(reading, "Exit", "push button"))
    end = time.monotonic() + 10
    while program.poll() is None and time.monotonic() < end:
        time.sleep(0.1)
    check(program.poll() == 0, "Exit pressed through AT-SPI left the program with %s" % program.poll())


if __name__ == "__main__":
    main()
