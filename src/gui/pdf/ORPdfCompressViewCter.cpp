// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pdf/ORPdfCompressViewCter.h"

#include "core/foundation/ORDispatch.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/pdf/ORPdfFile.h"
#include "core/pdf/OutputPlacement.h"
#include "gui/controls/ORProgressView.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/pdf/ORPdfDropView.h"
#include "gui/pdf/PdfPasswordPanel.h"
#include "gui/preview/PdfPreview.h"
#include "gui/shell/FileChooser.h"
#include "gui/shell/ItemMailer.h"
#include "gui/shell/JobRunner.h"
#include "gui/shell/PageStyle.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

using namespace sw;

int ORPdfCompressViewCter::pdfStyleInt = 0;
QString ORPdfCompressViewCter::desPath;

ORPdfCompressViewCter::ORPdfCompressViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), m_runner(new JobRunner(this))
{
    setObjectName(QStringLiteral("pdfCompressPage"));
    auto *stack = new QStackedLayout(this);
    stack->addWidget(buildBriefView());
    stack->addWidget(buildProgress());
    stack->addWidget(buildResultView());
    showPage(m_briefView);

    connect(m_runner, &JobRunner::progressChanged, this, [this](qint64 pages) {
        m_pageProgress->setText(tr("Page %1 of %2").arg(pages).arg(m_pdfFile ? m_pdfFile->pageCount : 0));
    });
    connect(m_runner, &JobRunner::scanFinished, this, [this] { finishCompression(); });
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &ORPdfCompressViewCter::or_addFileButton);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] {
        if (m_resultView->isVisible())
            saveCompressedPDF();
    });
    ORNotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(ORPdfDropView::kDropped),
                                                      [this](const QVariant &paths) {
                                                          if (m_dropView->tookDrop())
                                                              obtainPdfFile(paths.toStringList());
                                                      });
}

// The runner stops gs and drops the end of a compression still running.
ORPdfCompressViewCter::~ORPdfCompressViewCter() = default;

QWidget *ORPdfCompressViewCter::buildBriefView()
{
    m_briefView = new QWidget(this);
    auto *column = new QVBoxLayout(m_briefView);
    column->setContentsMargins(40, 28, 40, 28);
    column->setSpacing(14);
    column->addWidget(PageStyle::heading(tr("PDF Compressor"), m_briefView, 22), 0, Qt::AlignHCenter);
    auto *brief = PageStyle::muted(tr("Makes a smaller copy of a PDF document; the document itself is left as it is."),
                                   m_briefView, 12);
    brief->setAlignment(Qt::AlignCenter);
    brief->setWordWrap(true);
    column->addWidget(brief);
    m_dropView = new ORPdfDropView(m_briefView);
    m_dropView->setObjectName(QStringLiteral("dropView"));
    auto *drop = PageStyle::dropPrompt(m_dropView, QStringLiteral("or_pdf"), tr("Drop a PDF document here"));
    auto *add = PageStyle::secondaryButton(tr("Choose a PDF…"), m_dropView);
    add->setObjectName(QStringLiteral("addFileButton"));
    connect(add, &QPushButton::clicked, this, &ORPdfCompressViewCter::or_addFileButton);
    drop->addWidget(add, 0, Qt::AlignHCenter);
    drop->addStretch(1);
    column->addWidget(m_dropView, 1);
    return m_briefView;
}

QWidget *ORPdfCompressViewCter::buildProgress()
{
    m_progressView = new QWidget(this);
    auto *column = new QVBoxLayout(m_progressView);
    column->addStretch(1);
    m_circle = new ORProgressView(m_progressView, true);
    m_circle->setFixedSize(180, 180);
    column->addWidget(m_circle, 0, Qt::AlignHCenter);
    m_pageProgress = PageStyle::muted(QString(), m_progressView, 12);
    m_pageProgress->setObjectName(QStringLiteral("pageProgress"));
    column->addWidget(m_pageProgress, 0, Qt::AlignHCenter);
    auto *cancel = PageStyle::secondaryButton(tr("Cancel"), m_progressView);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, m_runner, &JobRunner::cancel);
    column->addWidget(cancel, 0, Qt::AlignHCenter);
    // The circle sits a little above the middle, as on the other busy pages.
    column->addStretch(2);
    return m_progressView;
}

