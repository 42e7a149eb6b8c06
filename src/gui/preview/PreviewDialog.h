// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace sw {

class PreviewPane;

// The preview window: one file in the viewer that suits it (PreviewPane).
// There is one per process, beside the window it was opened from and not
// modal; Escape closes it. The result pages' preview buttons call toggle().
class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens the preview of path, or closes the preview when it is already
    // showing path. Answers whether the preview is open afterwards.
    static bool toggle(const QString &path, QWidget *parent);
    // Opens the preview of path (or shows path in the open one).
    static void showPreview(const QString &path, QWidget *parent);
    // Closes the preview if it is open.
    static void closePreview();
    // The process's preview window, nullptr before the first preview.
    static PreviewDialog *instance();

    bool isShowing(const QString &path) const;
    QString path() const;
    PreviewPane *pane() const { return m_pane; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    explicit PreviewDialog(QWidget *parent);
    static PreviewDialog *dialogFor(QWidget *parent);
    void setPath(const QString &path);

    QLabel *m_name = nullptr;
    QLabel *m_size = nullptr;
    PreviewPane *m_pane = nullptr;
};

}  // namespace sw
