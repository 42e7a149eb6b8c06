// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORNotificationCenter.h"
#include "gui/shell/GroupItemModel.h"
#include "gui/shell/ResultItemList.h"

namespace sw {

template <class>
struct MemberOwner;
template <class Owner, class Result, class... Args>
struct MemberOwner<Result (Owner::*)(Args...)>
{
    using type = Owner;
};

// The item list of one result family: it lists the group that its page
// announces under the given notification name, and reports each changed
// check box to that page through Update(groupRow, itemRow), a member of the
// page's delegate interface. Model is a GroupItemModel of the family's group.
template <auto Update, class ModelT>
class FamilyItemList : public ResultItemList
{
public:
    using Model = ModelT;
    using Group = typename Model::Group;
    using Delegate = typename MemberOwner<decltype(Update)>::type;

    FamilyItemList(const QString &announcement, QWidget *parent)
        : ResultItemList(new Model, parent), m_model(static_cast<Model *>(listModel()))
    {
        ORNotificationCenter::defaultCenter().addObserver(this, announcement,
                                                          [this](const QVariant &v) { obtain(v); });
    }

    // An announcement: [row as text, Group*, page].
    void obtain(const QVariant &object)
    {
        if (QObject *page = showAnnounced(object, m_model))
            m_delegate = dynamic_cast<Delegate *>(page);
    }
    // Lists nothing, before the result the group belongs to goes.
    void forgetGroup()
    {
        m_model->setGroup(nullptr, QString());
        showGroup(QString());
    }
    Group *dataGroup() const { return m_model->group(); }
    Model *model() const { return m_model; }

protected:
    void itemMarkChanged(int groupRow, int itemRow) override
    {
        if (m_delegate)
            (m_delegate->*Update)(groupRow, itemRow);
    }

private:
    Model *m_model = nullptr;
    Delegate *m_delegate = nullptr;
};

}  // namespace sw
