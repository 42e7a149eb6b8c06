// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/extensions/ORExtCategory.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORExtData.h"
#include "core/foundation/PublishedResult.h"
#include "core/foundation/ToolEngine.h"
#include "core/fs/RemovalReport.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

#include <functional>
#include <memory>

// The extensions manager's engine, one per process.
//
// A scan visits the categories of the current layout in their fixed order
// (ORExtCategory), leaving out those whose skip key reads YES. Each category
// lists its candidates below its category roots (checked by
// sw::CategoryRoots; links are never followed out of them); each is measured
// the way removal counts and kept when it has a size. Every candidate is
// posted as "extensiontitle" and counted in the scan's job. A cancelled scan
// keeps nothing.
//
// Removal takes the marked items of the groups whose flag is not 0, whole,
// through one sw::RemovalRun. Items the user may not remove go last, all in
// one privileged run (one password prompt); cancelling the prompt leaves
// them in place, and an item that is still there afterwards is a failure
// whose bytes are not counted. The removal record (delGroup, extDataDel)
// lists each removed item once, with the bytes that went.
class ORExtDataCollection
{
public:
    using Data = ORExtData;
    using SwitchReader = std::function<bool(const QString &key)>;
    using AdminRule = std::function<bool(const QString &path)>;

    static ORExtDataCollection &shareInstance();

    // The engine contract (sw::ToolEngine).
    std::shared_ptr<ORExtData> scan(sw::JobControl &job);
    sw::RemovalReport remove(sw::JobControl &job);
    std::shared_ptr<ORExtData> result() const { return tempExtData(); }
    void startOver();

    std::shared_ptr<ORExtData> tempExtData() const;
    qint64 delSize() const;
    // What the last removal did, item by item.
    sw::RemovalReport removalReport() const;

    // --- used only by the tests ---------------------------------------------
    // The published result; runs the scan on the calling thread when none is held.
    std::shared_ptr<ORExtData> extData();
    // A scan nobody watches; its result is not published.
    std::shared_ptr<ORExtData> startScan();
    // Removes what is marked in the held result (remove() with a job of its own).
    void deleteExtensions();
    // The last removal's record: every removed item once, with what went.
    ORExtGroup delGroup() const;
    // The record once when something went, else empty; cleared by startOver().
    QList<ORExtGroup> extDataDel() const;
    // Where the skip keys are read; the settings store by default.
    void setSwitchReader(SwitchReader reader);
    // Which paths only an administrator may remove; by default those the
    // current user's rights do not allow to delete.
    void setAdminRule(AdminRule rule);

private:
    ORExtDataCollection();
    // One category's group each (see sw::ext::GroupID).
    ORExtGroup getExtensions();
    ORExtGroup getPreference();
    ORExtGroup getInternetPI();
    ORExtGroup getQuickLookPI();
    ORExtGroup getSpotLightPI();
    std::shared_ptr<ORExtData> collect(sw::JobControl &job);
    ORExtGroup scanCategory(qint64 groupID);
    sw::JobControl &scanJob() const { return m_job ? *m_job : m_ownJob; }

    mutable QMutex m_mutex;  // guards the removal record, m_report and m_itemRoots
    sw::PublishedResult<ORExtData> m_result;
    QHash<QString, QString> m_itemRoots;  // item path -> its category root, for removal
    ORExtGroup m_delGroup;
    QList<ORExtGroup> m_extDataDel;
    sw::RemovalReport m_report;
    sw::JobControl *m_job = nullptr;  // the scan's
    // Outside a scan progress goes here, where nobody reads or cancels it.
    mutable sw::JobControl m_ownJob;
    SwitchReader m_switchReader;
    AdminRule m_adminRule;
};

static_assert(sw::ToolEngine<ORExtDataCollection>);
