// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ThemeColors.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPalette>
#include <QRegularExpression>

#include <array>

Q_LOGGING_CATEGORY(lcTheme, "sweepwright.theme", QtInfoMsg)

namespace sw {

namespace {

struct Named
{
    ThemeColors::Role role;
    const char *token;
    QRgb light; // 0xAARRGGBB
    QRgb dark;
};

// The light values are the program's look on a light desktop; the dark ones
// keep the same relations (grounds step up in lightness where the light ones
// step down) and the same contrast between text and ground.
constexpr std::array<Named, ThemeColors::RoleCount> kColors{{
    {ThemeColors::Surface, "surface", 0xffffffff, 0xff1e2023},
    {ThemeColors::Sidebar, "sidebar", 0xfff3f5f7, 0xff26292d},
    {ThemeColors::Card, "card", 0xffffffff, 0xff2a2d31},
    {ThemeColors::Pane, "pane", 0xfffafbfc, 0xff232629},
    {ThemeColors::Field, "field", 0xfff7f9fa, 0xff2c3035},
    {ThemeColors::Sunken, "sunken", 0xffeef1f4, 0xff17191b},
    {ThemeColors::List, "list", 0xffe7edf6, 0xff262a30},
    {ThemeColors::RowHover, "rowHover", 0xfff3f6f8, 0xff2b2f34},
    {ThemeColors::Badge, "badge", 0xffe8ecf0, 0xff363a40},
    {ThemeColors::Notice, "notice", 0xfffff4d6, 0xff3d3217},
    {ThemeColors::Border, "border", 0xffe1e5ea, 0xff3a3f45},
    {ThemeColors::Separator, "separator", 0xffe8ecf0, 0xff31353a},
    {ThemeColors::ControlBorder, "controlBorder", 0xffcfd6dd, 0xff4a5057},
    {ThemeColors::DropOutline, "dropOutline", 0xffb9c3cc, 0xff5b636c},
    {ThemeColors::Text, "text", 0xff2f353b, 0xffe4e7ea},
    {ThemeColors::SidebarText, "sidebarText", 0xff4a525c, 0xffc5cbd2},
    {ThemeColors::Muted, "muted", 0xff636d78, 0xffa0a9b3},
    {ThemeColors::Glyph, "glyph", 0xff808891, 0xff98a1ab},
    {ThemeColors::ImageGlyph, "imageGlyph", 0xff4a5560, 0xffa9b2bc},
    {ThemeColors::DisabledText, "disabledText", 0xffb5bcc4, 0xff5f666e},
    {ThemeColors::OnAccent, "onAccent", 0xff112200, 0xff112200},
    {ThemeColors::OnAccentDisabled, "onAccentDisabled", 0xfff4f6f2, 0xff7f8879},
    {ThemeColors::NoticeText, "noticeText", 0xff7a5200, 0xfff3d48b},
    {ThemeColors::Danger, "danger", 0xffd0392b, 0xffff7a6e},
    {ThemeColors::Warning, "warning", 0xffa35f00, 0xfff0aa4c},
    {ThemeColors::Accent, "accent", 0xff44ba03, 0xff44ba03},
    {ThemeColors::AccentHover, "accentHover", 0xff379a02, 0xff58d214},
    {ThemeColors::AccentText, "accentText", 0xff379a02, 0xff5ccf1c},
    {ThemeColors::AccentFocus, "accentFocus", 0xffa8e07f, 0xff5f9e38},
    {ThemeColors::AccentRing, "accentRing", 0xffd9f1c9, 0xff2d4a1e},
    {ThemeColors::AccentDisabled, "accentDisabled", 0xffc9d3c2, 0xff3b4237},
    {ThemeColors::AccentTint, "accentTint", 0xffe8f6de, 0xff263a1c},
    {ThemeColors::SelectedRow, "selectedRow", 0xff54bc00, 0xff54bc00},
    {ThemeColors::CheckGround, "checkGround", 0xffffffff, 0xffffffff},
    {ThemeColors::Warm, "warm", 0xfff5a623, 0xfff5a623},
    {ThemeColors::Blue, "blue", 0xff2f80ed, 0xff4d94f0},
    {ThemeColors::WaveStart, "waveStart", 0xffc5ecaa, 0xff1f3a15},
    {ThemeColors::WaveEnd, "waveEnd", 0xff78cd46, 0xff2c6215},
    {ThemeColors::WaveGround, "waveGround", 0x1aedf0f4, 0x00000000},
    {ThemeColors::ArchiveWaveStart, "archiveWaveStart", 0xb3a3e0f9, 0xb314394a},
    {ThemeColors::ArchiveWaveEnd, "archiveWaveEnd", 0xb339b0df, 0xb31b4f66},
    {ThemeColors::SeriesCoral, "seriesCoral", 0xffff6a6a, 0xffff6a6a},
    {ThemeColors::SeriesPink, "seriesPink", 0xffea5ca8, 0xffea5ca8},
    {ThemeColors::SeriesPurple, "seriesPurple", 0xff8f61b4, 0xff8f61b4},
    {ThemeColors::SeriesLime, "seriesLime", 0xffa0cf4f, 0xffa0cf4f},
    {ThemeColors::SeriesTeal, "seriesTeal", 0xff30c9c1, 0xff30c9c1},
    {ThemeColors::SeriesOrange, "seriesOrange", 0xffee9a49, 0xffee9a49},
    {ThemeColors::SeriesIndigo, "seriesIndigo", 0xff8282f1, 0xff8282f1},
    {ThemeColors::SeriesSky, "seriesSky", 0xff709bfb, 0xff709bfb},
    {ThemeColors::SeriesGrey, "seriesGrey", 0xffbebebe, 0xff6e747a},
}};

constexpr bool inRoleOrder()
{
    for (std::size_t i = 0; i < kColors.size(); ++i)
        if (kColors[i].role != ThemeColors::Role(i))
            return false;
    return true;
}
static_assert(inRoleOrder(), "one row per role, in the order of the roles");

} // namespace

bool ThemeColors::isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

bool ThemeColors::isDark()
{
    return isDark(QGuiApplication::palette());
}

QColor ThemeColors::of(Role role, bool dark)
{
    const Named &row = kColors.at(std::size_t(role));
    return QColor::fromRgba(dark ? row.dark : row.light);
}

QColor ThemeColors::of(Role role)
{
    return of(role, isDark());
}

std::optional<ThemeColors::Role> ThemeColors::named(QStringView name)
{
    for (const Named &row : kColors)
        if (name == QLatin1String(row.token))
            return row.role;
    return std::nullopt;
}

QString ThemeColors::token(Role role)
{
    return QLatin1Char('@') + QLatin1String(kColors.at(std::size_t(role)).token);
}

QString ThemeColors::css(const QColor &color)
{
    if (color.alpha() == 255)
        return color.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QPalette ThemeColors::darkPalette()
{
    const auto dark = [](Role role) { return of(role, true); };
    const QColor window = QColor::fromRgb(0xff2d2f33);
    QPalette palette(dark(Field), window); // from button and window; the roles below are set
    palette.setColor(QPalette::WindowText, dark(Text));
    palette.setColor(QPalette::Base, dark(Surface));
    palette.setColor(QPalette::AlternateBase, dark(RowHover));
    palette.setColor(QPalette::Text, dark(Text));
    palette.setColor(QPalette::PlaceholderText, dark(Muted));
    palette.setColor(QPalette::Button, dark(Field));
    palette.setColor(QPalette::ButtonText, dark(Text));
    palette.setColor(QPalette::BrightText, dark(Danger));
    palette.setColor(QPalette::ToolTipBase, dark(Card));
    palette.setColor(QPalette::ToolTipText, dark(Text));
    palette.setColor(QPalette::Light, dark(ControlBorder));
    palette.setColor(QPalette::Midlight, dark(Border));
    palette.setColor(QPalette::Mid, dark(Separator));
    palette.setColor(QPalette::Dark, dark(Sunken));
    palette.setColor(QPalette::Shadow, QColor::fromRgb(0xff000000));
    palette.setColor(QPalette::Highlight, QColor::fromRgb(0xff2f6f0c));
    palette.setColor(QPalette::HighlightedText, QColor::fromRgb(0xffffffff));
    palette.setColor(QPalette::Link, QColor::fromRgb(0xff7ab8ff));
    palette.setColor(QPalette::LinkVisited, QColor::fromRgb(0xffb99cff));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dark(DisabledText));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, dark(Separator));
    return palette;
}

QString ThemeColors::sheet(QStringView text)
{
    static const QRegularExpression token(QStringLiteral("@([A-Za-z]+)"));
    const bool dark = isDark();
    QString result;
    qsizetype done = 0;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += text.mid(done, match.capturedStart() - done);
        if (const std::optional<Role> role = named(match.capturedView(1))) {
            result += css(of(*role, dark));
        } else {
            qCWarning(lcTheme) << "Unknown colour" << match.captured();
            result += match.capturedView();
        }
        done = match.capturedEnd();
    }
    result += text.mid(done);
    return result;
}

} // namespace sw
