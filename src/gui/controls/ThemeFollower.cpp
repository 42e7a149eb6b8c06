// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ThemeFollower.h"

#include "gui/controls/ThemeColors.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace sw {

namespace {

QList<ThemeFollower *> g_followers;

// Only windows are told of a new application palette, and a widget whose
// style sheet sets its colours keeps its palette, so no PaletteChange
// reaches it either: the application object is told, and this one watch on
// it passes the news on.
class ApplicationPaletteWatch : public QObject
{
public:
    explicit ApplicationPaletteWatch(std::function<void()> changed)
        : QObject(QCoreApplication::instance()), m_changed(std::move(changed))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance())
            m_changed();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_changed;
};

} // namespace

ThemeFollower::ThemeFollower(QWidget *widget) : QObject(widget), m_widget(widget)
{
    static QPointer<ApplicationPaletteWatch> watch;
    if (!watch)
        watch = new ApplicationPaletteWatch(&ThemeFollower::applyAll);
    widget->installEventFilter(this);
    g_followers.append(this);
}

ThemeFollower::~ThemeFollower()
{
    g_followers.removeOne(this);
}

void ThemeFollower::applyAll()
{
    // A follower may go while another applies (a page dropping a view).
    QList<QPointer<ThemeFollower>> followers;
    for (ThemeFollower *follower : std::as_const(g_followers))
        followers.append(follower);
    for (const QPointer<ThemeFollower> &follower : std::as_const(followers))
        if (follower)
            follower->apply();
    // What paints with named colours (the table rows, the gauges) paints again.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->update();
}

ThemeFollower *ThemeFollower::of(QWidget *widget)
{
    if (auto *existing = widget->findChild<ThemeFollower *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new ThemeFollower(widget);
}

void ThemeFollower::style(QWidget *widget, const QString &sheet)
{
    ThemeFollower *follower = of(widget);
    follower->m_sheet = sheet;
    follower->apply();
}

void ThemeFollower::follow(QWidget *widget, std::function<void()> apply)
{
    apply();
    of(widget)->m_repaints.push_back(std::move(apply));
}

// Setting a style sheet changes the widget's palette, which comes back here:
// the sheet is set only when it differs, and not from within itself.
void ThemeFollower::apply()
{
    if (m_applying)
        return;
    m_applying = true;
    if (!m_sheet.isEmpty()) {
        const QString resolved = ThemeColors::sheet(m_sheet);
        if (m_widget->styleSheet() != resolved)
            m_widget->setStyleSheet(resolved);
    }
    for (const auto &repaint : m_repaints)
        repaint();
    m_applying = false;
}

bool ThemeFollower::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ThemeChange:
        if (watched == m_widget)
            apply();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sw
