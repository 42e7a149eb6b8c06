// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/SystemTools.h"
#include "gui/shell/ORBaseViewCter.h"

#include <QPointer>

#include <optional>

class ORDotView;
class QLabel;
class QPushButton;

// The toolbox: four tiles, each a shortcut. The first opens this program's
// PDF compressor in a window of its own (made by the viewers plugin, which is
// loaded then; a plugin that cannot be loaded is reported in an alert); the others start the desktop's own
// tools for the machine's details, the disks and the shell's extensions.
//
// Which tools are installed is looked up again each time the page is about
// to show (a few stat calls). A tool that is missing leaves its tile
// disabled, except the extensions tile, which then opens this program's own
// Extensions page. A tool that fails to start is reported in an alert.
class ORToolViewCter : public ORBaseViewCter
{
    Q_OBJECT

public:
    explicit ORToolViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);
    ~ORToolViewCter() override;

    void openActivity();
    void openSystenInfo();
    void openDiskUtility();
    void openExtensions();

    void viewWillAppear() override;
    // Looks the system tools up again and updates their tiles.
    void refreshTools();

    // The compressor window opened last, while it is open.
    QWidget *pdfWindowCter() const;

    QPushButton *activityButton = nullptr;
    QPushButton *systemButton = nullptr;
    QPushButton *diskButton = nullptr;
    QPushButton *extensionsButton = nullptr;
    QLabel *activityImageView = nullptr;
    QLabel *systemImageView = nullptr;
    QLabel *DiskImageView = nullptr;
    QLabel *extensionsImageView = nullptr;
    ORDotView *monitorView = nullptr;
    ORDotView *sysView = nullptr;
    ORDotView *diskView = nullptr;

private:
    QPushButton *makeTile(const QString &objectName, const QString &title, QLabel **image, ORDotView **dot);
    void showTool(QPushButton *tile, QLabel *image, const std::optional<sw::SystemTools::Found> &tool,
                  const QString &genericIcon);
    void start(const std::optional<sw::SystemTools::Found> &tool);
    void alert(const QString &text);

    QPointer<QWidget> m_pdfWindowCter;
    std::optional<sw::SystemTools::Found> m_systemInfo;
    std::optional<sw::SystemTools::Found> m_diskUtility;
    std::optional<sw::SystemTools::Found> m_extensions;
};
