// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace sw {

// A UTF-8 text file, read-only, at most its first MiB (with a note saying so).
class TextPreview : public QWidget
{
    Q_OBJECT
public:
    explicit TextPreview(QWidget *parent = nullptr);

    // false when the file is not UTF-8 text; the view is then empty.
    bool setPath(const QString &path);
    void clear();
    QString text() const;
    bool isTruncated() const;
    QPlainTextEdit *textView() const { return m_text; }

private:
    QPlainTextEdit *m_text = nullptr;
    QLabel *m_note = nullptr;
};

}  // namespace sw
