// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/PageNumber.h"

#include <QList>

class ORBaseViewCter;
class ORBasedViewCterDelegate;
class QWidget;

namespace sw {

// What the main window does when a tool is opened from the sidebar.
enum class ToolEntry {
    Show,          // shows the entry page as it was left
    Reset,         // shows the entry page in its idle state (or_Status(PageIdle))
    ReopenResult,  // the result page while the engine holds a result, else Reset
};

// One page of a tool and how to make it.
struct ToolPage
{
    PageNumber number;
    ORBaseViewCter *(*make)(ORBasedViewCterDelegate *delegate, QWidget *parent);
};

// One tool as the main window knows it: its sidebar button, where it opens,
// and its pages. A tool without pages keeps its button disabled.
struct ToolRow
{
    const char *objectName;  // the sidebar button's
    const char *image;
    const char *title;       // translated in the context "ORMainWinController"
    PageNumber entryPage;    // also the button's tag
    ToolEntry entry = ToolEntry::Show;
    PageNumber resultPage = PageNumber(0);  // where ReopenResult leads
    bool (*holdsResult)() = nullptr;        // whether the engine holds a result worth showing
    QList<ToolPage> pages;
};

using ToolRegistry = QList<ToolRow>;

// The tools, in sidebar order from top to bottom.
const ToolRegistry &toolRegistry();

}  // namespace sw
