// The shop's machines in the window: the menu's choice, the file on disk, and the editor.

#include "windowtesting.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
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
};

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
    const QByteArray bytes = R"({"format": "zorvandi-machines", "version": 3, "machines": []})";
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
    answerModals([this] { QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier); },
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

QTEST_MAIN(TestMachines)
#include "tst_machines.moc"
