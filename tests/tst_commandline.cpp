// The program from the command line: sheets without a window, and the help.

#include "jobtesting.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pdfOfACurrentAndAStaleJob();
    void tsvPrintsTheTable();
    void helpExitsZero();
    void outputThatIsNoPdfIsRefused_data();
    void outputThatIsNoPdfIsRefused();
    void sameNamesTakeNumbers();
    void tablesNameTheirJobsBesideThePdfs();
    void unknownOptionWithoutDisplay();
    void catalogueAsTableAndPdf();
    void catalogueRefusesABadList_data();
    void catalogueRefusesABadList();
    void catalogueTakesARepeatedHousingOnce();
    void selectionAndPagePerHousing();
    void catalogueTakesTheKeptProfileAngle();
    void catalogueWithAnUnusableMachineFile();

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

// The output forgotten, or a job file named as the output: refused, nothing written.
void TestCommandLine::outputThatIsNoPdfIsRefused_data() {
    QTest::addColumn<int>("jobs");
    QTest::newRow("one job, the output forgotten") << 1;
    QTest::newRow("two jobs onto a job file") << 2;
}

void TestCommandLine::outputThatIsNoPdfIsRefused() {
    QFETCH(int, jobs);
    const QString first = write(QStringLiteral("first.zvj"), jobOf(point, {}, 3));
    const QString second = write(QStringLiteral("second.zvj"), jobOf(point, {}, 3));
    const QByteArray before = jobFileText(jobOf(point, {}, 3));
    QStringList arguments = {QStringLiteral("--pdf"), first, second};
    if (jobs == 2) {
        arguments.append(write(QStringLiteral("third.zvj"), jobOf(point, {}, 3)));
    }

    QCOMPARE(run(arguments), 2);
    QFile kept(first);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
    QVERIFY2(m_err.contains(QDir::toNativeSeparators(first)), qPrintable(m_err));
    QVERIFY(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

void TestCommandLine::sameNamesTakeNumbers() {
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a")) &&
            QDir(m_dir.path()).mkpath(QStringLiteral("b")));
    const QString a = write(QStringLiteral("a/job.zvj"), jobOf(point, {}, 3));
    const QString b = write(QStringLiteral("b/job.zvj"), jobOf(point, {}, 3));
    const QString out = m_dir.filePath(QStringLiteral("out"));

    QCOMPARE(run({QStringLiteral("--pdf"), out, a, b}), 0);

    QCOMPARE(QDir(out).entryList(QDir::Files),
             (QStringList{QStringLiteral("job (2).pdf"), QStringLiteral("job.pdf")}));
    QCOMPARE(
        QString::fromUtf8(m_out).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
        (QStringList{QDir::toNativeSeparators(QDir(out).filePath(QStringLiteral("job.pdf"))),
                     QDir::toNativeSeparators(QDir(out).filePath(QStringLiteral("job (2).pdf")))}));
}

void TestCommandLine::tablesNameTheirJobsBesideThePdfs() {
    const QString a = write(QStringLiteral("a.zvj"), jobOf(point, {}, 3));
    const QString b = write(QStringLiteral("b.zvj"), jobOf(point, {}, 3));
    const QString out = m_dir.filePath(QStringLiteral("both"));

    QCOMPARE(run({QStringLiteral("--pdf"), out, QStringLiteral("--tsv"), a, b}), 0);

    QCOMPARE(QDir(out).entryList(QDir::Files),
             (QStringList{QStringLiteral("a.pdf"), QStringLiteral("b.pdf")}));
    const QString text = QString::fromUtf8(m_out);
    for (const QString& job : {a, b}) {
        QVERIFY2(text.contains(QDir::toNativeSeparators(job) + QStringLiteral("\nSONSUZ REDÜKTÖR")),
                 qPrintable(text));
    }
}

// No display: a mistyped option is told, not an abort on the missing display.
void TestCommandLine::unknownOptionWithoutDisplay() {
    QCOMPARE(run({QStringLiteral("--pfd"), QStringLiteral("job.zvj")}), 2);
    QVERIFY2(m_err.contains(QStringLiteral("pfd")) && m_err.contains(QStringLiteral("--help")),
             qPrintable(m_err));
}

// The catalogue without a display: the table of two housings and two ratios at one speed, a
// row each, and the same as a PDF named on the output.
void TestCommandLine::catalogueAsTableAndPdf() {
    const QStringList asked = {
        QStringLiteral("--catalogue"), QStringLiteral("--housings"), QStringLiteral("63;100"),
        QStringLiteral("--ratios"),    QStringLiteral("10;40"),      QStringLiteral("--speeds"),
        QStringLiteral("1400"),        QStringLiteral("--worms"),    QStringLiteral("new")};

    QCOMPARE(run(asked + QStringList{QStringLiteral("--tsv")}), 0);

    const QStringList lines = QString::fromUtf8(m_out).split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QStringLiteral("N1 = 1400 d/dk")), m_out.constData());
    // Beside the nominal ratio, the real one: Z2 ÷ z1 of the drive in the same row.
    const QRegularExpression drive(QStringLiteral(R"(\tm [0-9.]+, z1 (\d), Z2 (\d+),)"));
    for (const char* row : {"63\t10\t", "63\t40\t", "100\t10\t", "100\t40\t"}) {
        const QStringList found =
            lines.filter(QRegularExpression(QLatin1Char('^') + QLatin1String(row)));
        QCOMPARE(found.size(), 1);
        const QRegularExpressionMatch m = drive.match(found.constFirst());
        QVERIFY2(m.hasMatch(), qPrintable(found.constFirst()));
        const double real = m.captured(2).toDouble() / m.captured(1).toDouble();
        QVERIFY2(std::abs(found.constFirst().section(QLatin1Char('\t'), 2, 2).toDouble() - real) <
                     0.005,
                 qPrintable(found.constFirst()));
    }
    const QString pdf = m_dir.filePath(QStringLiteral("katalog.pdf"));
    QCOMPARE(run(asked + QStringList{QStringLiteral("--pdf"), pdf}), 0);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
    QCOMPARE(QString::fromUtf8(m_out).trimmed(), QDir::toNativeSeparators(pdf));
}

