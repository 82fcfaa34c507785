// Jobs in the window: opened as they were left, marked when changed, asked about before they
// are lost, and their machines set against the shop's.

#include "jobtesting.h"
#include "ui/jobsession.h"
#include "windowtesting.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

class TestJobs : public WindowTest {
    Q_OBJECT

private slots:
    void openRestoresStaleMarksAndRefusesTheSheet();
    void modifiedMarkAndTheQuestionOnClose();
    void machineThatDiffersGivesItsBox_data();
    void machineThatDiffersGivesItsBox();
    void recentJobThatIsGoneIsRemoved();
    void markFollowsEveryChange_data();
    void markFollowsEveryChange();
    void unreadableJobAsksNothing();
    void newJobSavedReopensCurrent();
    void catalogueRowOpensANewJob();

private:
    QString write(const JobDocument& job);
    QTemporaryDir m_jobs;
};

QString TestJobs::write(const JobDocument& job) {
    QString path = m_jobs.filePath(s("m3-z36.zvj"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(jobFileText(job));
    }
    return path;
}

// A job whose m was typed anew after its runs: the texts as saved, the sections that read m
// stale and the gears still current, the sheet refused, and the window not modified.
void TestJobs::openRestoresStaleMarksAndRefusesTheSheet() {
    const QString path = write(jobOf(point, {s("m_t=4")}, 3));

    QVERIFY(m_window->openJobFile(path));

    QCOMPARE(field(FieldId::m_t)->text(), s("4"));
    QCOMPARE(field(FieldId::d2_t)->text(), s("108"));
    QVERIFY(greyed(FieldId::d2_t) && greyed(FieldId::AASAĞ_t) && !greyed(FieldId::KS_t));
    QVERIFY(button(ButtonId::Command1)->isEnabled());
    QVERIFY(!marked());
    QCOMPARE(m_window->windowTitle(), s("m3-z36.zvj[*] — ") + formTitle());
    QString told;
    answerModals([this] { pressInField(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier); },
                 {[&told](QWidget* box) {
                     told = qobject_cast<QMessageBox*>(box)->text();
                     qobject_cast<QMessageBox*>(box)->accept();
                 }});
    QVERIFY2(told.startsWith(s("Birinci bölümün sonuçları güncel değil")), qPrintable(told));
}

// A change marks the job; closing asks, İptal keeps the window, Kaydet writes the file the user
// names and clears the mark; a later change and Kaydetme let it close.
void TestJobs::modifiedMarkAndTheQuestionOnClose() {
    const QString path = m_jobs.filePath(s("yeni.zvj"));
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{path}));
    type(FieldId::m_t, s("3"));
    QVERIFY(marked());

    const QStringList first = answerModals([this] { m_window->close(); }, {press(s("İptal"))});
    QCOMPARE(first, QStringList{s("QMessageBox")});
    QVERIFY(m_window->isVisible());

    answerModals([this] { m_window->close(); }, {press(s("Kaydet"))});
    QVERIFY(!m_window->isVisible());
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!marked());
    const auto saved = std::get<JobDocument>(parseJobFile([&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }()));
    QCOMPARE(saved.texts.at(indexOf(FieldId::m_t)), s("3"));

    m_window->show();
    type(FieldId::m_t, s("5"));
    answerModals([this] { m_window->close(); }, {press(s("Kaydetme"))});
    QVERIFY(!m_window->isVisible());
}

void TestJobs::machineThatDiffersGivesItsBox_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("added to the machines") << s("Tezgâhlara Ekle");
    QTest::newRow("opened with the one in use") << s("Kullanılanla Aç");
}

// The job was made on Tezgâh B, which the shop's file does not have.
void TestJobs::machineThatDiffersGivesItsBox() {
    QFETCH(QString, answer);
    RecordingSink sink;
    FormState form(point, sink);
    Workflow flow(form);
    flow.setMachine(tezgahB());
    form.Form_Load();
    for (const auto& [id, text] :
         {std::pair{FieldId::m_t, "3"}, std::pair{FieldId::Z2_t, "40"},
          std::pair{FieldId::da1_t, "66"}, std::pair{FieldId::N1_t, "1440"},
          std::pair{FieldId::AÇI_t, "3"}, std::pair{FieldId::GD_t, "60"}}) {
        form.setText(id, s(text));
    }
    for (const ButtonId b : allButtons) {
        flow.click(b);
    }
    JobDocument job;
    job.locale = point.name();
    job.texts = form.texts();
    job.runs = flow.completedRuns();
    job.machine = tezgahB();
    const QString path = write(job);

    const QStringList opened = answerModals([&] { m_window->openJobFile(path); }, {press(answer)});

    QCOMPARE(opened, QStringList{s("QMessageBox")});
    const bool added = answer == s("Tezgâhlara Ekle");
    QCOMPARE(machineFileBytes().contains("Tezgâh B"), added);
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(),
             added ? s("Tezgâh: Tezgâh B") : s("Tezgâh: Varsayılan tezgâh"));
    QCOMPARE(greyed(FieldId::KS_t), !added);
    QCOMPARE(m_window->statusBar()->currentMessage().contains(s("Tezgâh B")), !added);
}

