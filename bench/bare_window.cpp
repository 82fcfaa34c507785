// The yardstick of the start-up benchmark: the least a Qt window with a text field costs.

#include "ui/firstframeprobe.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(619, 619);
    QLineEdit edit(&window);
    edit.move(184, 24);
    edit.setFocus();
    FirstFrameProbe::installIfRequested(window);
    window.show();
    return QApplication::exec();
}
