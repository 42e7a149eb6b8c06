// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

class PrefCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The General pane: run at login ("autostart"), automatic memory release
// ("automemory") and its threshold ("memoryusage": 70, 80 or 90 percent),
// the duplicate finder's hash cache ("dupHashCache") and a button that
// clears it (off the GUI thread).
class GeneralPrefViewController : public PrefPane
{
    Q_OBJECT
public:
    explicit GeneralPrefViewController(QWidget *parent = nullptr);

    QString identifier() const override { return QStringLiteral("General"); }
    QIcon toolbarItemImage() const override;
    QString toolbarItemLabel() const override { return tr("General"); }

    void clickRunSysStartup(bool on);
    void onBtnAutoMemory(bool on);
    void onBtnMemoryUsage(int tag);
    void onBtnHashCache(bool on);
    void clearHashCache();
    // Removes every login item whose program lies at or below appPath.
    static void removeFromLoginItems(const QString &appPath);
    static bool isApplicationInItemList(const QString &appPath);

    PrefCheckBox *chkRunStartup() const { return m_chkRunStartup; }
    PrefCheckBox *chkAutoMem() const { return m_chkAutoMem; }
    QComboBox *btnMemoryUsage() const { return m_btnMemoryUsage; }
    PrefCheckBox *chkHashCache() const { return m_chkHashCache; }
    QPushButton *btnClearHashCache() const { return m_btnClearHashCache; }
    QLabel *hashCacheNote() const { return m_hashCacheNote; }

signals:
    // The cache's file is gone (cleared) or stays (not).
    void hashCacheCleared(bool cleared);

private:
    PrefCheckBox *m_chkRunStartup;
    PrefCheckBox *m_chkAutoMem;
    QComboBox *m_btnMemoryUsage;
    PrefCheckBox *m_chkHashCache;
    QPushButton *m_btnClearHashCache;
    QLabel *m_hashCacheNote;
};
