// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace sw {

// A file's icon at 200 x 200 with its name, and a line saying why nothing
// better is shown when another viewer could not show the file.
class IconPreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kIconSide = 200;

    explicit IconPreview(QWidget *parent = nullptr);

    void setPath(const QString &path, const QString &message = QString());
    QString message() const;
    QLabel *iconLabel() const { return m_icon; }

private:
    QLabel *m_icon = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_message = nullptr;
};

}  // namespace sw
