#!/usr/bin/python3
# Use: with varnex on DISPLAY under an AT-SPI bus, tools/atspi-read.py [XDOTOOL-KEYS...] (default alt+Down twice).
"""Reads Varnex over AT-SPI as a screen reader would.

Prints the focused pane's name, description, caret offset and the line at the caret, then
presses each key given (xdotool names) into the Varnex window and prints the events the
program sent meanwhile (caret moves, description, name and announcement changes) and the
focused pane and the status bar afterwards.
"""

import subprocess
import sys

import pyatspi
from gi.repository import GLib

SETTLE_MS = 700
TOLD_EVENTS = (
    "object:text-caret-moved",
    "object:text-selection-changed",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:announcement",
)


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == name:
            return application
    sys.exit(f"no application {name!r} on the AT-SPI bus")


def walk(accessible):
    yield accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def focused_text(application):
    for accessible in walk(application):
        states = accessible.getState()
        if states.contains(pyatspi.STATE_FOCUSED) and "Text" in pyatspi.listInterfaces(accessible):
            return accessible
    return None


def status_prompt(application):
    for accessible in walk(application):
        if accessible.getRole() == pyatspi.ROLE_STATUS_BAR:
            labels = [child for child in walk(accessible) if child.getRole() == pyatspi.ROLE_LABEL]
            return labels[0] if labels else None
    return None


def describe_pane(pane):
    text = pane.queryText()
    caret = text.caretOffset
    line, start, end = text.getTextAtOffset(caret, pyatspi.TEXT_BOUNDARY_LINE_START)
    print(f"  pane:             {pane.getRoleName()} {pane.name!r}")
    print(f"  pane description: {pane.description}")
    print(f"  caret offset:     {caret} of {text.characterCount}")
    print(f"  line at caret:    {line.rstrip(chr(10))!r} [{start}, {end})")


def describe_status(application):
    prompt = status_prompt(application)
    if prompt is not None:
        print(f"  status bar:       {prompt.name!r} (description {prompt.description!r})")


def on_event(event):
    source = event.source
    detail = event.any_data if isinstance(event.any_data, str) else event.detail1
    role = source.getRoleName() if source is not None else "?"
    print(f"  told: {event.type} from {role} {source.name if source else ''!r}: {detail!r}")


def run_for_a_while(action):
    def act():
        GLib.timeout_add(SETTLE_MS, stop)
        action()
        return False

    def stop():
        pyatspi.Registry.stop()
        return False

    GLib.timeout_add(100, act)
    pyatspi.Registry.start()


def xdotool(*arguments):
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Varnex", "windowfocus", "--sync",
                    *arguments],
                   check=True)


def main():
    keys = sys.argv[1:] or ["alt+Down", "alt+Down"]
    application = find_application("varnex")
    run_for_a_while(xdotool)  # the window takes the keyboard focus
    pane = focused_text(application)
    if pane is None:
        sys.exit("no focused text in varnex")
    print("opened:")
    describe_pane(pane)
    describe_status(application)
    pyatspi.Registry.registerEventListener(on_event, *TOLD_EVENTS)
    for key in keys:
        print(f"after {key}:")
        run_for_a_while(lambda: xdotool("key", key))
        describe_pane(focused_text(application) or pane)
        describe_status(application)


if __name__ == "__main__":
    main()
