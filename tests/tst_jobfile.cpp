// The job file: a job written and read back is the same job, whatever it holds; one that does
// not keep the format is refused with its reason; and a job opened under another locale.

#include "flow/workflow.h"
#include "model/fieldvalues.h"
#include "store/jobfile.h"

#include "jobtesting.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QByteArray withKey(const char* from, const char* to) {
    return jobFileText(jobOf(point, {}, 1)).replace(from, to);
}

} // namespace

Q_DECLARE_METATYPE(JobDocument)
Q_DECLARE_METATYPE(FileProblem)

class TestJobFile : public QObject {
    Q_OBJECT

private slots:
    void writtenThenReadBackEqual_data();
    void writtenThenReadBackEqual();
    void refusedWithItsReason_data();
    void refusedWithItsReason();
    void openedUnderAnotherLocale();
    void unreadableTextStaysUnreadable();
    void formatComesFirst();
    void earlierVersionsReadUnshifted_data();
    void earlierVersionsReadUnshifted();
    void modifiedIsOneComparison_data();
    void modifiedIsOneComparison();
};

void TestJobFile::writtenThenReadBackEqual_data() {
    QTest::addColumn<JobDocument>("job");
    QTest::newRow("new, nothing run") << jobOf(point, {}, 0);
    QTest::newRow("typical, all three run") << jobOf(comma, {}, 3);
    JobDocument kept = jobOf(point, {QStringLiteral("d2_t=110"), QStringLiteral("L_t=45,5")}, 3);
    kept.machine = tezgahB();
    kept.lathe = builtInLathe();
    kept.lathe.name = QStringLiteral("Torna 1");
    kept.lathe.screw = {LeadScrew::Unit::ThreadsPerInch, 4};
    kept.lathe.gearbox = {{QStringLiteral("A"), 1}, {QStringLiteral("C"), 0.5}};
    kept.lathe.reach = 120;
    kept.lead = 9.42604;
    kept.gauge = {14.5, 5.25, 10, 25};
    kept.texts.at(indexOf(FieldId::x2_t)) = QStringLiteral("-0.3");
    kept.rating = {LoadGiven::InputPower,
                   5.5,
                   1.25,
                   Casting::CentrifugallyCast,
                   30,
                   0.03,
                   true,
                   0.8,
                   35,
                   90,
                   240,
                   false,
                   60};
    kept.title = QStringLiteral("Kırıkkale redüktörü, 2. parti");
    kept.note = QStringLiteral("Aşınan vida yerine.\nda1 elle düzeltildi.");
    QTest::newRow("hand-edited d2 and L, every choice made") << kept;
    QTest::newRow("partly computed: section 1 run, then m typed anew")
        << jobOf(comma, {QStringLiteral("m_t=3,5")}, 1);
}

void TestJobFile::writtenThenReadBackEqual() {
    QFETCH(JobDocument, job);

    const auto read = parseJobFile(jobFileText(job));

    QVERIFY(std::holds_alternative<JobDocument>(read));
    QVERIFY(std::get<JobDocument>(read) == job);
}

