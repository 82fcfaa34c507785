// The program as a package installs it: it finds its print module in its own library folder,
// and carries no path of the tree it was built in, from which it could load a planted library.

#include "store/jobfile.h"
#include "ui/printmoduleloader.h"

#include <QDir>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A sanitizer build carries the names of its source files into its reports on purpose.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
#else
constexpr bool sanitized = false;
#endif

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(QLatin1Char(' '))
                             << process.readAllStandardError();
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace

class TestInstallLayout : public QObject {
    Q_OBJECT

private slots:
    void installedProgramLoadsItsModuleAndNamesNoBuildPath();
};

void TestInstallLayout::installedProgramLoadsItsModuleAndNamesNoBuildPath() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString prefix = root.path() + QStringLiteral("/usr");
    QVERIFY(!run(QStringLiteral(CMAKE_COMMAND),
                 {QStringLiteral("--install"), QStringLiteral(ZORVANDI_BUILD_DIR),
                  QStringLiteral("--prefix"), prefix, QStringLiteral("--strip")})
                 .isNull());
    const QString bin = prefix + QStringLiteral("/bin");

    // Every place looked in lies in the installed tree; the build tree is not among them.
    for (const QString& place : printModulePlaces(bin)) {
        QVERIFY2(place.startsWith(root.path()), qPrintable(place));
    }
    const PrintModuleLoad load = loadPrintModule(bin, QPageLayout());
    QVERIFY2(load.service, qPrintable(load.failures.join(QLatin1Char('\n'))));
    QCOMPARE(load.path, prefix + QStringLiteral("/" ZORVANDI_LIBDIR "/zorvandi/") +
                            QFileInfo(load.path).fileName());

    // Narrow and UTF-16 texts alike.
    if (!sanitized) {
        const QString program = bin + QStringLiteral("/zorvandi");
        const QByteArray texts = run(QStringLiteral("strings"), {program}) +
                                 run(QStringLiteral("strings"), {QStringLiteral("-el"), program});
        QVERIFY(!texts.isEmpty());
        QVERIFY(!texts.contains(ZORVANDI_BUILD_DIR));
        QVERIFY(!texts.contains(ZORVANDI_SOURCE_DIR));
    }

    // The job file's type, as the desktop reads it from the installed tree.
    const QString share = prefix + QStringLiteral("/share");
    QVERIFY(QFileInfo::exists(share + QStringLiteral("/mime/packages/" ZORVANDI_APP_ID ".xml")));
    const QByteArray desktop = [&share] {
        QFile file(share + QStringLiteral("/applications/" ZORVANDI_APP_ID ".desktop"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(desktop.contains("MimeType=application/x-zorvandi-job;"));
    QVERIFY(desktop.contains("Exec=zorvandi %f"));
    // A job as the program writes it, once by its name and once by its bytes alone.
    QTemporaryDir jobs;
    const QString job = jobs.filePath(QStringLiteral("m3-z36.zvj"));
    const QString unnamed = jobs.filePath(QStringLiteral("m3-z36"));
    for (const QString& path : {job, unnamed}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jobFileText(JobDocument{}));
    }
    // Only the installed tree's types, read as the desktop reads them.
    qputenv("XDG_DATA_DIRS", share.toUtf8());
    qputenv("XDG_DATA_HOME", jobs.filePath(QStringLiteral("none")).toUtf8());
    const QMimeDatabase types;
    QCOMPARE(types.mimeTypeForFile(job).name(), QStringLiteral("application/x-zorvandi-job"));
    QCOMPARE(types.mimeTypeForFile(unnamed, QMimeDatabase::MatchContent).name(),
             QStringLiteral("application/x-zorvandi-job"));

    // Where no module is found, each place is named with the loader's reason.
    QTemporaryDir empty;
    const PrintModuleLoad missing = loadPrintModule(empty.path(), QPageLayout());
    QVERIFY(!missing.service);
    QCOMPARE(missing.failures.size(), printModulePlaces(empty.path()).size());
    for (qsizetype i = 0; i < missing.failures.size(); ++i) {
        QVERIFY2(missing.failures[i].contains(printModulePlaces(empty.path())[i]) &&
                     missing.failures[i].contains(QStringLiteral("yüklenemedi: ")),
                 qPrintable(missing.failures[i]));
    }
}

QTEST_MAIN(TestInstallLayout)
#include "tst_installlayout.moc"
