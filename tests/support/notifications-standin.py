#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for the desktop's notification service on a private bus, for
# the notifier's tests: it owns org.freedesktop.Notifications on the bus at
# ADDRESS, answers Notify with a new id as a notification server does, and
# appends every call to LOG as one line: the method, then its arguments as
# a JSON object ("Notify {...}"). In MODE "silent" it logs a Notify and
# never answers it, as a hung server would; in MODE "answer" it answers.
#
# The test plays the user through the interface org.sweepwright.StandIn:
# Click(id, action) sends ActionInvoked, then NotificationClosed with reason
# 2 (dismissed by the user), as servers do when a notification is clicked.
#
# usage: notifications-standin.py ADDRESS MODE LOG

import json
import sys

import dbus
import dbus.service

import standin_bus

SERVICE = 'org.freedesktop.Notifications'
PATH = '/org/freedesktop/Notifications'
STANDIN = 'org.sweepwright.StandIn'
CLOSED_BY_USER = 2


def plain(value):
    """The dbus value as plain JSON data."""
    if isinstance(value, dict):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, (list, tuple)):
        return [plain(v) for v in value]
    if isinstance(value, (dbus.Boolean, bool)):
        return bool(value)
    if isinstance(value, (int, dbus.Byte)):
        return int(value)
    return str(value)


class Notifications(dbus.service.Object):
    def __init__(self, bus, silent, log):
        super().__init__(bus, PATH)
        self.silent = silent
        self.log_path = log
        self.last_id = 0
        self.unanswered = []

    def log(self, method, **args):
        with open(self.log_path, 'a') as out:
            out.write(method + ' ' + json.dumps(plain(args), sort_keys=True) + '\n')

    @dbus.service.method(SERVICE, in_signature='susssasa{sv}i', out_signature='u',
                         async_callbacks=('reply', 'error'))
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout,
               reply, error):
        self.last_id = replaces_id or self.last_id + 1
        self.log('Notify', id=self.last_id, app_name=app_name, replaces_id=replaces_id, app_icon=app_icon,
                 summary=summary, body=body, actions=actions, hints=hints, expire_timeout=expire_timeout)
        if self.silent:
            self.unanswered.append(reply)  # kept, so the call stays open
        else:
            reply(dbus.UInt32(self.last_id))

    @dbus.service.method(SERVICE, in_signature='u')
    def CloseNotification(self, notification_id):
        self.log('CloseNotification', id=notification_id)
        self.NotificationClosed(notification_id, 3)

    @dbus.service.method(SERVICE, out_signature='as')
    def GetCapabilities(self):
        self.log('GetCapabilities')
        return ['actions', 'body']

    @dbus.service.method(SERVICE, out_signature='ssss')
    def GetServerInformation(self):
        self.log('GetServerInformation')
        return ('notifications-standin', 'Sweepwright tests', '1', '1.2')

    @dbus.service.method(STANDIN, in_signature='us')
    def Click(self, notification_id, action):
        self.ActionInvoked(notification_id, action)
        self.NotificationClosed(notification_id, CLOSED_BY_USER)

    @dbus.service.signal(SERVICE, signature='us')
    def ActionInvoked(self, notification_id, action_key):
        pass

    @dbus.service.signal(SERVICE, signature='uu')
    def NotificationClosed(self, notification_id, reason):
        pass


def main():
    mode, log = sys.argv[2:4]
    standin_bus.serve(SERVICE, lambda bus, loop: Notifications(bus, mode == 'silent', log))


if __name__ == '__main__':
    main()
