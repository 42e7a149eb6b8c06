// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QScrollArea>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QVBoxLayout;

namespace sw {

// The first pages of a PDF document, one under the other, as wide as the
// view, in a scrolling column. Pages are rendered off the main thread; a
// document that cannot be opened, is locked or has no page fails.
class PdfPreview : public QScrollArea
{
    Q_OBJECT
    Q_PROPERTY(int pageCount READ pageCount)
    Q_PROPERTY(int shownPages READ shownPages)
public:
    static constexpr int kMaxPages = 10;
    static constexpr int kRenderWidth = 1200;  // pixels across a rendered page

    struct Rendered
    {
        QList<QImage> pages;
        int pageCount = 0;
        QString error;  // empty when pages were rendered
    };

    explicit PdfPreview(QWidget *parent = nullptr);
    ~PdfPreview() override;

    // password opens a protected document; it is not kept.
    Q_INVOKABLE void setPath(const QString &path, const QString &password = QString());
    Q_INVOKABLE void clear();
    int pageCount() const { return m_pageCount; }
    int shownPages() const { return int(m_pages.size()); }

    // Renders up to maxPages pages; stops early once keepGoing() answers false.
    static Rendered render(const QString &path, int maxPages, int width, const std::function<bool()> &keepGoing,
                           const QString &password = QString());

signals:
    void loaded();
    void failed(const QString &reason);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPages(const Rendered &rendered);
    void fitPages();

    QWidget *m_column = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QLabel *m_note = nullptr;
    QList<QImage> m_pages;
    QList<QLabel *> m_labels;
    int m_pageCount = 0;
    int m_fittedWidth = 0;
    // The generation the view wants; a render of an older one stops.
    std::shared_ptr<std::atomic<quint64>> m_wanted = std::make_shared<std::atomic<quint64>>(0);
};

}  // namespace sw
