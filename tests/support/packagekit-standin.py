#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for PackageKit's D-Bus service on a private bus, for the
# uninstaller's tests: it owns org.freedesktop.PackageKit on the bus at
# ADDRESS and answers the transactions the uninstaller uses from the
# packages CONFIG (JSON) describes, signals after the method's reply as
# PackageKit sends them. Every call is appended to LOG as one line: the
# method and its arguments (lists joined by ",").
#
# CONFIG: {"packages": {ID: {"files": [...], "size": N, "summary": S,
#                            "depends": [ID...], "takes": [ID...],
#                            "removal": "ok" | "refuse" | "fail" | "stay"}},
#          "stall": METHOD, "vanish": METHOD, "oneFilePerSearch": BOOL}
# "takes": what removing it would take along; "refuse": the password
# prompt dismissed; "fail": the package manager fails; "stay": it says it
# removed the package and leaves it installed. A "stall" method never
# finishes; a "vanish" one makes the service leave the bus. With
# "oneFilePerSearch" a search for several files finds nothing, as
# PackageKit's apt backend does.
#
# usage: packagekit-standin.py ADDRESS CONFIG LOG

import json
import sys

import dbus
import dbus.service
from gi.repository import GLib

import standin_bus

SERVICE = 'org.freedesktop.PackageKit'
TRANSACTION = 'org.freedesktop.PackageKit.Transaction'
INFO_INSTALLED, INFO_REMOVING, INFO_FINISHED = 1, 13, 18
EXIT_SUCCESS, EXIT_FAILED, EXIT_CANCELLED = 1, 2, 3
ERROR_PACKAGE_NOT_FOUND, ERROR_DEP_RESOLUTION_FAILED = 8, 13
ERROR_TRANSACTION_CANCELLED, ERROR_NOT_AUTHORIZED, ERROR_FAILED_TO_REMOVE = 17, 48, 59
FLAG_SIMULATE = 1 << 2
# Characters PackageKit refuses in a search, failing the whole transaction.
FORBIDDEN = set(' $`\'"^[]{}#\\<>|')


