// The rating's tool window: following the form and greying while the first section is stale,
// its inputs kept with a job, and the sheet's section 6 with the same lines in the copy.

#include "windowtesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TestRating : public WindowTest {
    Q_OBJECT

private slots:
    void followsTheFormAndGreysWhileStale();
    void inputsKeptWithAJob();
    void sheetAndCopyCarrySectionSix();

private:
    QWidget* openRating();
    void retypeInput(const char* name, const QString& text);
};

QWidget* TestRating::openRating() {
    m_window->findChild<QAction*>(s("ratingAction"))->trigger();
    return m_window->findChild<QWidget*>(s("ratingWindow"));
}

void TestRating::retypeInput(const char* name, const QString& text) {
    auto* input = m_window->findChild<QLineEdit*>(QLatin1String(name));
    input->clear();
    QTest::keyClicks(input, text);
}

// Z2 typed anew: the grey table keeps every figure of the last complete run, none of the new
// tooth count; HESAPLA brings the new drive. The turner's α is followed at once.
void TestRating::followsTheFormAndGreysWhileStale() {
    runTypicalJob();
    // The form says where d1 stands against AGMA's worm size for A 84 mm, without a warning.
    QCOMPARE(field(FieldId::d1_t)->toolTip(),
             s("AGMA'nın bu merkez mesafesi için vida çapı aralığı 24.11 … 45.21 mm (Shigley, "
               "denklem 15-27); d1 = 60 mm, aralığın üstünde."));
    QWidget* window = openRating();
    QVERIFY(window && window->isVisible() && window->isWindow());
    QCOMPARE(window->findChild<QLabel*>(s("ratingMethod"))->text(),
             s("AGMA yöntemi (Shigley, 15. bölüm)."));
    auto* table = window->findChild<QTableWidget*>(s("figures"));
    auto* stale = window->findChild<QLabel*>(s("staleLine"));
    const auto grey = [table] {
        return table->palette().color(QPalette::Active, QPalette::Text) ==
               table->palette().color(QPalette::Disabled, QPalette::Text);
    };
    const auto cells = [table] {
        QStringList all;
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                all.append(table->item(r, c)->text());
            }
        }
        return all;
    };
    retypeInput("load", s("300"));
    QCOMPARE(table->item(0, 0)->text(), s("VİDA HELİS AÇISI (γ)"));
    QCOMPARE(table->item(0, 1)->text(), s("2° 52′")); // as section 2 writes it
    QVERIFY(!grey() && !stale->isVisible());
    const QStringList run = cells();

    retype(FieldId::Z2_t, s("31"));

    QVERIFY(grey() && stale->isVisible());
    QCOMPARE(cells(), run);
    QCOMPARE(window->windowTitle(), s("VERİM VE YÜK — m = 3, Z2 = 36, z1 = 1"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QVERIFY(!grey() && !stale->isVisible());
    QVERIFY(cells() != run);
    QVERIFY(cells().contains(s("i = 31 oranına göre")));

    m_window->findChild<QAction*>(s("turnerAction"))->trigger();
    auto* angle = m_window->findChild<QLineEdit*>(s("profileAngle"));
    const QString alphaN = table->item(1, 1)->text();
    angle->clear();
    QTest::keyClicks(angle, s("14.5"));
    QVERIFY2(table->item(1, 1)->text() != alphaN, qPrintable(alphaN));
    QCOMPARE(table->item(1, 1)->text().left(4), s("14.4"));
}

// The inputs go with the saved job: changed afterwards, the job opened again brings its own.
void TestRating::inputsKeptWithAJob() {
    runTypicalJob();
    QWidget* window = openRating();
    retypeInput("load", s("450"));
    window->findChild<QComboBox*>(s("casting"))->setCurrentIndex(2);
    window->findChild<QCheckBox*>(s("fan"))->setChecked(true);
    const QTemporaryDir dir;
    const QString path = dir.filePath(s("kept.zvj"));
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{path}));
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFileInfo::exists(path));

    retypeInput("load", s("90"));
    window->findChild<QCheckBox*>(s("fan"))->setChecked(false);
    QVERIFY(marked());
    answerModals([&] { QVERIFY(m_window->openJobFile(path)); }, {press(s("Kaydetme"))});

    QCOMPARE(window->findChild<QLineEdit*>(s("load"))->text(), s("450"));
    QCOMPARE(window->findChild<QComboBox*>(s("casting"))->currentIndex(), 2);
    QVERIFY(window->findChild<QCheckBox*>(s("fan"))->isChecked());
    QVERIFY(!marked());
}

// A load beyond the rating: the sheet's section 6 names the method, gives the load and its
// warning, and the copy carries the same lines; the status bar warned after HESAPLA.
void TestRating::sheetAndCopyCarrySectionSix() {
    openRating();
    retypeInput("load", s("2000"));
    runTypicalJob();
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QVERIFY2(m_window->statusBar()->currentMessage().contains(s("verilen yük değeri aşıyor")),
             qPrintable(m_window->statusBar()->currentMessage()));

    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    const QString copy = QApplication::clipboard()->mimeData()->text();
    const qsizetype at = copy.indexOf(s("6. VERİM VE YÜK"));
    QVERIFY2(at >= 0, qPrintable(copy));
    const QString six = copy.mid(at);
    QVERIFY(six.contains(s("AGMA yöntemi (Shigley, 15. bölüm)")));
    QVERIFY2(six.contains(s("ÇIKIŞ MOMENTİ (T2): verilen\t2000\tN·m")), qPrintable(six));
    QVERIFY(six.contains(s("UYARI: Verilen yük, yüzey dayanımı sınırını aşıyor")));
}

QTEST_MAIN(TestRating)
#include "tst_rating.moc"