void TestJobFile::refusedWithItsReason_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<FileProblem>("problem");
    QTest::addColumn<QString>("message"); // in part
    QTest::newRow("a field misnamed") << withKey(R"("m_t")", R"("n_t")") << FileProblem::UnknownKey
                                      << QStringLiteral(R"("fields.n_t")");
    QTest::newRow("a key misspelt") << withKey(R"("note")", R"("nota")") << FileProblem::UnknownKey
                                    << QStringLiteral(R"("nota")");
    QTest::newRow("a key missing")
        << withKey(R"("note": "",)", "") << FileProblem::MissingKey << QStringLiteral(R"("note")");
    QTest::newRow("an unknown key") << withKey(R"("format")", R"("colour": 1, "format")")
                                    << FileProblem::UnknownKey << QStringLiteral(R"("colour")");
    QTest::newRow("a field not a string")
        << withKey(R"("m_t": "3")", R"("m_t": 3)") << FileProblem::WrongType
        << QStringLiteral(R"("fields.m_t")");
    QTest::newRow("a machine of the wrong type")
        << withKey(R"("indexConstant": 24)", R"("indexConstant": "24")") << FileProblem::WrongType
        << QStringLiteral(R"("indexConstant")");
    QTest::newRow("a later version") << withKey(R"("version": 3)", R"("version": 4)")
                                     << FileProblem::NewerVersion << QStringLiteral("sürüm");
    QTest::newRow("no version") << withKey(R"("version": 3,)", "") << FileProblem::NoVersion
                                << QStringLiteral("sürüm");
    QTest::newRow("a machine file") << QByteArray(R"({"format": "zorvandi-machines"})")
                                    << FileProblem::WrongFormat << QStringLiteral("iş dosyası");
    QTest::newRow("not JSON") << QByteArray(R"({"format": zorvandi})") << FileProblem::NotJson
                              << QStringLiteral("JSON değil: 12. baytta beklenmeyen karakter");
    QTest::newRow("a key written twice")
        << withKey(R"("note": "")", R"("note": "", "note": "x")") << FileProblem::DuplicateKey
        << QStringLiteral(R"("note")");
    QTest::newRow("a locale no one has")
        << withKey(R"("locale": "en_US")", R"("locale": "klingon")") << FileProblem::NoLocale
        << QStringLiteral("klingon");
    QTest::newRow("an empty locale") << withKey(R"("locale": "en_US")", R"("locale": "")")
                                     << FileProblem::NoLocale << QStringLiteral(R"("locale")");
    QTest::newRow("a lead below zero") << withKey(R"("lead": null)", R"("lead": -5)")
                                       << FileProblem::OutOfRange << QStringLiteral(R"("lead")");
    QTest::newRow("a lead of zero") << withKey(R"("lead": null)", R"("lead": 0)")
                                    << FileProblem::OutOfRange << QStringLiteral(R"("lead")");
    QTest::newRow("a least thinning above the most, which turns M's deviations round")
        << withKey(R"("least": 0)", R"("least": 30)") << FileProblem::OutOfRange
        << QStringLiteral(R"("thinning.least")");
    QTest::newRow("a thinning below zero")
        << withKey(R"("most": 0)", R"("most": -5)") << FileProblem::OutOfRange
        << QStringLiteral(R"("thinning.most")");
    QTest::newRow("a shift in a file from before shifts")
        << withKey(R"("version": 3)", R"("version": 2)").replace(R"("thinning": {)", R"("x": {)")
        << FileProblem::UnknownKey << QStringLiteral(R"("x")");
    QTest::newRow("a service factor below the AGMA's")
        << withKey(R"("serviceFactor": 1)", R"("serviceFactor": 0.5)") << FileProblem::OutOfRange
        << QStringLiteral(R"("rating.serviceFactor" değeri aralık dışında: 1 ile 10 arasında)");
}

void TestJobFile::refusedWithItsReason() {
    QFETCH(QByteArray, json);
    QFETCH(FileProblem, problem);
    QFETCH(QString, message);

    const auto read = parseJobFile(json);

    QVERIFY(std::holds_alternative<FileFault>(read));
    QCOMPARE(std::get<FileFault>(read).problem, problem);
    const QString text = jobFileFaultMessage(std::get<FileFault>(read), comma);
    QVERIFY2(text.contains(message), qPrintable(text));
}

// Saved in a comma locale, opened in a point one: numbers take the point with their digits,
// other texts stay, and the sections stay current.
void TestJobFile::openedUnderAnotherLocale() {
    const JobDocument saved = jobOf(comma, {QStringLiteral("L_t=42,50")}, 1);
    JobDocument typed = saved;
    typed.texts.at(indexOf(FieldId::AÇI_t)) = QStringLiteral("üç");

    const JobDocument opened = inLocale(typed, point);

    QCOMPARE(opened.texts.at(indexOf(FieldId::df2_t)), QStringLiteral("100.995"));
    QCOMPARE(opened.texts.at(indexOf(FieldId::L_t)), QStringLiteral("42.50"));
    QCOMPARE(opened.texts.at(indexOf(FieldId::AÇI_t)), QStringLiteral("üç"));
    QCOMPARE(inLocale(saved, comma).texts, saved.texts);
    const FormSnapshot now{opened.texts, opened.machine};
    QCOMPARE(sectionState(ButtonId::HESAPLA, now, opened.runs), SectionState::Stale);
    const JobDocument asRun = inLocale(jobOf(comma, {}, 1), point);
    QCOMPARE(sectionState(ButtonId::HESAPLA, {asRun.texts, asRun.machine}, asRun.runs),
             SectionState::Current);
}

