// The design window: "Kullan" types the chosen drive into the form and presses HESAPLA, the
// chosen hob's angle reaching AÇI.

#include "jobtesting.h"
#include "ui/jobsession.h"
#include "windowtesting.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestDesign : public WindowTest {
    Q_OBJECT

private slots:
    void useFillsTheFormAndRunsHesapla_data();
    void useFillsTheFormAndRunsHesapla();
    void designAskedFollowsTheDrive();
    void switchingRatioAndOutputSpeedKeepsTheMeaning();
    void groupedDigitsGetTheFormsSentence();
    void hobRowTypesTheShiftAndTheAngle();
    void wayAndSpeedKeptForTheNextStart();

private:
    QWidget* openDesign();
    void retypeInput(QWidget* window, const char* name, const QString& text);
    // The shop's one hob, of the published 100 mm, i 40 drive: m 3,8, z1 1, d1 38,4, marked 2,52.
    void writeShopHob();
    // Selects the table's row for m and Z2 and presses Kullan.
    void use(QWidget* window, const QString& module, const QString& teeth);
};

QWidget* TestDesign::openDesign() {
    m_window->findChild<QAction*>(s("designAction"))->trigger();
    return m_window->findChild<QWidget*>(s("designWindow"));
}

void TestDesign::writeShopHob() {
    writeMachineFile(
        s(R"({"format": "zorvandi-machines", "version": 3, "machines": [], "lathes": [],
              "hobs": [{"name": "S-3,8", "module": 3.8, "starts": 1, "pitchDiameter": 38.4,
                        "hand": "right", "angle": "2,52"}]})")
            .toUtf8());
}

void TestDesign::retypeInput(QWidget* window, const char* name, const QString& text) {
    auto* input = window->findChild<QLineEdit*>(QLatin1String(name));
    input->clear();
    QTest::keyClicks(input, text);
}

void TestDesign::use(QWidget* window, const QString& module, const QString& teeth) {
    auto* table = window->findChild<QTableWidget*>(s("designs"));
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == module && table->item(row, 2)->text() == teeth) {
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                              table->visualItemRect(table->item(row, 0)).center());
            auto* useButton = window->findChild<QPushButton*>(s("useDesign"));
            QVERIFY(useButton->isEnabled());
            QTest::mouseClick(useButton, Qt::LeftButton);
            return;
        }
    }
    QFAIL("no such row");
}

void TestDesign::useFillsTheFormAndRunsHesapla_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("hobs");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("n2");

    QTest::newRow("comma, no hob: AÇI left as typed") << comma << s("[]") << s("") << s("72,5");
    QTest::newRow("point, the shop's hob marked 5,43")
        << point << s(R"([{"name": "A-4-2", "module": 4, "starts": 2, "pitchDiameter": 40,
                  "hand": "right", "angle": "5,43"}])")
        << s("5.43") << s("72.5");
}

// a 100, i 20, z1 2, m 4: Z2 40, da1 48, and with the input speed typed, N1 too.
void TestDesign::useFillsTheFormAndRunsHesapla() {
    QFETCH(QLocale, locale);
    QFETCH(QString, hobs);
    QFETCH(QString, angle);
    QFETCH(QString, n2);
    writeMachineFile(
        (s(R"({"format": "zorvandi-machines", "version": 3, "machines": [], "lathes": [], )") +
         s(R"("hobs": %1})").arg(hobs))
            .toUtf8());
    open(locale);
    QWidget* window = openDesign();
    QVERIFY(window && window->isVisible());
    retypeInput(window, "inputSpeed", s("1450"));
    retypeInput(window, "modules", s("4"));
    for (int z1 = 1; z1 <= 6; ++z1) {
        window->findChild<QAbstractButton*>(s("starts%1").arg(z1))->setChecked(z1 == 2);
    }
    auto* centre = window->findChild<QComboBox*>(s("centreDistance"));
    centre->setCurrentText(s("100"));

    use(window, s("4"), s("40"));

    QCOMPARE(field(FieldId::m_t)->text(), s("4"));
    QCOMPARE(field(FieldId::Z2_t)->text(), s("40"));
    QCOMPARE(field(FieldId::da1_t)->text(), s("48"));
    QCOMPARE(field(FieldId::z1_t)->text(), s("2"));
    QCOMPARE(field(FieldId::N1_t)->text(), s("1450"));
    QCOMPARE(field(FieldId::AÇI_t)->text(), angle);
    // HESAPLA ran: its outputs are there and the second section may run.
    QCOMPARE(field(FieldId::A_t)->text(), s("100"));
    QCOMPARE(field(FieldId::d1_t)->text(), s("40"));
    QCOMPARE(field(FieldId::N2_t)->text(), n2);
    QVERIFY(button(ButtonId::Command2)->isEnabled());
    if (!angle.isEmpty()) {
        QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    }
}