// A recent job deleted since: chosen from Son İşler, it is taken off the list with a note.
void TestJobs::recentJobThatIsGoneIsRemoved() {
    const QString path = write(jobOf(point, {}, 1));
    QVERIFY(m_window->openJobFile(path));
    QVERIFY(QFile::remove(path));
    QMenu* file = m_window->menuBar()->actions().constFirst()->menu();
    emit file->aboutToShow();
    auto* recent = file->findChild<QMenu*>(s("recentMenu"));
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);

    recent->actions().constFirst()->trigger();

    QVERIFY(m_window->statusBar()->currentMessage().contains(s("son işlerden çıkarıldı")));
    QCOMPARE(setting(s("recentJobs")).toStringList(), QStringList());
}

void TestJobs::markFollowsEveryChange_data() {
    QTest::addColumn<bool>("lathe");
    QTest::newRow("a lathe chosen in Araçlar → Torna") << true;
    QTest::newRow("HESAPLA again after 1440 was typed as 1440.0") << false;
}

// A saved job, then one change that no field's signal reports: the mark comes on.
void TestJobs::markFollowsEveryChange() {
    QFETCH(bool, lathe);
    writeMachineFile(R"({"format": "zorvandi-machines", "version": 2, "machines": [],
        "lathes": [{"name": "Torna 1", "leadScrew": {"mm": 6},
                    "gears": [20, 25, 30, 35, 40, 45, 50, 55, 60, 127], "clearance": 30}]})");
    open(point);
    runTypicalJob();
    const QString path = m_jobs.filePath(s("saved.zvj"));
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{path}));
    m_window->findChild<QAction*>(s("saveJobAction"))->trigger();
    QVERIFY(!marked());

    if (lathe) {
        QMenu* tools = m_window->menuBar()->actions().at(2)->menu();
        emit tools->aboutToShow();
        auto* lathes = tools->findChild<QMenu*>(s("latheMenu"));
        emit lathes->aboutToShow();
        lathes->actions().constLast()->trigger();
    } else {
        retype(FieldId::N1_t, s("1440.0"));
        clickAndCloseBox(ButtonId::HESAPLA);
    }

    QVERIFY(marked());
}

// Aç… onto a file that is not a job: its box, and no question about the edited job.
void TestJobs::unreadableJobAsksNothing() {
    type(FieldId::m_t, s("3"));
    const QString path = m_jobs.filePath(s("broken.zvj"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": zorvandi");
    file.close();
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{path}));
    QString told;

    const QStringList opened = answerModals(
        [this] { QTest::keyClick(field(FieldId::m_t), Qt::Key_O, Qt::ControlModifier); },
        {[&told](QWidget* box) {
            told = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->accept();
        }});

    QCOMPARE(opened, QStringList{s("QMessageBox")});
    QVERIFY2(told.contains(s("açılamadı")), qPrintable(told));
    QCOMPARE(field(FieldId::m_t)->text(), s("3"));
    QVERIFY(marked());
}

// A job begun with Yeni, whose x2 is left empty (no shift), saved and opened again: its
// sections are as current as when it was saved, and the command line makes its sheet.
void TestJobs::newJobSavedReopensCurrent() {
    pressInField(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(field(FieldId::x2_t)->text().isEmpty());
    runTypicalJob();
    const QString path = m_jobs.filePath(s("yeni-is.zvj"));
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{path}));
    pressInField(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFileInfo::exists(path));
    pressInField(Qt::Key_N, Qt::ControlModifier);

    QVERIFY(m_window->openJobFile(path));

    QVERIFY(!greyed(FieldId::d2_t) && !greyed(FieldId::AASAĞ_t) && !greyed(FieldId::KS_t));
    QProcess program;
    program.start(QStringLiteral(ZORVANDI_PROGRAM),
                  {s("--pdf"), m_jobs.filePath(s("yeni-is.pdf")), path});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QFileInfo::exists(m_jobs.filePath(s("yeni-is.pdf"))));
}

// A double-click on a catalogue row opens its drive as a new job, asking first about the changed
// one, which stays on disk as it was saved: never another drive under its name.
void TestJobs::catalogueRowOpensANewJob() {
    const QString path = write(jobOf(point, {}, 3));
    const QByteArray saved = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(m_window->openJobFile(path));
    retype(FieldId::N1_t, s("1450"));
    QVERIFY(marked());
    m_window->findChild<QAction*>(s("catalogueAction"))->trigger();
    auto* catalogue = m_window->findChild<QWidget*>(s("catalogueWindow"));
    for (const auto& [name, text] :
         {std::pair{"housings", "100"}, std::pair{"ratios", "10"}, std::pair{"speeds", "1400"}}) {
        catalogue->findChild<QLineEdit*>(QLatin1String(name))->setText(s(text));
    }
    catalogue->findChild<QComboBox*>(s("catalogueWorms"))->setCurrentIndex(2); // a new diameter
    auto* table = catalogue->findChild<QTableWidget*>(s("catalogue"));
    QCOMPARE(table->rowCount(), 1);

    const QStringList asked =
        answerModals([table] { emit table->cellDoubleClicked(0, 0); }, {press(s("Kaydetme"))});

    QCOMPARE(asked, QStringList{s("QMessageBox")});
    const auto* job = m_window->findChild<JobSession*>();
    QVERIFY(job->path().isEmpty());
    QCOMPARE(job->title(), s("Katalogdan: a 100 mm, i 10"));
    QCOMPARE(field(FieldId::A_t)->text(), s("100"));
    QCOMPARE(field(FieldId::N1_t)->text(), s("1400"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
}

QTEST_MAIN(TestJobs)
#include "tst_jobs.moc"
