#include "ui/firstframeprobe.h"
#include "ui/jobbatch.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

namespace {

// Whether the program runs without a window: sheets made from the command line, or the help.
bool headless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option :
             {"--pdf", "--tsv", "--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Sheets and help need no display, so they run on the offscreen platform.
    if (headless(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvandi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVANDI_VERSION));
    // Ties the window to its desktop entry, where the desktop takes its icon and name from.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVANDI_APP_ID));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Main", "Sonsuz redüktör dişlisi-vidası ve azdırma tezgahı hesabı."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("Main", "İşlerin iş kağıtlarını pencere açmadan PDF olarak "
                                            "yazar: tek iş için bir dosya, birden çoğu için bir "
                                            "klasör."),
        QCoreApplication::translate("Main", "çıktı"));
    const QCommandLineOption tsv(
        QStringLiteral("tsv"),
        QCoreApplication::translate("Main", "İşlerin çizelgesini standart çıktıya yazar."));
    parser.addOption(pdf);
    parser.addOption(tsv);
    parser.addPositionalArgument(QStringLiteral("job.zvj"),
                                 QCoreApplication::translate("Main", "Açılacak iş dosyaları."));
    parser.process(app);

    const QStringList jobs = parser.positionalArguments();
    if (parser.isSet(pdf) || parser.isSet(tsv)) {
        if (jobs.isEmpty()) {
            std::fputs(qPrintable(parser.helpText()), stderr);
            return 2;
        }
        const QSettings settings(config + QStringLiteral("/zorvandi/zorvandi.conf"),
                                 QSettings::IniFormat);
        Translations translations;
        translations.apply(savedLanguage(settings));
        QTextStream out(stdout);
        QTextStream err(stderr);
        return makeJobSheets(jobs, parser.isSet(pdf) ? parser.value(pdf) : QString(),
                             QLocale::system(), out, err);
    }

    MainWindow window(QLocale::system(), config);
    FirstFrameProbe::installIfRequested(window);
    window.show();
    if (!jobs.isEmpty()) {
        window.openJobFile(jobs.constFirst());
    }
    return QApplication::exec();
}
