// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/TextPreview.h"

#include "gui/controls/ThemeFollower.h"
#include "gui/preview/Utf8Text.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace sw {

TextPreview::TextPreview(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("previewText"));
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setFrameShape(QFrame::NoFrame);
    ThemeFollower::style(m_text,
                         QStringLiteral("QPlainTextEdit { background:@surface; color:@text; padding:8px; }"));
    column->addWidget(m_text, 1);
    m_note = new QLabel(tr("Only the beginning of this file is shown."), this);
    ThemeFollower::style(m_note, QStringLiteral("color:@muted; padding:0 8px 4px 8px;"));
    m_note->hide();
    column->addWidget(m_note);
}

bool TextPreview::setPath(const QString &path)
{
    const std::optional<Utf8Text> read = Utf8Text::read(path);
    m_text->setPlainText(read ? read->text : QString());
    m_note->setVisible(read && read->truncated);
    return read.has_value();
}

void TextPreview::clear()
{
    m_text->clear();
    m_note->hide();
}

QString TextPreview::text() const
{
    return m_text->toPlainText();
}

bool TextPreview::isTruncated() const
{
    return !m_note->isHidden();
}

}  // namespace sw