QWidget *ORPdfCompressViewCter::buildResultView()
{
    m_resultView = new QWidget(this);
    auto *row = new QHBoxLayout(m_resultView);
    row->setContentsMargins(24, 20, 24, 20);
    row->setSpacing(20);
    m_pdfView = new PdfPreview(m_resultView);
    m_pdfView->setObjectName(QStringLiteral("pdfView"));
    row->addWidget(m_pdfView, 3);
    auto *side = new QVBoxLayout;
    side->setSpacing(12);
    side->addWidget(buildFacts());
    side->addWidget(buildMatrix());
    side->addStretch(1);
    auto *save = PageStyle::primaryButton(tr("Save…"), m_resultView);
    save->setObjectName(QStringLiteral("saveButton"));
    connect(save, &QPushButton::clicked, this, &ORPdfCompressViewCter::saveCompressedPDF);
    auto *mail = PageStyle::secondaryButton(tr("Mail"), m_resultView);
    mail->setObjectName(QStringLiteral("mailButton"));
    connect(mail, &QPushButton::clicked, this, &ORPdfCompressViewCter::sendToMail);
    auto *back = PageStyle::secondaryButton(tr("Back"), m_resultView);
    back->setObjectName(QStringLiteral("backButton"));
    connect(back, &QPushButton::clicked, this, &ORPdfCompressViewCter::backToFirstPage);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(mail);
    buttons->addWidget(save);
    side->addLayout(buttons);
    row->addLayout(side, 2);
    return m_resultView;
}

QWidget *ORPdfCompressViewCter::buildFacts()
{
    auto *facts = new QWidget(m_resultView);
    auto *grid = new QGridLayout(facts);
    grid->setContentsMargins(0, 0, 0, 0);
    m_nameField = PageStyle::heading(QString(), facts, 15);
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setWordWrap(true);
    grid->addWidget(m_nameField, 0, 0, 1, 3);
    m_pagesField = PageStyle::heading(QString(), facts, 13);
    m_pagesField->setObjectName(QStringLiteral("pagesField"));
    grid->addWidget(PageStyle::muted(tr("Pages"), facts), 1, 0);
    grid->addWidget(m_pagesField, 1, 1, 1, 2);
    auto sizeRow = [&](int row, const QString &label, QLabel *&number, QLabel *&unit, const char *name) {
        number = new QLabel(facts);
        unit = new QLabel(facts);
        number->setObjectName(QLatin1String(name));
        PageStyle::styleSizeLabels(number, unit, 18);
        grid->addWidget(PageStyle::muted(label, facts), row, 0);
        grid->addWidget(number, row, 1, Qt::AlignRight | Qt::AlignBaseline);
        grid->addWidget(unit, row, 2, Qt::AlignLeft | Qt::AlignBaseline);
    };
    sizeRow(2, tr("Before"), m_initialSizeField, m_initialUnitField, "initialSizeField");
    sizeRow(3, tr("After"), m_finalSizeField, m_finalUnitField, "finalSizeField");
    grid->setColumnStretch(2, 1);
    m_noteField = PageStyle::muted(QString(), facts, 11);
    m_noteField->setObjectName(QStringLiteral("noteField"));
    m_noteField->setWordWrap(true);
    // Amber: a note the user should read before mailing the copy.
    ThemeFollower::style(m_noteField, QStringLiteral("color: @warning;"));
    grid->addWidget(m_noteField, 4, 0, 1, 3);
    return facts;
}

QWidget *ORPdfCompressViewCter::buildMatrix()
{
    auto *box = new QWidget(m_resultView);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(PageStyle::muted(tr("Quality"), box));
    m_styleMatrix = new QButtonGroup(box);
    const QString rows[PdfCompressor::kQualities] = {tr("Smallest file (images at 50 ppi)"),
                                                     tr("Medium (images at 150 ppi)"),
                                                     tr("Best quality (images at 300 ppi)")};
    for (int row = 0; row < PdfCompressor::kQualities; ++row) {
        auto *button = new QRadioButton(rows[row], box);
        m_styleMatrix->addButton(button, row);
        column->addWidget(button);
    }
    // Only a click by the user recompresses; setting the row from the code does not.
    connect(m_styleMatrix, &QButtonGroup::idClicked, this, &ORPdfCompressViewCter::changeCompressStyleMatrix);
    return box;
}