// Kullan keeps the housing asked with the job; Z2 typed anew drops it, and a job reopened with
// its design shows that housing and ratio in the window.
void TestDesign::designAskedFollowsTheDrive() {
    QWidget* window = openDesign();
    retypeInput(window, "inputSpeed", s("1450"));
    retypeInput(window, "modules", s("4"));
    window->findChild<QComboBox*>(s("centreDistance"))->setCurrentText(s("100"));
    use(window, s("4"), s("40"));
    const auto* job = m_window->findChild<JobSession*>();
    QVERIFY(job->current().design.has_value());

    retype(FieldId::Z2_t, s("60"));
    clickAndCloseBox(ButtonId::HESAPLA);

    QCOMPARE(job->current().design, std::nullopt);

    JobDocument designed = jobOf(point, {}, 1);
    designed.design = DesignedFor{125, 31};
    const QTemporaryDir dir;
    const QString path = dir.filePath(s("designed.zvj"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(jobFileText(designed));
    file.close();
    answerModals([&] { m_window->openJobFile(path); }, {press(s("Kaydetme"))});
    QCOMPARE(window->findChild<QComboBox*>(s("centreDistance"))->currentText(), s("125"));
    QCOMPARE(window->findChild<QLineEdit*>(s("ratio"))->text(), s("31"));
}

// i 20 at N1 1450 is N2 72,5 and back; without N1 the field is cleared, never reread.
void TestDesign::switchingRatioAndOutputSpeedKeepsTheMeaning() {
    QWidget* window = openDesign();
    auto* given = window->findChild<QComboBox*>(s("ratioGiven"));
    auto* ratio = window->findChild<QLineEdit*>(s("ratio"));
    retypeInput(window, "inputSpeed", s("1450"));
    retypeInput(window, "ratio", s("20"));

    given->setCurrentIndex(1);
    QCOMPARE(ratio->text(), s("72.5"));
    given->setCurrentIndex(0);
    QCOMPARE(ratio->text(), s("20"));
    retypeInput(window, "inputSpeed", QString());
    given->setCurrentIndex(1);
    QCOMPARE(ratio->text(), QString());
}

// "1,450" in a point locale is 1,45 or 1450: the form's sentence names the input and both.
void TestDesign::groupedDigitsGetTheFormsSentence() {
    QWidget* window = openDesign();
    retypeInput(window, "inputSpeed", s("1,450"));

    const QString told = window->findChild<QLabel*>(s("designMessage"))->text();

    QVERIFY2(told.contains(s("GİRİŞ DEVRİ")) && told.contains(s("1450")), qPrintable(told));
}

// The shop's hob of the published 100 mm, i 40 drive (m 3,8, z1 1, d1 38,4): the row shifts the
// 41-tooth wheel by 2,9 ÷ 3,8 = 0,7632 (to four places), and Kullan types that shift to as many
// places as make A the housing, 100, and the hob's angle. A row with no hob after it empties
// AÇI, so that the machine is not set for a hob that cannot cut the new worm.
void TestDesign::hobRowTypesTheShiftAndTheAngle() {
    writeShopHob();
    open(comma);
    QWidget* window = openDesign();
    QCOMPARE(window->findChild<QComboBox*>(s("worms"))->currentIndex(), 0); // the shop's hobs
    retypeInput(window, "inputSpeed", s("1450"));
    retypeInput(window, "ratio", s("40"));
    retypeInput(window, "modules", s("3,8"));
    for (int z1 = 1; z1 <= 6; ++z1) {
        window->findChild<QAbstractButton*>(s("starts%1").arg(z1))->setChecked(z1 == 1);
    }
    window->findChild<QComboBox*>(s("centreDistance"))->setCurrentText(s("100"));

    use(window, s("3,8"), s("41"));

    auto* table = window->findChild<QTableWidget*>(s("designs"));
    QVERIFY(table->findItems(s("0,7632"), Qt::MatchExactly).size() == 1);
    QVERIFY2(field(FieldId::x2_t)->text().startsWith(s("0,76315789")),
             qPrintable(field(FieldId::x2_t)->text()));
    QCOMPARE(field(FieldId::AÇI_t)->text(), s("2,52"));
    QCOMPARE(field(FieldId::da1_t)->text(), s("46"));
    QCOMPARE(field(FieldId::A_t)->text(), s("100"));

    window->findChild<QComboBox*>(s("worms"))->setCurrentIndex(2); // a new diameter
    use(window, s("3,8"), s("41"));

    QCOMPARE(field(FieldId::AÇI_t)->text(), QString());
    const QString told = window->findChild<QLabel*>(s("designMessage"))->text();
    QVERIFY2(told.contains(s("AÇI")), qPrintable(told));
}

// The way of choosing worms and N1 come back at the next start; before any choice, both the
// design and the catalogue start from the shop's hobs once it has one.
void TestDesign::wayAndSpeedKeptForTheNextStart() {
    writeShopHob();
    open(comma);
    m_window->findChild<QAction*>(s("catalogueAction"))->trigger();
    QCOMPARE(m_window->findChild<QComboBox*>(s("catalogueWorms"))->currentIndex(), 0);
    QWidget* window = openDesign();
    QCOMPARE(window->findChild<QComboBox*>(s("worms"))->currentIndex(), 0);
    window->findChild<QComboBox*>(s("worms"))->setCurrentIndex(1); // the standard worms
    retypeInput(window, "inputSpeed", s("1450"));

    m_window.reset();
    open(comma);
    window = openDesign();

    QCOMPARE(window->findChild<QComboBox*>(s("worms"))->currentIndex(), 1);
    QCOMPARE(window->findChild<QLineEdit*>(s("inputSpeed"))->text(), s("1450"));
}

QTEST_MAIN(TestDesign)
#include "tst_design.moc"
