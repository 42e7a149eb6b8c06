// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ScanPage.h"

#include <QStringList>

class ORTableView;
class QPushButton;

namespace sw {

class AgeLimitControl;
class FolderDropView;
class FolderListPanel;

// The base of the scan pages that look in folders the user picks (large
// files, duplicates): an introduction, the folder list with its drop area
// and chooser, and the start button, which is enabled while the list holds
// a folder. The list is remembered in the settings between runs (the
// engine's default folders until the user changes it, or after the user
// emptied it). The scanning state
// follows the engine's two progress notifications.
class FolderScanPage : public ScanPage
{
    Q_OBJECT
public:
    struct Intro
    {
        QString image;
        QString title;
        QString text;
        QString pathNotification;   // the engine's "path being looked at"
        QString foundNotification;  // and its "found so far"
        QString foldersKey;         // where the folder list is remembered
    };
    // The folders listed at first and the two exclusion lists handed to the
    // engine with every scan (fixed for the page's life).
    struct Lists
    {
        QStringList folders;
        QStringList excludeFolders;
        QStringList excludeFiles;

        template <class Engine>
        static Lists defaultsOf()
        {
            return Lists{Engine::defaultFolders(), Engine::defaultExcludeFolders(), Engine::defaultExcludeFiles()};
        }
    };

    FolderScanPage(ORBasedViewCterDelegate *delegate, QWidget *parent, const Intro &intro, FolderDropView *dropView,
                   const Lists &lists);

    FolderListPanel *folderPanel() const { return m_folderPanel; }
    // "Only files older than N days", remembered beside the folder list.
    AgeLimitControl *ageLimit() const { return m_ageLimit; }
    QPushButton *startButton() const { return m_startButton; }
    // The folders listed now, in order.
    QStringList folders() const;
    const QStringList &excludeFolderArr() const { return m_lists.excludeFolders; }
    const QStringList &excludeFileArr() const { return m_lists.excludeFiles; }

    // Starts the scan; called by the start button and the Return key.
    virtual void scanButton() = 0;
    void slideToField(const QVariant &path);
    virtual void foundJunkSize(const QVariant &found) = 0;

    ORTableView *folderTableView() const;
    FolderDropView *dropView() const;

protected:
    // A control shown under the start button (a scan option or a note);
    // several stack from top to bottom.
    void addOption(QWidget *option);
    // Hands the folders and exclusions to Engine and scans; found answers
    // whether the result is worth the result page.
    template <ToolEngine Engine>
    void scanFolders(bool (*found)(const typename Engine::Data &data), PageNumber resultPage, PageNumber emptyPage)
    {
        if (isScanning())
            return;
        Engine &engine = Engine::shareInstance();
        engine.setFolders(folders());
        engine.setExcludeFolders(m_lists.excludeFolders);
        engine.setExcludeFiles(m_lists.excludeFiles);
        engine.setOlderThanDays(ageLimitDays());
        runScan(engine, found, resultPage, emptyPage);
    }

private:
    QWidget *buildIdleView(const Intro &intro, FolderDropView *dropView);
    // The remembered list, else the defaults.
    QStringList initialFolders() const;
    void addAgeLimit();
    int ageLimitDays() const;

    const Lists m_lists;
    const QString m_foldersKey;

    FolderListPanel *m_folderPanel = nullptr;
    QPushButton *m_startButton = nullptr;
    QWidget *m_optionHolder = nullptr;
    AgeLimitControl *m_ageLimit = nullptr;
};

}  // namespace sw
