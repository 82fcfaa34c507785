// The turner's figures in their tool window: following the form, and refusing an angle.

#include "windowtesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

class TestTurner : public WindowTest {
    Q_OBJECT

private slots:
    void windowFollowsTheFormAndNamesARefusedAngle();
    void greyedWhileTheFirstSectionIsStale();
};

void TestTurner::windowFollowsTheFormAndNamesARefusedAngle() {
    runTypicalJob();
    m_window->findChild<QAction*>(s("turnerAction"))->trigger();
    auto* window = m_window->findChild<QWidget*>(s("turnerWindow"));
    QVERIFY(window && window->isVisible() && window->isWindow());
    auto* table = window->findChild<QTableWidget*>(s("figures"));
    auto* warnings = window->findChild<QLabel*>(s("turnerWarnings"));
    const auto row = [table](int r) {
        return QStringList{table->item(r, 0)->text(), table->item(r, 1)->text(),
                           table->item(r, 3)->text()};
    };
    QCOMPARE(row(0), (QStringList{s("BOĞAZ YARIÇAPI (rk)"), s("27.000"), s("rk = A − da2 ÷ 2")}));
    QCOMPARE(warnings->text(), QString());

    retype(FieldId::ba_t, s("60")); // a hand edit beyond b2: grey, the last run's figures

    QCOMPARE(warnings->text(), QString());
    retype(FieldId::z1_t, s("4"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QCOMPARE(table->item(2, 1)->text(), s("44.220"));
    QVERIFY(warnings->text().contains(s("Ağız sayısı çift")));

    auto* angle = window->findChild<QLineEdit*>(s("profileAngle"));
    angle->clear();
    QTest::keyClicks(angle, s("35"));

    QCOMPARE(window->findChild<QLabel*>(s("turnerMessage"))->text(),
             s("«PROFİL AÇISI (α)» 10 ile 30 derece arasında bir sayı olmalı."));
    QCOMPARE(table->rowCount(), 0);

    angle->clear();
    QTest::keyClicks(angle, s("15"));
    QCOMPARE(table->rowCount(), 11);
    // The angle is kept for the next start and for the sheet.
    m_window.reset();
    open(point);
    m_window->findChild<QAction*>(s("turnerAction"))->trigger();
    QCOMPARE(m_window->findChild<QLineEdit*>(s("profileAngle"))->text(), s("15"));
}

// da1 typed anew after HESAPLA: the figures, from the old d1 and da2, go grey and a line says to
// calculate the first section again; HESAPLA brings them back.
void TestTurner::greyedWhileTheFirstSectionIsStale() {
    runTypicalJob();
    m_window->findChild<QAction*>(s("turnerAction"))->trigger();
    auto* window = m_window->findChild<QWidget*>(s("turnerWindow"));
    auto* table = window->findChild<QTableWidget*>(s("figures"));
    auto* stale = window->findChild<QLabel*>(s("staleLine"));
    const auto grey = [table] {
        return table->palette().color(QPalette::Active, QPalette::Text) ==
               table->palette().color(QPalette::Disabled, QPalette::Text);
    };
    QVERIFY(!grey() && !stale->isVisible());

    retype(FieldId::da1_t, s("70"));

    QVERIFY(grey() && stale->isVisible());
    QVERIFY2(stale->text().startsWith(s("Birinci bölümün sonuçları güncel değil")),
             qPrintable(stale->text()));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QVERIFY(!grey() && !stale->isVisible());
    QCOMPARE(table->item(0, 1)->text(), s("29.000"));
}

QTEST_MAIN(TestTurner)
#include "tst_turner.moc"
