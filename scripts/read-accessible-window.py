#!/usr/bin/python3
"""Reads the Caldrix window over AT-SPI, as a screen reader does.

Usage: read-accessible-window.py active
         status 0 when the window reads as the active one (keys go to it);
       read-accessible-window.py names [page tab caption...]
         every shown control has an accessible name that a screen reader can
         read out (not only a symbol), on each page the tabs of these
         captions open in turn (opened as a screen reader does, through the
         tab's action);
       read-accessible-window.py tab <number>
         the Tab key moves the focus through more than <number> controls, each
         with a name, and back around to the first.
Run by scripts/check-accessibility.sh on a display and an accessibility bus
where Caldrix runs with its window shown and active. Needs python3-pyatspi.
Prints what it found; ends with status 1 and the reasons on a failure.
"""

import subprocess
import sys
import time

import pyatspi

# The roles of the controls a user works with; each needs a name to be read
# out by.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE,
}
# Text roles count as controls when the keyboard can reach them (a label
# may be exposed as text too).
TEXT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT}
# What a page's tab may be read out as (a checkable button, among others).
TAB_ROLES = {pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PUSH_BUTTON}

# How long one wait may take: the window appearing, the focus moving.
DEADLINE_SECONDS = 20
# Tab presses after which the focus must have come back to where it began.
MOST_PRESSES = 400


def fail(message):
    print("read-accessible-window: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe):
    """probe()'s first true answer, asked every 0.1 s until the deadline."""
    deadline = time.monotonic() + DEADLINE_SECONDS
    while True:
        try:
            answer = probe()
        except Exception:  # an object that went while it was read
            answer = None
        if answer:
            return answer
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.1)


