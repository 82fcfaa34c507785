// The shop's machines in the window: the menu's choice, the file on disk, and the editor.

#include "windowtesting.h"

#include "store/machinefile.h"
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestMachines : public WindowTest {
    Q_OBJECT

private slots:
    void machineChosenInTheMenuRunsTheGears();
    void unusableMachineFileIsLeftIntact();
    void changeOnDiskReachesTheMenu();
    void changeOfMachineGreysAndRefusesTheGears();
    void editorKeepsARefusedTextAndAsksOnCancel();
    void renamedNewEntryNeverBecomesTheOneInUse_data();
    void renamedNewEntryNeverBecomesTheOneInUse();
    void importBringsMachinesAndLathesFromEitherTab_data();
    void importBringsMachinesAndLathesFromEitherTab();
    void exportWritesTheWholeBook();
    void latheGoneFromDiskGetsItsNote();
    void exportOntoTheShopFileKeepsTheMachineInUse();
};

namespace {

const QByteArray machineAndLathe =
    R"({"format": "zorvandi-machines", "version": 2,
        "machines": [{"name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25, 45, 60]}],
        "lathes": [{"name": "Torna 1", "leadScrew": {"mm": 6}, "gears": [20, 25, 30, 127]}]})";

} // namespace

// "Tezgâh B" from the machine file, chosen in Araçlar → Tezgâh: the status bar names it, section
// 3 takes its constant 30 and its box, and the file is left byte for byte: the choice is kept
// in the settings.
void TestMachines::machineChosenInTheMenuRunsTheGears() {
    const QByteArray bytes =
        R"({"format": "zorvandi-machines", "version": 1, "machines": [{"name": "Tezgâh B",
        "indexConstant": 30, "gears": [20, 25, 25, 30, 45, 60, 75, 80, 100]}]})";
    writeMachineFile(bytes);
    open(point);
    auto* label = m_window->findChild<QLabel*>(s("machineLabel"));
    QCOMPARE(label->text(), s("Tezgâh: Varsayılan tezgâh"));

    QMenu* machines = machineMenu();
    QCOMPARE(machines->actions().size(), 2);
    QVERIFY(machines->actions().at(0)->isChecked());
    machines->actions().at(1)->trigger();

    QCOMPARE(label->text(), s("Tezgâh: Tezgâh B"));
    QCOMPARE(machineFileBytes(), bytes);
    runTypicalJob(s("40"), s("60"));
    QCOMPARE(field(FieldId::KS_t)->text(), s("2"));
    QCOMPARE(field(FieldId::ÇD_t)->text(), s("80"));
    QCOMPARE(m_window->statusBar()->currentMessage(), s("ÇD = 80: tezgâhın dişli takımında var."));
    m_window.reset();
    open(point); // the choice is kept
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(), s("Tezgâh: Tezgâh B"));
}

// A file of a later version: a box names it and why, the built-in machine is used, and the
// file's bytes are as they were after the window has gone.
void TestMachines::unusableMachineFileIsLeftIntact() {
    QVERIFY(QDir(m_config.path()).mkpath(s("zorvandi")));
    const QString path = m_config.filePath(s("zorvandi/machines.json"));
    const QByteArray bytes = R"({"format": "zorvandi-machines", "version": 4, "machines": []})";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString told;

    const QStringList opened = answerModals([this] { open(point); }, {[&told](QWidget* modal) {
                                                told = qobject_cast<QMessageBox*>(modal)->text();
                                                modal->close();
                                            }});

    QCOMPARE(opened, QStringList{s("QMessageBox")});
    QVERIFY2(told.contains(path) && told.contains(s("sürüm")), qPrintable(told));
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(),
             s("Tezgâh: Varsayılan tezgâh"));
    m_window.reset();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

// A hand edit while the window is open: the menu lists the new machines, and the machine in use,
// now gone, gives way to the built-in one with a note.
void TestMachines::changeOnDiskReachesTheMenu() {
    writeMachineFile(R"({"format": "zorvandi-machines", "version": 1, "machines": [
        {"name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25]}]})");
    open(point);
    machineMenu()->actions().at(1)->trigger();
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(), s("Tezgâh: Tezgâh B"));

    writeMachineFile(R"({"format": "zorvandi-machines", "version": 1, "machines": [
        {"name": "Tezgâh C", "indexConstant": 30, "gears": [20, 25]},
        {"name": "Tezgâh D", "indexConstant": 48, "gears": [24, 48]}]})");

    QTRY_COMPARE(machineMenu()->actions().size(), 3);
    QCOMPARE(machineMenu()->actions().at(2)->text(), s("Tezgâh D"));
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(),
             s("Tezgâh: Varsayılan tezgâh"));
    QCOMPARE(m_window->statusBar()->currentMessage(),
             s("«Tezgâh B» artık dosyada yok: yerleşik tezgâh kullanılıyor."));
}

