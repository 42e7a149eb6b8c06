#pragma once

#include "RemovalPage.h"

#include <QStringList>

// The shredding page: on "shredfiles" (with the chosen paths) it lists them
// in the engine and shreds them behind the busy circle "Deleting" with the
// sidebar locked, overwriting as the setting says. Then it shows the bytes
// removed and every path that stayed with its reason, the refused ones (the
// root, a home, a protected folder) as refused. Its button empties the
// engine and returns to the choosing page.
class ORShredDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORShredDelViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    // Lists paths in the engine (unless a list is held) and shreds them.
    void startShred(const QStringList &paths);
    void completionButton();
    bool isShredding() const;
};
