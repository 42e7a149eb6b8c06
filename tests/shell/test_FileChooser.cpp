// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FileChooser.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// Qt's own file dialog left its path completion open on the page after the
// path was accepted, and the pop-up took the next click (the first press of
// Shred did nothing).
class TestFileChooser : public QObject
{
    Q_OBJECT

private slots:
    void theCompletionPopUpGoesWithTheDialog()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Secret")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Second")));
        QWidget window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QFileDialog *dialog = sw::FileChooser::sheet(&window, QStringLiteral("Add Folders"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);  // Qt's own, as where no desktop dialog serves
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setDirectory(dir.path());
        dialog->open();
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(field);
        QCompleter *completer = field->completer();
        QVERIFY(completer);
        QTRY_VERIFY(dialog->isVisible());
        QTest::keyClicks(field, QStringLiteral("Secret"));
        QTRY_VERIFY(completer->popup()->isVisible());
        static_cast<QDialog *>(dialog)->done(QDialog::Accepted);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!completer->popup()->isVisible());
        delete dialog;
    }
};

QTEST_MAIN(TestFileChooser)
#include "test_FileChooser.moc"
