// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class ORBaseViewCter;

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
};