// Each option's refusal names the option and what it takes: its own range, or its choices.
void TestCommandLine::catalogueRefusesABadList_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("takes");
    const auto row = [](const char* name, const char* option, const char* value,
                        const char* takes) {
        QTest::newRow(name) << QStringList{QLatin1String(option), QLatin1String(value)}
                            << QString::fromLatin1(option) << QString::fromUtf8(takes);
    };
    row("a ratio that is no number", "--ratios", "10;x", "1 ile 1000");
    row("a housing below zero", "--housings", "-63", "en çok 10000 mm");
    row("housings that are words", "--housings", "abc", "en çok 10000 mm");
    row("a speed of zero", "--speeds", "0", "en çok 100000 d/dk");
    row("no such worms", "--worms", "foo", "hobs, standard ya da new");
    row("a profile angle beyond any hob", "--alpha", "40", "10 ile 30 derece");
    QTest::newRow("a motor list with a word")
        << QStringList{QStringLiteral("--selection"), QStringLiteral("--motors"),
                       QStringLiteral("0.37;x")}
        << QStringLiteral("--motors") << QStringLiteral("en çok 1000 kW");
    QTest::newRow("a least factor beyond any table")
        << QStringList{QStringLiteral("--selection"), QStringLiteral("--service-factor"),
                       QStringLiteral("9")}
        << QStringLiteral("--service-factor") << QStringLiteral("0.5 ile 5");
}

void TestCommandLine::catalogueRefusesABadList() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, option);
    QFETCH(QString, takes);

    QCOMPARE(run(QStringList{QStringLiteral("--catalogue"), QStringLiteral("--tsv")} + arguments),
             2);

    QVERIFY2(m_err.contains(option) && m_err.contains(takes), qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
}

