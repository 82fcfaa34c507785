// The program from the command line: sheets without a window, and the help.

#include "jobtesting.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pdfOfACurrentAndAStaleJob();
    void tsvPrintsTheTable();
    void helpExitsZero();

private:
    // Runs the program on the arguments with a configuration folder of its own.
    int run(const QStringList& arguments);
    QString write(const QString& name, const JobDocument& job) const;

    QTemporaryDir m_dir;
    QByteArray m_out;
    QString m_err;
};

void TestCommandLine::init() {
    QVERIFY(m_dir.isValid());
}

int TestCommandLine::run(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZORVANDI_PROGRAM), arguments);
    if (!program.waitForFinished(60000)) {
        return -1;
    }
    m_out = program.readAllStandardOutput();
    m_err = QString::fromUtf8(program.readAllStandardError());
    return program.exitCode();
}

QString TestCommandLine::write(const QString& name, const JobDocument& job) const {
    QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(jobFileText(job));
    }
    return path;
}

// Two jobs into a folder: the current one gives its PDF, the stale one nothing but its name and
// reason on the error stream, and the status says that not all went.
void TestCommandLine::pdfOfACurrentAndAStaleJob() {
    const QString current = write(QStringLiteral("current.zvj"), jobOf(point, {}, 3));
    const QString stale =
        write(QStringLiteral("stale.zvj"), jobOf(point, {QStringLiteral("m_t=4")}, 3));
    const QString out = m_dir.filePath(QStringLiteral("sheets"));

    const int status = run({QStringLiteral("--pdf"), out, current, stale});

    QCOMPARE(status, 1);
    QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("current.pdf")});
    QVERIFY2(m_err.contains(QDir::toNativeSeparators(stale)) &&
                 m_err.contains(QStringLiteral("HESAPLA")),
             qPrintable(m_err));
    QVERIFY2(!m_err.contains(QDir::toNativeSeparators(current)), qPrintable(m_err));
}

void TestCommandLine::tsvPrintsTheTable() {
    const QString job = write(QStringLiteral("m3-z36.zvj"), jobOf(point, {}, 1));

    QCOMPARE(run({QStringLiteral("--tsv"), job}), 0);

    const QString table = QString::fromUtf8(m_out);
    QVERIFY2(table.contains(QStringLiteral("DİŞLİ BÖLÜM DAİRESİ (d2)\t108\tmm")),
             qPrintable(table));
    QVERIFY(table.contains(QStringLiteral("2. AZDIRMA AÇILARI\n\thesaplanmadı\t")));
}

void TestCommandLine::helpExitsZero() {
    QCOMPARE(run({QStringLiteral("--help")}), 0);
    QVERIFY(m_out.contains("--pdf"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
