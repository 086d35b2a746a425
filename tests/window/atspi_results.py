# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds of the running window's results over AT-SPI: after Calculate is
pressed (through AT-SPI, as an assistive tool would), each result is labelled by its caption,
its value is readable, and the new value was announced as new text of the result, not as a new
name. Needs the window running with accessibility on, on this session bus."""
import sys
import time

import pyatspi
from gi.repository import GLib

# caption, value with the starting inputs, why
RESULTS = [
    ("RI-DI Length (Metres)", "0.172", "free-space length of one quarter wave at 435.850 MHz"),
    ("V/F Corrected (Metres)", "0.114", "the same times the factor of RG-58"),
]

failures = []


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    print(f"FAIL {what} did not appear over AT-SPI")
    sys.exit(1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "RI-DI":
            return app
    return None


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda o: o.getRole() == role and o.name == name, True)


def targets(accessible, relation):
    return [r.getTarget(i) for r in accessible.getRelationSet()
            if r.getRelationType() == relation for i in range(r.getNTargets())]


app = wait_for(application, "the application RI-DI")
button = wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Calculate"), "Calculate")
action = button.queryAction()
presses = [i for i in range(action.nActions) if action.getName(i) == "Press"]
if not presses:
    print("FAIL Calculate offers no Press action")
    sys.exit(1)

# What a screen reader hears while Calculate is pressed: the events of text and name changes.
heard = []


def on_event(event):
    try:
        heard.append((event.type, event.source.name, event.source.getRole()))
    except Exception:  # an object gone meanwhile
        return
    # Once both results were heard with new text, a moment more for any name change they
    # might bring, however slowly the events come.
    inserted = {name for kind, name, _ in heard if kind.startswith("object:text-changed:insert")}
    if event.type.startswith("object:text-changed:insert") and \
            inserted >= {caption for caption, _, _ in RESULTS}:
        GLib.timeout_add(500, lambda: pyatspi.Registry.stop() and False)


def press():
    action.doAction(presses[0])
    return False


pyatspi.Registry.registerEventListener(
    on_event, "object:text-changed", "object:property-change:accessible-name")
GLib.idle_add(press)
GLib.timeout_add(20000, lambda: pyatspi.Registry.stop() and False)  # at the latest
pyatspi.Registry.start()
pyatspi.Registry.deregisterEventListener(
    on_event, "object:text-changed", "object:property-change:accessible-name")

for caption_text, value, why in RESULTS:
    caption = find(app, pyatspi.ROLE_LABEL, caption_text)
    if caption is None:
        failures.append(f"no caption {caption_text!r}")
        continue
    labelled = targets(caption, pyatspi.RELATION_LABEL_FOR)
    if len(labelled) != 1:
        failures.append(f"{caption_text!r} labels {len(labelled)} objects, not its result")
        continue
    result = labelled[0]
    labels = [t.name for t in targets(result, pyatspi.RELATION_LABELLED_BY)]
    if labels != [caption_text]:
        failures.append(f"the result under {caption_text!r} is labelled by {labels}")
    if result.name != caption_text:
        failures.append(f"the result under {caption_text!r} is named {result.name!r}")
    text = result.queryText()
    shown = wait_for(lambda: text.getText(0, -1) or None, f"a value under {caption_text!r}", 5)
    if shown != value:
        failures.append(f"{caption_text!r} reads {shown!r}, not {value!r} ({why})")
    if not result.description:
        failures.append(f"the result under {caption_text!r} has no description")
    role = result.getRole()
    of_result = [kind for kind, name, r in heard if name == caption_text and r == role]
    if not any(kind.startswith("object:text-changed:insert") for kind in of_result):
        failures.append(f"the new value under {caption_text!r} was not announced as new text "
                        f"(heard {of_result})")
    if any(kind.startswith("object:property-change:accessible-name") for kind in of_result):
        failures.append(f"the new value under {caption_text!r} was announced as a new name")

for failure in failures:
    print("FAIL", failure)
sys.exit(1 if failures else 0)
