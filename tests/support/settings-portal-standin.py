#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for the desktop's settings portal on a private bus, for the
# colour scheme's tests: it owns org.freedesktop.portal.Desktop on the bus
# at ADDRESS and answers Settings.Read for org.freedesktop.appearance
# color-scheme with SCHEME (0 no preference, 1 dark, 2 light), the value in
# a second variant as the portal sends it; other settings are not found.
# Each line on standard input is a new scheme, sent with SettingChanged as
# the portal does; "other" sends a change of another setting instead.
#
# usage: settings-portal-standin.py ADDRESS SCHEME

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SERVICE = 'org.freedesktop.portal.Desktop'
PATH = '/org/freedesktop/portal/desktop'
SETTINGS = 'org.freedesktop.portal.Settings'
GROUP, KEY = 'org.freedesktop.appearance', 'color-scheme'


class NotFound(dbus.DBusException):
    _dbus_error_name = 'org.freedesktop.portal.Error.NotFound'


class Portal(dbus.service.Object):
    def __init__(self, bus, scheme):
        super().__init__(bus, PATH)
        self.scheme = scheme

    @dbus.service.method(SETTINGS, in_signature='ss', out_signature='v')
    def Read(self, group, key):
        if (group, key) != (GROUP, KEY):
            raise NotFound('no such setting')
        return dbus.UInt32(self.scheme, variant_level=2)

    @dbus.service.signal(SETTINGS, signature='ssv')
    def SettingChanged(self, group, key, value):
        pass

    def command(self, line):
        if line == 'other':
            self.SettingChanged(GROUP, 'accent-color', dbus.UInt32(1))
        else:
            self.scheme = int(line)
            self.SettingChanged(GROUP, KEY, dbus.UInt32(self.scheme))


def main():
    address, scheme = sys.argv[1], int(sys.argv[2])
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    loop = GLib.MainLoop()
    portal = Portal(bus, scheme)

    def on_input(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        portal.command(line.strip())
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_input)
    name = dbus.service.BusName(SERVICE, bus, do_not_queue=True)
    print('ready', flush=True)
    loop.run()
    del name, portal


if __name__ == '__main__':
    main()
