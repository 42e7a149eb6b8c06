// sweepwright-cli-pdf: the `pdf` command of sweepwright-cli, which runs it
// in place of itself with the words after "pdf" (see HelperProgram.h). Kept
// apart because poppler brings QtGui, fontconfig and X11 with it.

#include "CliCommand.h"
#include "PdfCommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CliCommand::prepareApplication();
    return PdfCommand().run(app.arguments().mid(1));
}
