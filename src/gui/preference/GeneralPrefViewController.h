// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

class PrefCheckBox;
class QComboBox;

// The General pane: run at login ("autostart"), automatic memory release
// ("automemory") and its threshold ("memoryusage": 70, 80 or 90 percent).
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
    // Removes every login item whose program lies at or below appPath.
    static void removeFromLoginItems(const QString &appPath);
    static bool isApplicationInItemList(const QString &appPath);

    PrefCheckBox *chkRunStartup() const { return m_chkRunStartup; }
    PrefCheckBox *chkAutoMem() const { return m_chkAutoMem; }
    QComboBox *btnMemoryUsage() const { return m_btnMemoryUsage; }

private:
    PrefCheckBox *m_chkRunStartup;
    PrefCheckBox *m_chkAutoMem;
    QComboBox *m_btnMemoryUsage;
};