void ORPdfCompressViewCter::showPage(QWidget *view)
{
    static_cast<QStackedLayout *>(layout())->setCurrentWidget(view);
}

bool ORPdfCompressViewCter::isCompressing() const
{
    return m_runner->isRunning();
}

void ORPdfCompressViewCter::or_addFileButton()
{
    if (isCompressing())
        return;
    m_chooser = FileChooser::sheet(window(), tr("Choose a PDF document"));
    m_chooser->setAttribute(Qt::WA_DeleteOnClose);
    m_chooser->setFileMode(QFileDialog::ExistingFile);
    m_chooser->setNameFilters({tr("PDF documents (*.pdf *.PDF)")});
    connect(m_chooser, &QFileDialog::fileSelected, this, [this](const QString &path) { obtainPdfFile({path}); });
    m_chooser->open();
}

void ORPdfCompressViewCter::obtainPdfFile(const QStringList &paths)
{
    if (paths.isEmpty() || isCompressing())
        return;
    m_pdfFile = ORPdfFile::initFileDataFromPath(paths.first());
    m_compressedPdfFile.reset();
    if (!m_pdfFile->isOpen()) {
        tell(tr("“%1” is not a PDF document that can be read.").arg(QFileInfo(paths.first()).fileName()));
        showPage(m_briefView);
        return;
    }
    if (m_pdfFile->needsPassword())
        askPassword();
    else
        startCompressPDF();
}

void ORPdfCompressViewCter::askPassword()
{
    sheet(QMessageBox::Information, tr("Information"), tr("Information"), QStringLiteral("passwordAlert"));
    m_alert->setInformativeText(tr("Please enter the password"));
    m_alert->addButton(tr("Ok"), QMessageBox::AcceptRole);
    m_alert->addButton(tr("Cancel"), QMessageBox::RejectRole);
    connect(m_alert, &QMessageBox::accepted, this, [this] {
        m_passwordPanel = new PdfPasswordPanel([this](const QString &pw) { return tryPassword(pw); }, window());
        m_passwordPanel->setAttribute(Qt::WA_DeleteOnClose);
        m_passwordPanel->setWindowModality(Qt::WindowModal);
        connect(m_passwordPanel, &QDialog::accepted, this, &ORPdfCompressViewCter::startCompressPDF);
        m_passwordPanel->open();
    });
    m_alert->open();
}

// A password opens the document only when it also allows copying and
// printing: one that leaves either forbidden is not the owner's.
bool ORPdfCompressViewCter::tryPassword(const QString &password)
{
    return m_pdfFile && m_pdfFile->unlockWithPassword(password) && m_pdfFile->allowsCopying() &&
           m_pdfFile->allowsPrinting();
}

void ORPdfCompressViewCter::startCompressPDF()
{
    if (!m_pdfFile || isCompressing())
        return;
    m_circle->setupWithTitle(tr("Compressor"));
    m_circle->start();
    m_pageProgress->setText(tr("Page %1 of %2").arg(0).arg(m_pdfFile->pageCount));
    butEnable(false);
    showPage(m_progressView);
    auto running = std::make_shared<PdfCompression>();
    m_running = running;
    const std::shared_ptr<ORPdfFile> source = m_pdfFile;
    const int quality = pdfStyleInt;
    m_runner->run([running, source, quality](JobControl &job) {
        *running = PdfCompressor::compress(*source, quality, job);
        return running->succeeded();
    });
}

void ORPdfCompressViewCter::finishCompression()
{
    m_circle->stop();
    butEnable(true);
    const PdfCompression done = m_running ? *m_running : PdfCompression();
    m_running.reset();
    if (done.succeeded()) {
        m_compression = done;
        m_compressedPdfFile = ORPdfFile::initFileDataFromPath(done.outputPath);
        desPath = done.outputPath;
        setValueOfAllField();
    } else if (!done.cancelled) {
        tell(done.error);
    }
    // A cancelled or failed new quality leaves the last result on show.
    showPage(m_compressedPdfFile ? m_resultView : m_briefView);
    emit compressionEnded();
}

