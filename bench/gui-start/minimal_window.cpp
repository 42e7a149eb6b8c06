// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the GUI's start: a Qt main window holding one label.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setCentralWidget(new QLabel(QStringLiteral("A minimal Qt main window"), &window));
    window.resize(1100, 720);
    window.show();
    return app.exec();
}
