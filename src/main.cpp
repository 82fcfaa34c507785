#include "ui/firstframeprobe.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Ties the window to its desktop entry, where the desktop takes its icon and name from.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVANDI_APP_ID));
    MainWindow window(QLocale::system(),
                      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    FirstFrameProbe::installIfRequested(window);
    window.show();
    return QApplication::exec();
}