void ORPdfCompressViewCter::setValueOfAllField()
{
    m_pagesField->setText(QStringLiteral("%1").arg(m_compressedPdfFile->pageCount));
    ORUtility::sizeFileFormat(m_initialSizeField, m_initialUnitField,
                              ORUtility::sizeFormatWithNumber(m_pdfFile->pdfSize));
    ORUtility::sizeFileFormat(m_finalSizeField, m_finalUnitField,
                              ORUtility::sizeFormatWithNumber(m_compressedPdfFile->pdfSize));
    m_nameField->setText(QStringLiteral("%1").arg(m_compressedPdfFile->pdfName));
    QStringList notes;
    if (m_compression.keptOriginal)
        notes << tr("Already compact: no smaller copy could be made");
    if (m_compression.protectionRemoved)
        notes << tr("This copy is not password protected");
    m_noteField->setText(notes.join(QLatin1Char('\n')));
    m_noteField->setVisible(!notes.isEmpty());
    if (QAbstractButton *row = m_styleMatrix->button(pdfStyleInt))
        row->setChecked(true);
    m_pdfView->setPath(m_compressedPdfFile->pdfPath, m_pdfFile->password());
}

void ORPdfCompressViewCter::changeCompressStyleMatrix(int row)
{
    pdfStyleInt = row;
    startCompressPDF();
}

void ORPdfCompressViewCter::saveCompressedPDF()
{
    if (!m_compressedPdfFile)
        return;
    m_chooser = FileChooser::sheet(window(), tr("Save the compressed PDF"));
    m_chooser->setAttribute(Qt::WA_DeleteOnClose);
    m_chooser->setAcceptMode(QFileDialog::AcceptSave);
    m_chooser->setNameFilters({tr("PDF documents (*.pdf)")});
    m_chooser->setDefaultSuffix(QStringLiteral("pdf"));
    // The page asks before replacing a file itself, in its own words.
    m_chooser->setOption(QFileDialog::DontConfirmOverwrite);
    m_chooser->selectFile(m_compressedPdfFile->pdfName + QStringLiteral(".pdf"));
    connect(m_chooser, &QFileDialog::fileSelected, this, &ORPdfCompressViewCter::saveTo);
    m_chooser->open();
}

void ORPdfCompressViewCter::saveTo(const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists() && !target.isSymLink()) {
        writeCopy(path);
        return;
    }
    sheet(QMessageBox::Warning, tr("Save"),
          tr("“%1” already exists. Do you want to replace it?").arg(target.fileName()), QStringLiteral("replaceAlert"));
    m_alert->addButton(tr("Replace"), QMessageBox::AcceptRole);
    m_alert->addButton(tr("Cancel"), QMessageBox::RejectRole);
    connect(m_alert, &QMessageBox::accepted, this, [this, path] { writeCopy(path); });
    m_alert->open();
}

void ORPdfCompressViewCter::writeCopy(const QString &path)
{
    QPointer<ORPdfCompressViewCter> page(this);
    const QString from = m_compressedPdfFile->pdfPath;
    ORDispatch::global(ORDispatch::Priority::Default, [page, from, path] {
        JobControl job;
        const QString problem = OutputPlacement::place(from, path, OutputPlacement::Mode::Copy, true, job);
        ORDispatch::main([page, path, problem] {
            if (page && !problem.isEmpty())
                page->tell(tr("The copy could not be saved as “%1”.").arg(QFileInfo(path).fileName()), problem);
        });
    });
}

void ORPdfCompressViewCter::sendToMail()
{
    if (m_compressedPdfFile && !m_compressedPdfFile->pdfPath.isEmpty())
        ItemMailer::send(m_compressedPdfFile->pdfPath, this);
}

void ORPdfCompressViewCter::backToFirstPage()
{
    if (!isCompressing())
        showPage(m_briefView);
}

void ORPdfCompressViewCter::tell(const QString &text, const QString &detail)
{
    sheet(QMessageBox::Warning, tr("PDF Compressor"), text, QStringLiteral("failureAlert"));
    m_alert->setInformativeText(detail);
    m_alert->addButton(QMessageBox::Ok);
    m_alert->open();
}

void ORPdfCompressViewCter::sheet(QMessageBox::Icon icon, const QString &title, const QString &text,
                                  const QString &name)
{
    m_alert = new QMessageBox(icon, title, text, QMessageBox::NoButton, window());
    m_alert->setObjectName(name);
    m_alert->setAttribute(Qt::WA_DeleteOnClose);
    m_alert->setWindowModality(Qt::WindowModal);
}
