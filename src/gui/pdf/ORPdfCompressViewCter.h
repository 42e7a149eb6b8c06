// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/pdf/PdfCompressor.h"
#include "gui/pdf/PdfPasswordPanel.h"
#include "gui/shell/ORBaseViewCter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <memory>

class ORPdfDropView;
class ORPdfFile;
class ORProgressView;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace sw {
class JobRunner;
class PdfPreview;
}

// The PDF compressor's page. It shows either the drop area (a PDF dropped
// or chosen) or the result of the last compression: the copy's name, its
// page count, the sizes before and after, a preview, the three qualities,
// Save, Mail and Back. While Ghostscript works, neither: the busy circle
// with the page it is on, and Cancel.
//
// A document that needs a password (locked, or forbidding copying or
// printing) is compressed only after the password panel accepted one that
// opens it and allows both.
class ORPdfCompressViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORPdfCompressViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);
    ~ORPdfCompressViewCter() override;

    // The quality of every compression in this process (0, 1 or 2), and the
    // last copy made.
    static int pdfStyleInt;
    static QString desPath;

    // The first of paths is taken.
    void obtainPdfFile(const QStringList &paths);
    void or_addFileButton();
    void changeCompressStyleMatrix(int row);
    void saveCompressedPDF();
    // Copies the result to path, asking first when something is there.
    void saveTo(const QString &path);
    void sendToMail();
    void backToFirstPage();

    bool isCompressing() const;
    std::shared_ptr<ORPdfFile> pdfFile() const { return m_pdfFile; }
    std::shared_ptr<ORPdfFile> compressedPdfFile() const { return m_compressedPdfFile; }
    const sw::PdfCompression &compression() const { return m_compression; }

    QWidget *briefView() const { return m_briefView; }
    QWidget *resultView() const { return m_resultView; }
    ORPdfDropView *dropView() const { return m_dropView; }
    QLabel *pagesField() const { return m_pagesField; }
    QLabel *nameField() const { return m_nameField; }
    QLabel *noteField() const { return m_noteField; }
    QButtonGroup *styleMatrix() const { return m_styleMatrix; }
    QMessageBox *alert() const { return m_alert; }
    PdfPasswordPanel *passwordPanel() const { return m_passwordPanel; }
    QFileDialog *chooser() const { return m_chooser; }

signals:
    // A compression ended (with a result, a failure or a cancel).
    void compressionEnded();

private:
    QWidget *buildBriefView();
    QWidget *buildProgress();
    QWidget *buildResultView();
    QWidget *buildFacts();
    QWidget *buildMatrix();

    void askPassword();
    bool tryPassword(const QString &password);
    void startCompressPDF();
    void finishCompression();
    void setValueOfAllField();
    void showPage(QWidget *view);
    void tell(const QString &text, const QString &detail = QString());
    // A window-modal sheet in m_alert, deleted when closed; the caller adds
    // its buttons and opens it.
    void sheet(QMessageBox::Icon icon, const QString &title, const QString &text, const QString &name);
    void writeCopy(const QString &path);

    std::shared_ptr<ORPdfFile> m_pdfFile;
    std::shared_ptr<ORPdfFile> m_compressedPdfFile;
    sw::PdfCompression m_compression;
    std::shared_ptr<sw::PdfCompression> m_running;  // filled by the worker

    sw::JobRunner *m_runner = nullptr;
    QWidget *m_briefView = nullptr;
    QWidget *m_progressView = nullptr;
    QWidget *m_resultView = nullptr;
    ORPdfDropView *m_dropView = nullptr;
    ORProgressView *m_circle = nullptr;
    QLabel *m_pageProgress = nullptr;
    sw::PdfPreview *m_pdfView = nullptr;
    QLabel *m_nameField = nullptr;
    QLabel *m_pagesField = nullptr;
    QLabel *m_initialSizeField = nullptr;
    QLabel *m_initialUnitField = nullptr;
    QLabel *m_finalSizeField = nullptr;
    QLabel *m_finalUnitField = nullptr;
    QLabel *m_noteField = nullptr;
    QButtonGroup *m_styleMatrix = nullptr;
    QPointer<QMessageBox> m_alert;
    QPointer<PdfPasswordPanel> m_passwordPanel;
    QPointer<QFileDialog> m_chooser;
};
