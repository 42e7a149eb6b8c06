# SPDX-License-Identifier: GPL-3.0-or-later
# What the stand-in services of the tests share: joining the private bus a
# test started (tests/support/PrivateBus.h) and owning a name there.

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


def serve(name, make):
    """Owns name on the bus at sys.argv[1] for the object make(bus, loop)
    returns, says "ready" once it does, and answers until the loop ends."""
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(sys.argv[1])
    loop = GLib.MainLoop()
    service = make(bus, loop)
    owned = dbus.service.BusName(name, bus, do_not_queue=True)
    print('ready', flush=True)
    loop.run()
    del owned, service
