#pragma once

#include "ORBaseViewCter.h"

class ORJunkFilesCollection;
class QLabel;
class QPushButton;

// Page 4, shown when the scan had no category to look at: points the user to
// the category switches and leads back to the scan page.
class ORNoJunkViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORNoJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void viewWillAppear() override;
    void viewDidAppear() override;
    void completeButton();

    QLabel *infoTextField() const { return m_infoTextField; }
    QPushButton *button() const { return m_button; }

private:
    ORJunkFilesCollection &junkDataCollection;
    QLabel *m_infoTextField = nullptr;
    QPushButton *m_button = nullptr;
};
