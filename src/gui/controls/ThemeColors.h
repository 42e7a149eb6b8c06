// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QPalette;

namespace sw {

// The program's named colours, and the only place colours are written down.
// Each name has a value for a light desktop and one for a dark desktop; which
// one applies follows the application palette's window lightness, so a
// palette the desktop or a test sets at run time switches them all. Texts are
// chosen to read at 4.5:1 or better on the grounds they are used on.
//
// Style sheets name them as @name tokens ("color:@text;"), see sheet().
class ThemeColors
{
public:
    enum Role {
        // Grounds
        Surface, // the content area
        Sidebar,
        Card,     // cards, tiles, bars and outlined buttons on the content area
        Pane,     // the group list, headers
        Field,    // search fields, drop areas, disabled fills
        Sunken,   // behind pages of a document
        List,     // the winmail lists
        RowHover, // a row under the pointer, every other row
        Badge,
        Notice, // the warning strip above the pages
        // Lines
        Border,
        Separator,
        ControlBorder,
        DropOutline,
        // Texts and glyphs
        Text,
        SidebarText,
        Muted,      // secondary texts
        Glyph,      // row buttons' images, the busy circle's title
        ImageGlyph, // the images drawn in one colour (the tools' pictures)
        DisabledText,
        OnAccent, // texts and images on an accent ground
        OnAccentDisabled,
        NoticeText,
        Danger,
        Warning,
        // The accent (the selected sidebar button, the main buttons)
        Accent,
        AccentHover,
        AccentText,  // accent-coloured figures on the content area
        AccentFocus, // keyboard focus frames
        AccentRing,  // the round Start button's rim, selected list items
        AccentDisabled,
        AccentTint,  // a chosen item row, a pressed tile
        SelectedRow, // a chosen group row
        CheckGround, // behind a check image on a selected row
        Warm,        // a removing button under the pointer
        Blue,
        // The wave band across the scan pages
        WaveStart,
        WaveEnd,
        WaveGround,
        ArchiveWaveStart, // the archives page's band
        ArchiveWaveEnd,
        // Series of the bars and legends; the same on both grounds
        SeriesCoral,
        SeriesPink,
        SeriesPurple,
        SeriesLime,
        SeriesTeal,
        SeriesOrange,
        SeriesIndigo,
        SeriesSky,
        SeriesGrey,
        RoleCount
    };

    // Whether palette's window is dark (lightness below the middle).
    static bool isDark(const QPalette &palette);
    // Whether the application palette's window is dark.
    static bool isDark();
    // The colour of role for the application palette.
    static QColor of(Role role);
    static QColor of(Role role, bool dark);
    // The role an @name token stands for, or nullopt; the token of a role.
    static std::optional<Role> named(QStringView name);
    static QString token(Role role);
    // text with every @name token replaced by its colour for the application
    // palette; an unknown name is left as it is and warned about.
    static QString sheet(QStringView text);
    // A colour as a style sheet writes it (#rrggbb, or rgba() when translucent).
    static QString css(const QColor &color);
    // The palette the program takes when the desktop asks for dark and Qt's
    // own palette is light; its grounds and texts are the dark ones above.
    static QPalette darkPalette();
};

} // namespace sw
