// The second yardstick of the start-up benchmark: a bare Qt main window with what ZORVANDI's
// frame shows around its form (a menu bar of three menus and an empty status bar) and a text
// field, so that the cost of Qt's own frame can be told from the cost of the form.

#include "ui/firstframeprobe.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"Dosya", "Düzen", "Yardım"}) {
        window.menuBar()->addMenu(QString::fromUtf8(title));
    }
    window.statusBar();
    auto* form = new QWidget(&window);
    form->setMinimumSize(619, 619);
    window.setCentralWidget(form);
    QLineEdit edit(form);
    edit.move(184, 24);
    edit.setFocus();
    FirstFrameProbe::installIfRequested(window);
    window.show();
    return QApplication::exec();
}
