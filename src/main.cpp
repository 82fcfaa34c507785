#include "ui/firstframeprobe.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    MainWindow window(QLocale::system());
    FirstFrameProbe::installIfRequested(window);
    window.show();
    return QApplication::exec();
}