// The gears were worked out for the machine that was in use: another one greys them, and the
// sheet says why it is refused.
void TestMachines::changeOfMachineGreysAndRefusesTheGears() {
    writeMachineFile(R"({"format": "zorvandi-machines", "version": 1, "machines": [
        {"name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25, 45, 60]}]})");
    open(point);
    runTypicalJob();
    QVERIFY(!greyed(FieldId::KS_t) && !greyed(FieldId::ÇD_t));

    machineMenu()->actions().at(1)->trigger();

    QVERIFY(greyed(FieldId::KS_t) && greyed(FieldId::ÇD_t) && !greyed(FieldId::d2_t));
    QString told;
    answerModals([this] { pressInField(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier); },
                 {[&told](QWidget* modal) {
                     told = qobject_cast<QMessageBox*>(modal)->text();
                     modal->close();
                 }});
    QCOMPARE(told, s("Tezgâh değişti: bölme dişlileri için 3. bölümün HESAPLA düğmesine basın."));
}

// A gear list that does not read stays as typed when another machine is chosen and back, and
// marks its machine; Esc then asks before the change is dropped.
void TestMachines::editorKeepsARefusedTextAndAsksOnCancel() {
    auto* editor = m_window->findChild<QAction*>(s("machinesAction"));
    QVERIFY(editor);
    bool stillOpen = false;
    QString kept;
    QString mark;
    const auto closeWith = [](QMessageBox::StandardButton which) {
        return [which](QWidget* modal) {
            QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(which), Qt::LeftButton);
        };
    };

    const QStringList opened = answerModals(
        [editor] { editor->trigger(); },
        {[&](QWidget* dialog) {
             QTest::mouseClick(dialog->findChild<QPushButton*>(s("newButton")), Qt::LeftButton);
             auto* list = dialog->findChild<QListWidget*>(s("machineList"));
             auto* gears = dialog->findChild<QPlainTextEdit*>(s("gears"));
             gears->selectAll();
             QTest::keyClicks(gears, s("3 20 25"));
             list->setCurrentRow(0);
             list->setCurrentRow(1);
             kept = gears->toPlainText();
             mark = list->item(1)->toolTip();
             QTest::keyClick(dialog, Qt::Key_Escape);
             stillOpen = dialog->isVisible();
             QTest::keyClick(dialog, Qt::Key_Escape);
         },
         closeWith(QMessageBox::Cancel), closeWith(QMessageBox::Discard)});

    QCOMPARE(opened, (QStringList{s("MachinesDialog"), s("QMessageBox"), s("QMessageBox")}));
    QCOMPARE(kept, s("3 20 25"));
    QVERIFY2(mark.contains(s("8 ile 400")), qPrintable(mark));
    QVERIFY(stillOpen);
    QCOMPARE(machineFileBytes(), QByteArray()); // nothing was saved
}

void TestMachines::renamedNewEntryNeverBecomesTheOneInUse_data() {
    QTest::addColumn<QString>("newButton");
    QTest::addColumn<QString>("nameField");
    QTest::addColumn<QString>("key"); // the choice in zorvandi.conf
    QTest::newRow("hobbing machine") << s("newButton") << s("name") << s("machine");
    QTest::newRow("lathe") << s("newLatheButton") << s("latheName") << s("lathe");
}

// With the built-in entry in use, Yeni, the name cleared and typed anew, then OK: the built-in
// one is still in use.
void TestMachines::renamedNewEntryNeverBecomesTheOneInUse() {
    QFETCH(QString, newButton);
    QFETCH(QString, nameField);
    QFETCH(QString, key);

    editMachines([&](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(newButton), Qt::LeftButton);
        auto* name = dialog->findChild<QLineEdit*>(nameField);
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, s("Tezgah X"));
    });

    QVERIFY(machineFileBytes().contains("Tezgah X"));
    QCOMPARE(setting(key).toString(), QString());
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(),
             s("Tezgâh: Varsayılan tezgâh"));
}

void TestMachines::importBringsMachinesAndLathesFromEitherTab_data() {
    QTest::addColumn<QString>("importButton");
    QTest::newRow("from the machines tab") << s("importButton");
    QTest::newRow("from the lathes tab") << s("importLatheButton");
}

