// The shop's machines in the window: the menu's choice, the file on disk, and the editor.

#include "windowtesting.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class TestMachines : public WindowTest {
    Q_OBJECT

    QMenu* machineMenu() const {
        QMenu* tools = m_window->menuBar()->actions().at(2)->menu();
        emit tools->aboutToShow();
        auto* menu = tools->findChild<QMenu*>(s("machineMenu"));
        emit menu->aboutToShow();
        return menu;
    }

private slots:
    void machineChosenInTheMenuRunsTheGears();
    void unusableMachineFileIsLeftIntact();
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
    const QByteArray bytes = R"({"format": "zorvandi-machines", "version": 2, "machines": []})";
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

QTEST_MAIN(TestMachines)
#include "tst_machines.moc"