def states(acc):
    return acc.getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def caldrix_window():
    """The application's shown main window (titled Caldrix)."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != "Caldrix":
            continue
        for window in app:
            if window is not None and window.name == "Caldrix" and showing(window):
                return window
    return None


def application_there():
    return any(app is not None and app.name == "Caldrix" for app in pyatspi.Registry.getDesktop(0))


def shown_objects(root):
    """Every shown object under root, with the names of its ancestors."""
    found = []
    pending = [(root, [])]
    while pending:
        acc, trail = pending.pop()
        for index in range(acc.childCount - 1, -1, -1):
            child = acc.getChildAtIndex(index)
            if child is None or not showing(child):
                continue
            found.append((child, trail))
            pending.append((child, trail + [describe(child)]))
    return found


def readable(name):
    """A name a screen reader reads out as words: not empty, not only an
    arrow or another symbol."""
    return any(c.isalnum() for c in name)


def describe(acc):
    name = acc.name.strip()
    return "%s %r" % (acc.getRoleName(), name) if name else acc.getRoleName()


def is_control(acc):
    role = acc.getRole()
    if role in CONTROL_ROLES:
        return True
    return role in TEXT_ROLES and states(acc).contains(pyatspi.STATE_FOCUSABLE)


def where(acc, trail):
    """Where a control sits, for a developer to find it: its ancestors and
    the names of the objects beside it."""
    neighbours = []
    parent = acc.parent
    if parent is not None:
        for sibling in parent:
            if sibling is not None and sibling != acc and sibling.name.strip():
                neighbours.append(describe(sibling))
    text = " > ".join(trail + [acc.getRoleName()])
    if neighbours:
        text += " (beside " + ", ".join(neighbours[:4]) + ")"
    return text


def shown_controls(window):
    return {identity(acc) for acc, _ in shown_objects(window) if is_control(acc)}


def unnamed_controls(window):
    """The shown controls without a name, and how many controls were read."""
    objects = shown_objects(window)
    controls = [(acc, trail) for acc, trail in objects if is_control(acc)]
    return [where(acc, trail) for acc, trail in controls if not readable(acc.name)], len(controls)


def focused(window):
    for acc, trail in shown_objects(window):
        if states(acc).contains(pyatspi.STATE_FOCUSED):
            return acc, trail
    return None


def identity(acc):
    return acc.path


def press_tab():
    subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=True)


def activate(acc):
    """Works a button through its action, as a screen reader's user does:
    pressed, or toggled where that is what it offers."""
    action = acc.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "click", "toggle"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    fail("%s offers no action to open its page (it offers %s)" % (describe(acc), ", ".join(names) or "none"))


def page_tab(window, caption):
    """The shown tab that opens the page of that caption."""
    for acc, _ in shown_objects(window):
        if acc.name == caption and acc.getRole() in TAB_ROLES:
            return acc
    return None


def check_names(window, pages):
    """Every shown control has a name, on each page in turn as its tab opens it."""
    problems = []
    total = 0
    for caption in pages or [None]:
        if caption is not None:
            tab = wait_for("no tab \"%s\" on the window" % caption, lambda: page_tab(window, caption))
            if not states(tab).contains(pyatspi.STATE_CHECKED) and not states(tab).contains(pyatspi.STATE_SELECTED):
                before = shown_controls(window)
                activate(tab)
                # Another page shows other controls.
                wait_for("the tab \"%s\" did not open its page" % caption,
                         lambda: shown_controls(window) != before)
            wait_for("the tab \"%s\" does not read as the current one" % caption,
                     lambda: states(tab).contains(pyatspi.STATE_CHECKED) or states(tab).contains(pyatspi.STATE_SELECTED))
        missing, count = wait_for("the window shows no controls",
                                  lambda: (lambda r: r if r[1] else None)(unnamed_controls(window)))
        total += count
        if caption is not None:
            print("page \"%s\": %d controls" % (caption, count))
        for control in missing:
            problems.append(("on the page \"%s\": " % caption if caption else "") + control)
    print("%d shown controls read, %d without a readable name" % (total, len(problems)))
    if problems:
        fail("%d shown controls have no readable accessible name:\n  %s" % (len(problems), "\n  ".join(problems)))


def check_tab(window, least):
    """Tab moves the focus from control to control and comes back around to
    the first; every control it stops at is read out too."""
    previous = None
    reached = []
    unnamed_stops = []
    for _ in range(MOST_PRESSES):
        press_tab()
        before = identity(previous[0]) if previous else None
        moved = wait_for("Tab did not move the focus" + (" away from " + where(*previous) if previous else ""),
                         lambda: (lambda f: f if f and identity(f[0]) != before else None)(focused(window)))
        key = identity(moved[0])
        if reached and key == reached[0]:
            break
        if key in reached:
            fail("Tab went round a loop that leaves out the first control it reached; it came back to "
                 + where(*moved))
        reached.append(key)
        if not readable(moved[0].name):
            unnamed_stops.append(where(*moved))
        previous = moved
    else:
        fail("Tab did not come back around within %d presses" % MOST_PRESSES)
    print("Tab reached %d controls and came back around" % len(reached))
    problems = []
    if len(reached) <= least:
        problems.append("Tab reached only %d controls, expected more than %d" % (len(reached), least))
    if unnamed_stops:
        problems.append("Tab stops at %d objects without a readable accessible name:\n  %s" %
                        (len(unnamed_stops), "\n  ".join(unnamed_stops)))
    if problems:
        fail("\n".join(problems))


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ("active", "names", "tab") or \
            (sys.argv[1] == "tab" and len(sys.argv) != 3):
        fail("usage: read-accessible-window.py active | names [page tab caption...] | tab <number>")
    if sys.argv[1] == "active":
        window = caldrix_window()
        sys.exit(0 if window is not None and states(window).contains(pyatspi.STATE_ACTIVE) else 1)
    wait_for("no application \"Caldrix\" on the accessibility bus", application_there)
    window = wait_for("the application shows no window \"Caldrix\"", caldrix_window)
    if sys.argv[1] == "names":
        check_names(window, sys.argv[2:])
    else:
        check_tab(window, int(sys.argv[2]))


if __name__ == "__main__":
    main()
