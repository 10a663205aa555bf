"""A stand-in notification service (Debian's python3-dbus, python3-gi): Notify calls go to the
folder's notices.json (empty once it serves), each marked closed once closed; a file named answer
there invokes the last notice's action."""

import json
import os
import sys

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Notifications(dbus.service.Object):
    def __init__(self, bus, folder):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.folder = folder
        self.notices = []
        self.write()
        GLib.timeout_add(50, self.answer)

    def write(self):
        with open(os.path.join(self.folder, "notices.tmp"), "w") as out:
            json.dump(self.notices, out)
        os.replace(out.name, os.path.join(self.folder, "notices.json"))

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.notices.append({"summary": summary, "body": body, "actions": actions, "hints": hints})
        self.write()
        return len(self.notices)

    @dbus.service.method(NAME, in_signature="u")
    def CloseNotification(self, number):
        if 0 < number <= len(self.notices):
            self.notices[number - 1]["closed"] = True
            self.write()

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, number, key):
        pass

    def answer(self):
        path = os.path.join(self.folder, "answer")
        if os.path.exists(path):
            with open(path) as answer:
                self.ActionInvoked(len(self.notices), answer.read())
            os.remove(path)
        return True


DBusGMainLoop(set_as_default=True)
service = dbus.service.BusName(NAME, dbus.SessionBus())
Notifications(service.get_bus(), sys.argv[1])
GLib.MainLoop().run()