class Transaction(dbus.service.Object):
    def __init__(self, service, path):
        super().__init__(service.bus, path)
        self.service = service
        self.path = path
        self.stalled = False

    def log(self, method, *args):
        words = [','.join(a) if isinstance(a, (list, dbus.Array)) else str(int(a) if isinstance(a, bool) else a)
                 for a in args]
        with open(self.service.log, 'a') as out:
            out.write(' '.join([method] + words) + '\n')

    def later(self, method, work):
        """Runs work after the reply, then ends the transaction, as configured for method."""
        if self.service.config.get('vanish') == method:
            GLib.idle_add(self.service.loop.quit)
            return
        if self.service.config.get('stall') == method:
            self.stalled = True
            return

        def run():
            exit_code = work()
            self.Finished(exit_code if exit_code is not None else EXIT_SUCCESS, 1)
            self.Destroy()
            self.remove_from_connection()
            return False
        GLib.idle_add(run)

    def installed(self):
        return self.service.installed

    def emit_package(self, info, package_id):
        self.Package(info, package_id, self.installed().get(package_id, {}).get('summary', ''))

    def fail(self, code, details):
        self.ErrorCode(code, details)
        return EXIT_FAILED

    @dbus.service.method(TRANSACTION, in_signature='as')
    def SetHints(self, hints):
        self.log('SetHints', hints)

    @dbus.service.method(TRANSACTION, in_signature='tas')
    def SearchFiles(self, filters, values):
        self.log('SearchFiles', filters, values)
        if any(FORBIDDEN & set(v) for v in values):
            raise dbus.exceptions.DBusException('Invalid input passed to daemon',
                                                name='org.freedesktop.PackageKit.Transaction.InputInvalid')

        def work():
            if len(values) > 1 and self.service.config.get('oneFilePerSearch'):
                return
            for package_id, package in sorted(self.installed().items()):
                if set(values) & set(package.get('files', [])):
                    self.emit_package(INFO_INSTALLED, package_id)
        self.later('SearchFiles', work)

    @dbus.service.method(TRANSACTION, in_signature='as')
    def GetFiles(self, ids):
        self.log('GetFiles', ids)

        def work():
            for package_id in ids:
                if package_id not in self.installed():
                    return self.fail(ERROR_PACKAGE_NOT_FOUND, package_id + ' is not installed')
                self.Files(package_id, self.installed()[package_id].get('files', []))
        self.later('GetFiles', work)

    @dbus.service.method(TRANSACTION, in_signature='as')
    def GetDetails(self, ids):
        self.log('GetDetails', ids)

        def work():
            for package_id in ids:
                package = self.installed()[package_id]
                self.Details({'package-id': package_id, 'summary': package.get('summary', ''),
                              'description': '', 'group': dbus.UInt32(0),
                              'size': dbus.UInt64(package.get('size', 0))})
        self.later('GetDetails', work)

    @dbus.service.method(TRANSACTION, in_signature='tasb')
    def DependsOn(self, filters, ids, recursive):
        self.log('DependsOn', filters, ids, recursive)

        def work():
            found, queue = [], list(ids)
            while queue:
                for needed in self.installed().get(queue.pop(), {}).get('depends', []):
                    if needed not in found and needed in self.installed():
                        found.append(needed)
                        if recursive:
                            queue.append(needed)
            # In one batch, as PackageKit may send them.
            self.Packages([(INFO_INSTALLED, i, self.installed()[i].get('summary', '')) for i in found])
        self.later('DependsOn', work)

    @dbus.service.method(TRANSACTION, in_signature='tasb')
    def RequiredBy(self, filters, ids, recursive):
        self.log('RequiredBy', filters, ids, recursive)

        def work():
            found, queue = [], list(ids)
            while queue:
                needed = queue.pop()
                for package_id, package in sorted(self.installed().items()):
                    if needed in package.get('depends', []) and package_id not in found:
                        found.append(package_id)
                        if recursive:
                            queue.append(package_id)
            for package_id in found:
                self.emit_package(INFO_INSTALLED, package_id)
        self.later('RequiredBy', work)

    @dbus.service.method(TRANSACTION, in_signature='tas')
    def Resolve(self, filters, names):
        self.log('Resolve', filters, names)

        def work():
            for package_id in sorted(self.installed()):
                if package_id.split(';')[0] in names:
                    self.emit_package(INFO_INSTALLED, package_id)
        self.later('Resolve', work)

    @dbus.service.method(TRANSACTION, in_signature='tasbb')
    def RemovePackages(self, flags, ids, allow_deps, autoremove):
        self.log('RemovePackages', flags, ids, allow_deps, autoremove)
        self.later('RemovePackages', lambda: self.remove(flags, ids, allow_deps))

    def remove(self, flags, ids, allow_deps):
        for package_id in ids:
            if package_id not in self.installed():
                return self.fail(ERROR_PACKAGE_NOT_FOUND, package_id + ' is not installed')
        taken = [t for i in ids for t in self.installed()[i].get('takes', [])]
        if taken and not allow_deps:
            return self.fail(ERROR_DEP_RESOLUTION_FAILED, 'would remove ' + ','.join(taken))
        if flags & FLAG_SIMULATE:
            for package_id in ids + taken:
                self.emit_package(INFO_REMOVING, package_id)
            return EXIT_SUCCESS
        for package_id in ids:
            removal = self.installed()[package_id].get('removal', 'ok')
            if removal == 'refuse':
                return self.fail(ERROR_NOT_AUTHORIZED, 'Failed to obtain authentication.')
            if removal == 'fail':
                return self.fail(ERROR_FAILED_TO_REMOVE, 'dpkg: error processing package ' + package_id)
            self.emit_package(INFO_FINISHED, package_id)
            if removal != 'stay':
                del self.installed()[package_id]
        return EXIT_SUCCESS

    @dbus.service.method(TRANSACTION, in_signature='')
    def Cancel(self):
        self.log('Cancel')
        if self.stalled:
            self.stalled = False
            self.ErrorCode(ERROR_TRANSACTION_CANCELLED, 'The task was stopped successfully')
            self.Finished(EXIT_CANCELLED, 1)

    @dbus.service.signal(TRANSACTION, signature='uss')
    def Package(self, info, package_id, summary):
        pass

    @dbus.service.signal(TRANSACTION, signature='a(uss)')
    def Packages(self, packages):
        pass

    @dbus.service.signal(TRANSACTION, signature='a{sv}')
    def Details(self, data):
        pass

    @dbus.service.signal(TRANSACTION, signature='sas')
    def Files(self, package_id, file_list):
        pass

    @dbus.service.signal(TRANSACTION, signature='us')
    def ErrorCode(self, code, details):
        pass

    @dbus.service.signal(TRANSACTION, signature='uu')
    def Finished(self, exit_code, runtime):
        pass

    @dbus.service.signal(TRANSACTION, signature='')
    def Destroy(self):
        pass


class PackageKit(dbus.service.Object):
    def __init__(self, bus, config, log, loop):
        super().__init__(bus, '/org/freedesktop/PackageKit')
        self.bus = bus
        self.config = config
        self.installed = dict(config.get('packages', {}))
        self.log = log
        self.loop = loop
        self.count = 0

    @dbus.service.method('org.freedesktop.PackageKit', out_signature='o')
    def CreateTransaction(self):
        self.count += 1
        path = '/%d_standin' % self.count
        Transaction(self, path)
        return dbus.ObjectPath(path)


def main():
    config_path, log = sys.argv[2:4]
    with open(config_path) as f:
        config = json.load(f)
    standin_bus.serve(SERVICE, lambda bus, loop: PackageKit(bus, config, log, loop))


if __name__ == '__main__':
    main()