// "1,450" does not read under en_US; opened under tr_TR it must not become 1,45, and back under
// en_US it is the text that was saved.
void TestJobFile::unreadableTextStaysUnreadable() {
    JobDocument saved = jobOf(point, {QStringLiteral("N1_t=1,450")}, 1);

    const JobDocument opened = inLocale(saved, comma);

    const QString there = opened.texts.at(indexOf(FieldId::N1_t));
    QVERIFY2(!FieldValues::readNumber(there, comma), qPrintable(there));
    QCOMPARE(inLocale(opened, point).texts.at(indexOf(FieldId::N1_t)), QStringLiteral("1,450"));
}

// The desktop's magic looks for the format within the first 64 bytes of a job.
void TestJobFile::formatComesFirst() {
    const QByteArray text = jobFileText(jobOf(comma, {}, 3));

    QVERIFY2(text.left(64).contains(R"("format": "zorvandi-job")"), text.left(64).constData());
}

// A job written before the wheel could be shifted: the same job, its wheel unshifted and its
// thread unthinned, every section as current as it was.
void TestJobFile::earlierVersionsReadUnshifted_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("version 1") << 1;
    QTest::newRow("version 2") << 2;
}

void TestJobFile::earlierVersionsReadUnshifted() {
    QFETCH(int, version);
    const JobDocument job = jobOf(comma, {}, 3);
    QByteArray text = jobFileText(job);
    text.replace(R"("version": 3)", "\"version\": " + QByteArray::number(version));
    const QRegularExpression shift(QStringLiteral(R"(\s*"x2_t": "0",)"));
    const QRegularExpression thinning(QStringLiteral(R"(,\s*"thinning": \{[^}]*\})"));
    QString older = QString::fromUtf8(text).remove(shift).remove(thinning);
    if (version == 1) {
        older.remove(QRegularExpression(QStringLiteral(R"(,\s*"design": null)")));
        older.remove(QRegularExpression(QStringLiteral(R"(,\s*"rating": \{[^}]*\})")));
    }
    QVERIFY(!older.contains(QStringLiteral("x2_t")) && !older.contains(QStringLiteral("thinning")));

    const auto read = parseJobFile(older.toUtf8());

    const auto* fault = std::get_if<FileFault>(&read);
    QVERIFY2(fault == nullptr, qPrintable(fault ? jobFileFaultMessage(*fault, comma) : QString()));
    QVERIFY(std::get<JobDocument>(read) == job);
}

// Whatever changes after a save, one comparison of the whole job tells it, without a window;
// a change that leaves the job as it was saved leaves it unmodified.
void TestJobFile::modifiedIsOneComparison_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("modified");
    QTest::newRow("nothing") << QString() << false;
    QTest::newRow("a text typed") << QStringLiteral("text") << true;
    QTest::newRow("a text typed back as it was") << QStringLiteral("text back") << false;
    QTest::newRow("HESAPLA again after 1440 typed as 1440.0") << QStringLiteral("rerun") << true;
    QTest::newRow("another lathe") << QStringLiteral("lathe") << true;
    QTest::newRow("the title") << QStringLiteral("title") << true;
    QTest::newRow("the thread's thinning") << QStringLiteral("gauge") << true;
}

void TestJobFile::modifiedIsOneComparison() {
    QFETCH(QString, change);
    QFETCH(bool, modified);
    QuietSink quiet;
    FormState form(point, quiet);
    Workflow flow(form);
    form.Form_Load();
    for (const auto& [field, text] :
         {std::pair{FieldId::m_t, "3"}, std::pair{FieldId::Z2_t, "36"},
          std::pair{FieldId::da1_t, "66"}, std::pair{FieldId::N1_t, "1440"}}) {
        form.setText(field, QLatin1String(text));
    }
    flow.click(ButtonId::HESAPLA);
    JobInfo info;
    const JobDocument saved = jobNow(flow, info);

    if (change.startsWith(QStringLiteral("text"))) {
        form.setText(FieldId::m_t, QStringLiteral("4"));
        if (change.endsWith(QStringLiteral("back"))) {
            form.setText(FieldId::m_t, QStringLiteral("3"));
        }
    } else if (change == QStringLiteral("rerun")) {
        form.setText(FieldId::N1_t, QStringLiteral("1440.0"));
        flow.click(ButtonId::HESAPLA);
    } else if (change == QStringLiteral("lathe")) {
        info.lathe.name = QStringLiteral("Torna 2");
    } else if (change == QStringLiteral("title")) {
        info.title = QStringLiteral("Redüktör 100");
    } else if (change == QStringLiteral("gauge")) {
        flow.setGauge(WireGauge{20, std::nullopt, 10, 20});
    }

    QCOMPARE(isModified(saved, flow, info), modified);
}

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_jobfile.moc"
