"""A stand-in for the desktop's notification service, run by Debian's python3 (python3-dbus,
python3-gi) on the test's own session bus: it writes the Notify calls to notices.json in the
folder given, and once a file named answer appears there, invokes the action it names."""

import json
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Notifications(dbus.service.Object):
    def __init__(self, bus, folder):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.folder = folder
        self.notices = []
        GLib.timeout_add(50, self.answer)

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.notices.append({"summary": summary, "body": body, "actions": actions, "hints": hints})
        with open(os.path.join(self.folder, "notices.tmp"), "w") as out:
            json.dump(self.notices, out)
        os.replace(os.path.join(self.folder, "notices.tmp"), os.path.join(self.folder, "notices.json"))
        return len(self.notices)

    @dbus.service.method(NAME, in_signature="u")
    def CloseNotification(self, number):
        pass

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, number, key):
        pass

    def answer(self):
        path = os.path.join(self.folder, "answer")
        if os.path.exists(path):
            with open(path) as answer:
                key = answer.read()
            os.remove(path)
            self.ActionInvoked(len(self.notices), key)
        return True


DBusGMainLoop(set_as_default=True)
service = dbus.service.BusName(NAME, dbus.SessionBus())
Notifications(service.get_bus(), sys.argv[1])
GLib.MainLoop().run()
