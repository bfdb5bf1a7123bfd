#!/usr/bin/python3
"""What a screen reader hears of the program, read from the accessibility
bus (AT-SPI) by the journeys in quillwright_e2e.py. Runs under the system's
Python, which has the GObject bindings.

  atspi_bus.py listen FILE   each event a screen reader listens to, one JSON
                             object a line, until killed
  atspi_bus.py tree FILE     the program's accessible objects that show, as
                             one JSON list"""

import json
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

EVENTS = ["object:state-changed:showing", "object:state-changed:focused",
          "object:property-change:accessible-name", "object:property-change:accessible-description",
          "focus:", "window:activate"]


def describe(obj):
    try:
        return {"name": obj.get_name() or "", "role": obj.get_role_name(),
                "description": obj.get_description() or ""}
    except Exception as e:  # the object went while it was asked
        return {"name": "", "role": "gone", "description": str(e)}


def listen(path):
    out = open(path, "w", buffering=1)

    def heard(event):
        entry = {"time": time.time(), "type": event.type, "detail": event.detail1}
        entry.update(describe(event.source))
        out.write(json.dumps(entry) + "\n")

    listener = Atspi.EventListener.new(heard)
    for name in EVENTS:
        listener.register(name)
    out.write(json.dumps({"ready": True}) + "\n")
    Atspi.event_main()


def tree(path):
    desktop = Atspi.get_desktop(0)
    objects = []

    def walk(obj, depth):
        entry = describe(obj)
        try:
            states = obj.get_state_set()
            entry["showing"] = states.contains(Atspi.StateType.SHOWING)
            entry["focusable"] = states.contains(Atspi.StateType.FOCUSABLE)
        except Exception:
            return
        objects.append(entry)
        # Rows of a big list say nothing more; a few are enough.
        count = min(obj.get_child_count(), 60)
        for i in range(count):
            child = obj.get_child_at_index(i)
            if child is not None and depth < 30:
                walk(child, depth + 1)

    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Quillwright":
            walk(app, 0)
    with open(path, "w") as f:
        json.dump(objects, f)


if __name__ == "__main__":
    {"listen": listen, "tree": tree}[sys.argv[1]](sys.argv[2])
