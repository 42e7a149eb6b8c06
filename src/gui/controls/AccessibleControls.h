// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QString;

namespace sw {

// Tells Qt's accessibility how to present the hand-drawn controls: the
// ORTableView rows (AccessibleRow), the busy circles and the bars
// (AccessibleGauge). The controls call it when made; a second call does nothing.
void installAccessibleControls();

// Names a search field and the icon buttons inside it (its leading glass,
// Qt's clear button), which a screen reader meets as buttons of their own.
void nameSearchField(QLineEdit *field, const QString &name);

} // namespace sw