// The two other layouts of the same catalogue: a page a motor asked, then a page a housing.
void TestCommandLine::selectionAndPagePerHousing() {
    const QStringList asked = {QStringLiteral("--catalogue"), QStringLiteral("--tsv"),
                               QStringLiteral("--housings"),  QStringLiteral("63;100"),
                               QStringLiteral("--ratios"),    QStringLiteral("10;40"),
                               QStringLiteral("--worms"),     QStringLiteral("new")};
    QCOMPARE(run(asked + QStringList{QStringLiteral("--selection"), QStringLiteral("--motors"),
                                     QStringLiteral("0.37;0.75")}),
             0);
    QStringList lines = QString::fromUtf8(m_out).split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QStringLiteral("0.37 kW, 4 kutup, 1400 d/dk")), m_out.constData());
    QVERIFY(lines.contains(QStringLiteral("0.75 kW, 4 kutup, 1400 d/dk")));
    QVERIFY(!lines.filter(QRegularExpression(QStringLiteral("^63\t10\t"))).isEmpty());

    QCOMPARE(run(asked + QStringList{QStringLiteral("--per-housing")}), 0);
    lines = QString::fromUtf8(m_out).split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QStringLiteral("Gövde a = 63 mm")), m_out.constData());
    QVERIFY(lines.contains(QStringLiteral("Gövde a = 100 mm")));
}

void TestCommandLine::catalogueTakesARepeatedHousingOnce() {
    QCOMPARE(run({QStringLiteral("--catalogue"), QStringLiteral("--tsv"),
                  QStringLiteral("--housings"), QStringLiteral("63;63"), QStringLiteral("--ratios"),
                  QStringLiteral("10"), QStringLiteral("--worms"), QStringLiteral("new")}),
             0);

    const QStringList lines = QString::fromUtf8(m_out).split(QLatin1Char('\n'));
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^63\t10\t"))).size(), 1);
    QVERIFY2(lines.contains(QStringLiteral("Gövdeler (a, mm): 63")), m_out.constData());
}

// The profile angle the catalogue window keeps is the command line's too, unless --alpha says
// otherwise, and the head names the one used; a steeper α gives the mesh another efficiency.
void TestCommandLine::catalogueTakesTheKeptProfileAngle() {
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("config/zorvandi")));
    {
        QSettings kept(m_dir.filePath(QStringLiteral("config/zorvandi/zorvandi.conf")),
                       QSettings::IniFormat);
        kept.setValue(QStringLiteral("catalogue/profileAngle"), 25);
    }
    const QStringList asked = {QStringLiteral("--catalogue"), QStringLiteral("--tsv"),
                               QStringLiteral("--housings"),  QStringLiteral("100"),
                               QStringLiteral("--ratios"),    QStringLiteral("10"),
                               QStringLiteral("--worms"),     QStringLiteral("new")};
    const auto efficiency = [this] {
        const QStringList lines = QString::fromUtf8(m_out).split(QLatin1Char('\n'));
        const QStringList row = lines.filter(QRegularExpression(QStringLiteral("^100\t10\t")));
        return row.isEmpty() ? QString() : row.constFirst().section(QLatin1Char('\t'), 5, 5);
    };

    QCOMPARE(run(asked), 0);
    QVERIFY2(m_out.contains("profil açısı α = 25°"), m_out.constData());
    const QString kept = efficiency();
    QCOMPARE(run(asked + QStringList{QStringLiteral("--alpha"), QStringLiteral("20")}), 0);
    QVERIFY2(m_out.contains("profil açısı α = 20°"), m_out.constData());

    QVERIFY(!kept.isEmpty() && kept != efficiency());
}

// The shop's hobs asked from a machine file that cannot be read: the window's words for the file
// on the error stream and status 1, not a table of dashes.
void TestCommandLine::catalogueWithAnUnusableMachineFile() {
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("config/zorvandi")));
    QFile machines(m_dir.filePath(QStringLiteral("config/zorvandi/machines.json")));
    QVERIFY(machines.open(QIODevice::WriteOnly));
    machines.write("{\"format\": zorvandi");
    machines.close();

    QCOMPARE(run({QStringLiteral("--catalogue"), QStringLiteral("--tsv"), QStringLiteral("--worms"),
                  QStringLiteral("hobs")}),
             1);

    QVERIFY2(m_err.contains(QStringLiteral("kullanılamıyor")) &&
                 m_err.contains(QStringLiteral("machines.json")),
             qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
