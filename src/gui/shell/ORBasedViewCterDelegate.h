// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class ORBaseViewCter;

namespace sw {
class DesktopNotifier;
}

// What a page may ask of the window that shows it.
class ORBasedViewCterDelegate
{
public:
    virtual ~ORBasedViewCterDelegate() = default;
    // Show the page with that number; numbers outside the catalogue are ignored.
    virtual void next(qint64 page) = 0;
    // Enable or disable the whole sidebar around a long operation.
    virtual void butEnable(bool enable) = 0;
    // The page with that number, made now if need be; nullptr for a number
    // outside the catalogue.
    virtual ORBaseViewCter *pageController(qint64 page) = 0;
    // The name of the tool the page with that number belongs to, as the
    // sidebar shows it; empty when unknown.
    virtual QString toolTitle(qint64 /*page*/) const { return QString(); }
    // Where messages for a user who is not looking at the window go;
    // clicking one brings the window back on the page's tool. nullptr: none.
    virtual sw::DesktopNotifier *desktopNotifier() { return nullptr; }
};