// A file of a machine and a lathe, imported over a machine of the same name: both come, the
// machine renamed.
void TestMachines::importBringsMachinesAndLathesFromEitherTab() {
    QFETCH(QString, importButton);
    writeMachineFile(R"({"format": "zorvandi-machines", "version": 1, "machines": [
        {"name": "TEZGÂH B", "indexConstant": 24, "gears": [20, 25]}]})");
    open(point);
    const QTemporaryDir dir;
    const QString path = dir.filePath(s("shop.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(machineAndLathe);
    file.close();
    QString renamed;

    editMachines(
        [&](QWidget* dialog) {
            answerModals(
                [&] {
                    QTest::mouseClick(dialog->findChild<QPushButton*>(importButton),
                                      Qt::LeftButton);
                },
                {[&renamed](QWidget* box) {
                    renamed = qobject_cast<QMessageBox*>(box)->text();
                    qobject_cast<QMessageBox*>(box)->accept();
                }});
        },
        {path});

    QVERIFY2(renamed.contains(s("«Tezgâh B» → «Tezgâh B (2)»")), qPrintable(renamed));
    const auto book = std::get<MachineBook>(parseMachineFile(machineFileBytes()));
    QCOMPARE(book.machines.size(), 2);
    QCOMPARE(book.machines.at(1).name, s("Tezgâh B (2)"));
    QCOMPARE(book.lathes.size(), 1);
    QCOMPARE(book.lathes.at(0).name, s("Torna 1"));
}

// Dışa Aktar… on the lathes tab writes the machines too; onto the machine file itself it keeps
// the write rule, which sets aside a file this window did not read.
void TestMachines::exportWritesTheWholeBook() {
    writeMachineFile(machineAndLathe);
    open(point);
    const QTemporaryDir dir;
    const QString path = dir.filePath(s("export.json"));
    writeMachineFile(R"({"format": "zorvandi-machines", "version": 1, "machines": []})");
    QString told;

    editMachines(
        [&](QWidget* dialog) {
            auto* exportButton = dialog->findChild<QPushButton*>(s("exportLatheButton"));
            QTest::mouseClick(exportButton, Qt::LeftButton);
            answerModals([&] { QTest::mouseClick(exportButton, Qt::LeftButton); },
                         {[&told](QWidget* box) {
                             told = qobject_cast<QMessageBox*>(box)->text();
                             qobject_cast<QMessageBox*>(box)->accept();
                         }});
        },
        {path, m_config.filePath(s("zorvandi/machines.json"))});

    QFile exported(path);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const auto book = std::get<MachineBook>(parseMachineFile(exported.readAll()));
    QCOMPARE(book.machines.size(), 1);
    QCOMPARE(book.lathes.size(), 1);
    QVERIFY2(told.contains(s("korundu")), qPrintable(told));
    const QStringList aside =
        QDir(m_config.filePath(s("zorvandi"))).entryList({s("machines-*.json")});
    QCOMPARE(aside.size(), 1);
}

// The lathe in use is deleted from the file by hand: the built-in lathe is used, and the status
// bar says so.
void TestMachines::latheGoneFromDiskGetsItsNote() {
    writeMachineFile(machineAndLathe);
    open(point);
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{}));
    QMenu* tools = m_window->menuBar()->actions().at(2)->menu();
    emit tools->aboutToShow();
    auto* lathes = tools->findChild<QMenu*>(s("latheMenu"));
    emit lathes->aboutToShow();
    lathes->actions().at(1)->trigger();
    QCOMPARE(setting(s("lathe")).toString(), s("Torna 1"));
    QTest::qWait(600); // the watch starts after the first frame

    writeMachineFile(R"({"format": "zorvandi-machines", "version": 2, "machines": [],
                         "lathes": []})");

    QTRY_COMPARE(m_window->statusBar()->currentMessage(),
                 s("«Torna 1» artık dosyada yok: yerleşik torna kullanılıyor."));
}

// Tezgâh B in use, renamed in the editor, exported onto the machine file: the renamed machine
// stays in use, and the editor, which now shows what the file holds, closes without a question.
void TestMachines::exportOntoTheShopFileKeepsTheMachineInUse() {
    writeMachineFile(machineAndLathe);
    open(point);
    machineMenu()->actions().at(1)->trigger();
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(
        QStringList{m_config.filePath(s("zorvandi/machines.json"))}));
    auto* editor = m_window->findChild<QAction*>(s("machinesAction"));
    QStringList asked;

    answerModals([editor] { editor->trigger(); }, {[this, &asked](QWidget* dialog) {
                     auto* name = dialog->findChild<QLineEdit*>(s("name"));
                     name->selectAll();
                     QTest::keyClicks(name, s("Tezgah K"));
                     QTest::mouseClick(dialog->findChild<QPushButton*>(s("exportButton")),
                                       Qt::LeftButton);
                     asked = answerModals(
                         [dialog] { qobject_cast<QDialog*>(dialog)->reject(); }, {[](QWidget* box) {
                             qobject_cast<QMessageBox*>(box)->button(QMessageBox::Discard)->click();
                         }});
                 }});

    QCOMPARE(asked, QStringList());
    QVERIFY(machineFileBytes().contains("Tezgah K"));
    QCOMPARE(m_window->findChild<QLabel*>(s("machineLabel"))->text(), s("Tezgâh: Tezgah K"));
}

QTEST_MAIN(TestMachines)
#include "tst_machines.moc"
