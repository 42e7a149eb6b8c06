// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace sw {

// The bar under a result page's lists: the select-all button, the selected
// and the total size (number and unit), "Start Over" and "Delete". The
// Delete key of the page presses "Delete" while it is enabled.
class ResultBottomBar : public QWidget
{
    Q_OBJECT
public:
    explicit ResultBottomBar(QWidget *page);

    // Shows the size and enables "Delete" when it is above 0 or, for items
    // of 0 bytes, when anySelected.
    void showSelectedSize(qint64 size, bool anySelected = false);
    void showTotalSize(qint64 size);
    // The select-all button names what its next click does: "Select" or
    // "Deselect". setAutoSelectTitle() sets it; autoSelectClicked() answers
    // whether the click selects and turns the title (and the tag) over.
    void setAutoSelectTitle(bool nextClickSelects);
    bool autoSelectClicked();

    // A control that belongs with the select-all button goes beside it.
    void addBesideAutoSelect(QWidget *widget);

    QPushButton *autoSelectButton() const { return m_autoSelectButton; }
    QPushButton *startOverBut() const { return m_startOverBut; }
    QPushButton *delBut() const { return m_delBut; }
    QLabel *selectedSizeField() const { return m_selectedSizeField; }
    QLabel *selectedUnitField() const { return m_selectedUnitField; }
    QLabel *totalSizeField() const { return m_totalSizeField; }
    QLabel *totalUnitField() const { return m_totalUnitField; }

private:
    QPushButton *m_autoSelectButton = nullptr;
    QLabel *m_selectedSizeField = nullptr;
    QLabel *m_selectedUnitField = nullptr;
    QLabel *m_totalSizeField = nullptr;
    QLabel *m_totalUnitField = nullptr;
    QPushButton *m_startOverBut = nullptr;
    QPushButton *m_delBut = nullptr;
};

}  // namespace sw
