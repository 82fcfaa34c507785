// The worm on the lathe: the tool window that follows the form, and the sheet's section.

#include "windowtesting.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>

class TestLathe : public WindowTest {
    Q_OBJECT

private slots:
    void windowFollowsTheWormAndTheSheetHasItsSection();
    void sheetPrintsTheChosenRow();
};

// The built-in lathe: m 3 with one start, then two; the rows, the mark and the indexing line;
// and the copy of the sheet with the lathe's section.
void TestLathe::windowFollowsTheWormAndTheSheetHasItsSection() {
    runTypicalJob();
    m_window->findChild<QAction*>(s("latheAction"))->trigger();
    auto* window = m_window->findChild<QWidget*>(s("latheWindow"));
    QVERIFY(window && window->isVisible() && window->isWindow());
    auto* table = window->findChild<QTableWidget*>(s("leads"));
    auto* indexing = window->findChild<QLabel*>(s("indexLine"));
    QCOMPARE(window->windowTitle(), s("VİDA TORNALAMA — m = 3, z1 = 1"));
    QCOMPARE(table->rowCount(), 20);
    QCOMPARE(table->item(0, 0)->text(), s("95 → 55, 100 → 110"));
    QCOMPARE(table->item(0, 2)->text(), s("9.42149"));
    QCOMPARE(table->item(0, 3)->text(), s("-34.9"));
    QVERIFY(table->item(0, 4)->text() != s("—")); // L_t holds the worm's length
    QCOMPARE(indexing->text(), QString());

    retype(FieldId::z1_t, s("2"));
    QCOMPARE(window->windowTitle(), s("VİDA TORNALAMA — m = 3, z1 = 1")); // grey, the last run
    QCOMPARE(table->item(0, 0)->text(), s("95 → 55, 100 → 110"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);

    QCOMPARE(window->windowTitle(), s("VİDA TORNALAMA — m = 3, z1 = 2"));
    QCOMPARE(table->item(0, 0)->text(), s("110 → 35"));
    QCOMPARE(table->item(0, 1)->text(), s("17"));
    QCOMPARE(table->item(0, 3)->text(), s("+40.2"));
    QCOMPARE(table->item(0, 5)->text(), s("✓"));
    QVERIFY2(indexing->text().contains(s("9.425 mm")) &&
                 indexing->text().contains(s("110 ÷ 2 = 55 diş")),
             qPrintable(indexing->text()));

    // The refusal follows every field it reads, N1 too, as it stands on the form.
    retype(FieldId::N1_t, s("-5"));
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(window->findChild<QLabel*>(s("latheMessage"))->text(),
             s("Bu iş yapılamaz: «GİRİŞ DEVİRİ (N1)» sıfırdan küçük olamaz."));
    retype(FieldId::N1_t, s("1440"));
    QCOMPARE(table->rowCount(), 20);

    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList copied =
        QGuiApplication::clipboard()->mimeData()->text().split(QLatin1Char('\n'));
    for (const QString& line :
         {s("4. VİDA TORNALAMA"), s("TORNA\tVarsayılan torna\t"), s("VİDALI MİL\t6 mm\t"),
          s("VİDA HELİS ADIMI (pz = z1 × π × m)\t18.84956\tmm"), s("DİZİ\t110 → 35\t"),
          s("HATA (100 mm'de)\t+40.2\tµm"),
          s("AĞIZ BÖLME\tüst kızak 9.425 mm ya da A 110 ÷ 2 = 55 diş\t")}) {
        QVERIFY2(copied.contains(line), qPrintable(line));
    }
}

// The third row picked in the window is the job's: the sheet's copy gives its train.
void TestLathe::sheetPrintsTheChosenRow() {
    runTypicalJob();
    m_window->findChild<QAction*>(s("latheAction"))->trigger();
    auto* table = m_window->findChild<QTableWidget*>(s("leads"));
    const QRect third = table->visualItemRect(table->item(2, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, third.center());
    const QString train = table->item(2, 0)->text();
    QVERIFY(train != table->item(0, 0)->text());

    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    const QStringList copied =
        QGuiApplication::clipboard()->mimeData()->text().split(QLatin1Char('\n'));
    QVERIFY2(copied.contains(s("DİZİ\t") + train + s("\t")), qPrintable(train));
}

QTEST_MAIN(TestLathe)
#include "tst_lathe.moc"
