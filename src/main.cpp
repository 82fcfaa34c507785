#include "app/cataloguebatch.h"
#include "app/jobbatch.h"
#include "ui/firstframeprobe.h"
#include "ui/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {

// The program's options. Made once before the application, untranslated, only to tell whether
// a display is needed, and again once the interface's language is installed, for the words.
struct CommandLine {
    CommandLine();

    QCommandLineParser parser;
    QCommandLineOption pdf;
    QCommandLineOption tsv;
    QCommandLineOption catalogue;
    QCommandLineOption housings;
    QCommandLineOption ratios;
    QCommandLineOption speeds;
    QCommandLineOption worms;
    QCommandLineOption alpha;
    QCommandLineOption selection;
    QCommandLineOption perHousing;
    QCommandLineOption motors;
    QCommandLineOption serviceFactor;
};

CommandLine::CommandLine()
    : pdf(QStringLiteral("pdf"),
          QCoreApplication::translate("Main", "İşlerin iş kağıtlarını pencere açmadan PDF olarak "
                                              "yazar: tek iş için bir dosya, birden çoğu için bir "
                                              "klasör."),
          QCoreApplication::translate("Main", "çıktı"))
    , tsv(QStringLiteral("tsv"),
          QCoreApplication::translate("Main", "İşlerin çizelgesini standart çıktıya yazar."))
    , catalogue(QStringLiteral("catalogue"),
                QCoreApplication::translate("Main", "İşler yerine gövdelerin kataloğunu yazar "
                                                    "(--pdf ya da --tsv ile)."))
    , housings(QStringLiteral("housings"),
               QCoreApplication::translate("Main", "Kataloğun gövdeleri, mm; örneğin 63;80;100."),
               QStringLiteral("a;a"))
    , ratios(QStringLiteral("ratios"),
             QCoreApplication::translate("Main", "Kataloğun oranları; örneğin 10;20;40."),
             QStringLiteral("i;i"))
    , speeds(QStringLiteral("speeds"),
             QCoreApplication::translate("Main", "Kataloğun giriş devirleri, d/dk; örneğin "
                                                 "1400;2800."),
             QStringLiteral("n;n"))
    , worms(QStringLiteral("worms"),
            QCoreApplication::translate("Main", "Kataloğun vidaları: hobs, standard ya da new."),
            QStringLiteral("hobs|standard|new"))
    , alpha(QStringLiteral("alpha"),
            QCoreApplication::translate("Main", "Kataloğun profil açısı α, derece; örneğin 20."),
            QStringLiteral("α"))
    , selection(QStringLiteral("selection"),
                QCoreApplication::translate("Main", "Kataloğun yerine motora göre seçim "
                                                    "tablosunu yazar."))
    , perHousing(QStringLiteral("per-housing"),
                 QCoreApplication::translate("Main", "Kataloğu gövde başına bir sayfa olarak "
                                                     "yazar."))
    , motors(QStringLiteral("motors"),
             QCoreApplication::translate("Main", "Seçim tablosunun motor güçleri, kW; örneğin "
                                                 "0,37;0,55;0,75."),
             QStringLiteral("P;P"))
    , serviceFactor(QStringLiteral("service-factor"),
                    QCoreApplication::translate("Main", "Seçim tablosunun listelediği en küçük "
                                                        "işletme faktörü fs; örneğin 1,25."),
                    QStringLiteral("fs")) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "Main", "Sonsuz redüktör dişlisi-vidası ve azdırma tezgahı hesabı."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(pdf);
    parser.addOption(tsv);
    for (const QCommandLineOption* option :
         {&catalogue, &housings, &ratios, &speeds, &worms, &alpha, &selection, &perHousing, &motors,
          &serviceFactor}) {
        parser.addOption(*option);
    }
    parser.addPositionalArgument(QStringLiteral("job.zvj"),
                                 QCoreApplication::translate("Main", "Açılacak iş dosyaları."));
}

// Qt's own options, which the application takes out of the arguments once it is made; the
// first reading has to know them so as not to take "-style fusion" for a mistake.
void acceptQtOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Whether the program runs without a window: sheets from the command line, the help, the
// version, or a command line that does not read, which is only told.
bool headless(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    CommandLine first;
    acceptQtOptions(first.parser);
    if (!first.parser.parse(arguments)) {
        return true;
    }
    const QCommandLineParser& p = first.parser;
    return p.isSet(first.pdf) || p.isSet(first.tsv) || p.isSet(first.catalogue) ||
           p.isSet(QStringLiteral("help")) || p.isSet(QStringLiteral("help-all")) ||
           p.isSet(QStringLiteral("version"));
}

// The run without a window. The help and the batch's words are in the interface's language,
// Qt's own lines included, so the options are read once that language is installed.
int runHeadless(const QString& config) {
    Translations printed;
    printed.apply(printedLanguage(
        QSettings(config + QStringLiteral("/zorvandi/zorvandi.conf"), QSettings::IniFormat),
        QLocale::system()));
    CommandLine commandLine;
    QCommandLineParser& parser = commandLine.parser;
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fputs(qPrintable(QCoreApplication::translate("Main", "%1\nSeçenekler için: %2 --help")
                                  .arg(parser.errorText(), QCoreApplication::applicationName()) +
                              QLatin1Char('\n')),
                   stderr);
        return BatchRefused;
    }
    parser.process(*QCoreApplication::instance()); // the help, --help-all and the version exit

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(commandLine.catalogue)) {
        const auto given = [&parser](const QCommandLineOption& option) {
            return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
        };
        return runCatalogue(
            {given(commandLine.housings), given(commandLine.ratios), given(commandLine.speeds),
             given(commandLine.worms), given(commandLine.alpha),
             parser.isSet(commandLine.pdf) ? parser.value(commandLine.pdf) : QString(),
             parser.isSet(commandLine.tsv), parser.isSet(commandLine.selection),
             parser.isSet(commandLine.perHousing), given(commandLine.motors),
             given(commandLine.serviceFactor)},
            config, QLocale::system(), out, err);
    }
    const QStringList jobs = parser.positionalArguments();
    if (jobs.isEmpty()) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return BatchRefused;
    }
    const bool pdf = parser.isSet(commandLine.pdf);
    return makeJobSheets(
        {jobs, pdf ? parser.value(commandLine.pdf) : QString(), parser.isSet(commandLine.tsv)},
        QLocale::system(), out, err);
}

} // namespace

int main(int argc, char* argv[]) {
    // Sheets, help and a mistyped option need no display, so they run on the offscreen platform.
    const bool withoutWindow = headless(argc, argv);
    if (withoutWindow) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvandi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVANDI_VERSION));
    // Ties the window to its desktop entry, where the desktop takes its icon and name from.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVANDI_APP_ID));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (withoutWindow) {
        return runHeadless(config);
    }

    CommandLine commandLine;
    commandLine.parser.parse(QCoreApplication::arguments()); // read once already, without fault
    const QStringList jobs = commandLine.parser.positionalArguments();
    MainWindow window(QLocale::system(), config);
    FirstFrameProbe::installIfRequested(window);
    window.show();
    if (!jobs.isEmpty()) {
        window.openJobFile(jobs.constFirst());
    }
    return QApplication::exec();
}
