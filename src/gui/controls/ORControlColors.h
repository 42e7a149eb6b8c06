// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The few colours the controls share.
namespace sw::colors {

// The accent of the whole program (the selected sidebar button).
inline QColor accentGreen() { return QColor(68, 186, 3); }
// The fill of a selected group row.
inline QColor tableRowViewSelected() { return QColor(84, 188, 0); }
inline QColor accentBlue() { return QColor(47, 128, 237); }
inline QColor accentWarm() { return QColor(245, 166, 35); }

inline QColor barPrimary() { return accentGreen(); }
inline QColor barSecondary() { return accentBlue(); }

inline QColor textPrimary() { return QColor(46, 52, 58); }
inline QColor textSecondary() { return QColor(128, 136, 145); }
inline QColor rowHover() { return QColor(243, 246, 248); }
inline QColor separator() { return QColor(232, 236, 240); }
inline QColor buttonGlyph() { return QColor(128, 136, 145); }

} // namespace sw::colors
