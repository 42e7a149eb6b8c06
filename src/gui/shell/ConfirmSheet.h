#pragma once

#include <QMessageBox>

#include <functional>

namespace sw {

// The warning sheet a result page shows before a removal: "Yes" (the
// default) runs onYes, "No" only logs "cancel". Window-modal, so the rest of
// the window waits while it is open.
class ConfirmSheet : public QMessageBox
{
    Q_OBJECT
public:
    ConfirmSheet(QWidget *window, const QString &message, const QString &informative, std::function<void()> onYes);
};

}  // namespace sw
