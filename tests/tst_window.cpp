// The form in its window: its layout at start, typing and clicking through the three sections,
// boxes for what cannot be calculated, the trains window, and the status bar's notes.

#include "ui/toolwindow.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestWindow : public WindowTest {
    Q_OBJECT

private slots:
    void warningAndHintBothReachable();
    void negativeModuleWarnedAndSheetRefused();
    void startState();
    void captionsFitTheirLabels();
    void resultsFitTheirFields();
    void labelColours_data();
    void labelColours();
    void fieldsAnnounceTheirCaptions();
    void buttonsDescribeTheirSection();
    void tabWalksInputsAndEnabledButtons();
    void firstSectionByHand_data();
    void firstSectionByHand();
    void missingInputShowsItsBox();
    void typoShowsABoxAndTheProgramGoesOn();
    void clickOnDisabledButtonDoesNothing();
    void textSetByAnyRouteIsRead();
    void editedOutputIsUsedByTheNextSection();
    void wholeRunByHand_data();
    void wholeRunByHand();
    void menusHoldTheirItems();
    void keysClickTheFocusedButton_data();
    void keysClickTheFocusedButton();
    void trainsWindowFollowsZ2_data();
    void trainsWindowFollowsZ2();
    void kullanWritesTheDriverIntoGD();
    void statusTellsWhetherTheOutputGearIsInTheSet_data();
    void statusTellsWhetherTheOutputGearIsInTheSet();
    void staleResultsGreyedAndReturnWalksASection();
    void twoStartWormThroughTheWindow_data();
    void twoStartWormThroughTheWindow();
    void hintGoneAfterACoprimeRun();
    void windowFitsASmallScreen();
    void everyShortcutWorksFromAField();
    void toolWindowsFitTheScreen();
    void catalogueKeepsItsRowsAndFirstColumnsInView();
    void everyInputOfEveryWindowHasAName();

private:
    // Each tool window of Araçlar, opened.
    QList<QWidget*> openToolWindows();
};

QList<QWidget*> TestWindow::openToolWindows() {
    for (const char* action : {"trainsAction", "latheAction", "turnerAction", "ratingAction",
                               "designAction", "catalogueAction"}) {
        m_window->findChild<QAction*>(QLatin1String(action))->trigger();
    }
    QList<QWidget*> windows;
    for (ToolWindow* window : m_window->findChildren<ToolWindow*>()) {
        windows.append(window);
    }
    return windows;
}

void TestWindow::startState() {
    QCOMPARE(m_window->windowTitle(),
             s("Adsız[*] — SONSUZ REDÜKTÖR DİŞLİSİ-VİDASI VE AZDIRMA TEZGAHI HESABI"));
    QVERIFY(!marked());
    QCOMPARE(m_window->view().size(), QSize(619, 619));
    QVERIFY(button(ButtonId::HESAPLA)->isEnabled());
    QVERIFY(!button(ButtonId::Command2)->isEnabled());
    QVERIFY(!button(ButtonId::Command1)->isEnabled());
    for (const FieldId id : allFields) {
        QVERIFY2(field(id)->text().isEmpty() == (id != FieldId::z1_t && id != FieldId::x2_t),
                 qPrintable(fieldName(id)));
        QCOMPARE(field(id)->objectName(), fieldName(id));
    }
    QCOMPARE(QApplication::focusWidget(), field(FieldId::m_t));
    for (const ButtonId id : allButtons) {
        QCOMPARE(button(id)->text(), s("HESAPLA"));
    }
}

void TestWindow::captionsFitTheirLabels() {
    const QList<QLabel*> labels = m_window->view().findChildren<QLabel*>();
    QCOMPARE(labels.size(), int(fieldCount));
    for (const QLabel* label : labels) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->text()));
    }
}

// Fifteen significant digits with a sign and a separator, in the widest digit.
void TestWindow::resultsFitTheirFields() {
    const int frame = m_window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    constexpr int textMargin = 2; // QLineEdit's own margin on each side of the text
    for (const FieldId id : allFields) {
        const QLineEdit* edit = field(id);
        const QFontMetrics metrics(edit->font());
        int widest = 0;
        for (const char* text :
             {"-0,888888888888888", "-0.888888888888888", "-0,444444444444444"}) {
            widest = qMax(widest, metrics.horizontalAdvance(s(text)));
        }
        QVERIFY2(widest + 2 * (frame + textMargin) <= edit->width(), qPrintable(fieldName(id)));
        QVERIFY2(metrics.height() + 2 * frame <= edit->height(), qPrintable(fieldName(id)));
    }
}

void TestWindow::labelColours_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("colour");
    const QColor yellow(255, 255, 0);
    const QColor cyan(128, 255, 255);
    const QColor orange(255, 192, 128);
    const QColor pink(255, 128, 255);
    const QColor green(128, 255, 128);
    for (const char* name : {"MODÜL", "DİŞSAYISI", "Label1", "Label12", "Label17", "Label14"}) {
        QTest::newRow(name) << s(name) << yellow;
    }
    for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label6"}) {
        QTest::newRow(name) << s(name) << cyan;
    }
    for (const char* name : {"Label7", "Label8", "Label9", "Label10", "Label13"}) {
        QTest::newRow(name) << s(name) << orange;
    }
    for (const char* name : {"Label11", "Label16"}) {
        QTest::newRow(name) << s(name) << pink;
    }
    for (const char* name : {"Label15", "Label18", "Label19", "Label20"}) {
        QTest::newRow(name) << s(name) << green;
    }
}

// Read from what the window draws, not from the palette it was given.
void TestWindow::labelColours() {
    QFETCH(QString, label);
    QFETCH(QColor, colour);
    const auto* widget = m_window->findChild<QLabel*>(label);
    QVERIFY(widget);
    const QImage grab = m_window->view().grab().toImage();
    const QPoint corner = widget->geometry().topLeft() + QPoint(1, 1);
    QCOMPARE(grab.pixelColor(corner * grab.devicePixelRatio()), colour);
}

void TestWindow::fieldsAnnounceTheirCaptions() {
    for (const FieldId id : allFields) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field(id));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), fieldCaption(id));
    }
}

void TestWindow::buttonsDescribeTheirSection() {
    const QStringList sections = {s("Birinci bölüm"), s("İkinci bölüm"), s("Üçüncü bölüm")};
    for (const ButtonId id : allButtons) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button(id));
        QVERIFY(accessible);
        QVERIFY2(accessible->text(QAccessible::Description).startsWith(sections[indexOf(id)]),
                 qPrintable(buttonName(id)));
    }
}

void TestWindow::tabWalksInputsAndEnabledButtons() {
    const auto walk = [] {
        QStringList names;
        for (int i = 0; i < 10; ++i) {
            names.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    };
    field(FieldId::m_t)->setFocus();
    QCOMPARE(walk(), (QStringList{s("m_t"), s("Z2_t"), s("da1_t"), s("z1_t"), s("x2_t"), s("N1_t"),
                                  s("GD_t"), s("AÇI_t"), s("HESAPLA"), s("m_t")}));

    m_window->form().setEnabled(ButtonId::Command2, true);
    m_window->form().setEnabled(ButtonId::Command1, true);
    field(FieldId::m_t)->setFocus();
    QCOMPARE(walk(), (QStringList{s("m_t"), s("Z2_t"), s("da1_t"), s("z1_t"), s("x2_t"), s("N1_t"),
                                  s("GD_t"), s("AÇI_t"), s("HESAPLA"), s("Command1")}));
}

void TestWindow::firstSectionByHand_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("module");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("comma locale") << comma << s("3")
                                  << QStringList{"108", "114", "100,995", "6,5025", "44,78", "60",
                                                 "53",  "6,5", "42",      "9,42",   "84",    "40"};
    QTest::newRow("comma locale, module typed with a point")
        << comma << s("1.5") << QStringList{"54",   "57",   "50,4975", "3,25125", "45,73", "63",
                                            "59,5", "3,25", "21",      "4,71",    "58,5",  "40"};
    QTest::newRow("point locale") << point << s("3")
                                  << QStringList{"108", "114", "100.995", "6.5025", "44.78", "60",
                                                 "53",  "6.5", "42",      "9.42",   "84",    "40"};
}

void TestWindow::firstSectionByHand() {
    QFETCH(QLocale, locale);
    QFETCH(QString, module);
    QFETCH(QStringList, results);
    open(locale);
    type(FieldId::m_t, module);
    type(FieldId::Z2_t, s("36"));
    type(FieldId::da1_t, s("66"));
    type(FieldId::N1_t, s("1440"));

    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);

    const QList<FieldId> outputs = {FieldId::d2_t, FieldId::da2_t, FieldId::df2_t, FieldId::h2_t,
                                    FieldId::ba_t, FieldId::d1_t,  FieldId::df1_t, FieldId::h1_t,
                                    FieldId::L_t,  FieldId::P_t,   FieldId::A_t,   FieldId::N2_t};
    for (int i = 0; i < outputs.size(); ++i) {
        QCOMPARE(field(outputs[i])->text(), results[i]);
    }
    QVERIFY(button(ButtonId::Command2)->isEnabled());
    QVERIFY(!button(ButtonId::Command1)->isEnabled());
}

void TestWindow::missingInputShowsItsBox() {
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("36"));

    const std::optional<Box> box = clickAndCloseBox(ButtonId::HESAPLA);

    QVERIFY(box);
    QCOMPARE(box->title, s("ZORVANDI"));
    QCOMPARE(box->text, s("Vidanın diş üstü çapı için sayı girin."));
    QCOMPARE(box->buttons, 1);
    QCOMPARE(field(FieldId::d2_t)->text(), s("108"));
    QCOMPARE(field(FieldId::h2_t)->text(), s("6.5025"));
    QVERIFY(field(FieldId::d1_t)->text().isEmpty());
    QVERIFY(!button(ButtonId::Command2)->isEnabled());
}

void TestWindow::typoShowsABoxAndTheProgramGoesOn() {
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("3x6"));
    type(FieldId::da1_t, s("66"));
    type(FieldId::N1_t, s("1440"));

    const std::optional<Box> box = clickAndCloseBox(ButtonId::HESAPLA);
    QVERIFY(box);
    QCOMPARE(box->text, s("«DİŞLİ DİŞ SAYISI (Z2)» alanındaki değer bir sayı değil."));
    QVERIFY(field(FieldId::d2_t)->text().isEmpty());

    // The user mends the typo and goes on.
    field(FieldId::Z2_t)->clear();
    type(FieldId::Z2_t, s("36"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QCOMPARE(field(FieldId::N2_t)->text(), s("40"));
}

void TestWindow::clickOnDisabledButtonDoesNothing() {
    type(FieldId::AÇI_t, s("3"));
    type(FieldId::GD_t, s("48"));
    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
    QVERIFY(field(FieldId::AASAĞ_t)->text().isEmpty());
    QVERIFY(field(FieldId::KS_t)->text().isEmpty());
}

// Pasted, or set by an accessibility client: the calculation reads what the field shows.
void TestWindow::textSetByAnyRouteIsRead() {
    field(FieldId::m_t)->setText(s("3"));
    field(FieldId::Z2_t)->insert(s("36"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field(FieldId::da1_t));
    accessible->setText(QAccessible::Value, s("66"));
    QCOMPARE(field(FieldId::da1_t)->text(), s("66"));
    type(FieldId::N1_t, s("1440"));

    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QCOMPARE(field(FieldId::A_t)->text(), s("84"));
}

void TestWindow::editedOutputIsUsedByTheNextSection() {
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("36"));
    QVERIFY(clickAndCloseBox(ButtonId::HESAPLA)); // stops at the tip diameter
    m_window->form().setEnabled(ButtonId::Command2, true);
    QTest::mouseClick(field(FieldId::d1_t), Qt::LeftButton);
    QTest::keyClick(field(FieldId::d1_t), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field(FieldId::d1_t), s("54"));
    QCOMPARE(field(FieldId::d1_t)->text(), s("54"));
    type(FieldId::AÇI_t, s("3"));

    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);

    // atan(3 / 54) is 3.18°, so 3° 11′ on either side of 3° 00′.
    QCOMPARE(field(FieldId::AASAĞ_t)->text(), s("-0.11"));
    QCOMPARE(field(FieldId::AASOL_t)->text(), s("6.11"));
}

void TestWindow::wholeRunByHand_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("hobAngle");
    QTest::addColumn<QStringList>("angles");
    QTest::addColumn<QStringList>("gears");
    QTest::newRow("comma locale") << comma << s("3") << QStringList{"0,08", "5,52"}
                                  << QStringList{"20", "0,833333333333333", "30"};
    QTest::newRow("point locale") << point << s("2.5") << QStringList{"-0.02", "5.42"}
                                  << QStringList{"48", "2", "72"};
}

// A typical run: the three sections in turn, each opening the next.
void TestWindow::wholeRunByHand() {
    QFETCH(QLocale, locale);
    QFETCH(QString, hobAngle);
    QFETCH(QStringList, angles);
    QFETCH(QStringList, gears);
    open(locale);
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("36"));
    type(FieldId::da1_t, s("66"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);

    type(FieldId::AÇI_t, hobAngle);
    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    QCOMPARE(field(FieldId::AASAĞ_t)->text(), angles[0]);
    QCOMPARE(field(FieldId::AASOL_t)->text(), angles[1]);
    QVERIFY(button(ButtonId::Command1)->isEnabled());

    type(FieldId::GD_t, s("21"));
    const std::optional<Box> refused = clickAndCloseBox(ButtonId::Command1);
    QVERIFY(refused);
    QCOMPARE(refused->text, s("bu dişli listede yok"));
    QVERIFY(field(FieldId::KS_t)->text().isEmpty());

    field(FieldId::GD_t)->clear();
    type(FieldId::GD_t, gears[0]);
    QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
    QCOMPARE(field(FieldId::KS_t)->text(), gears[1]);
    QCOMPARE(field(FieldId::ÇD_t)->text(), gears[2]);
}

void TestWindow::menusHoldTheirItems() {
    const QList<QPair<QString, QStringList>> expected = {
        {s("Dosya"),
         {s("Yeni\tCtrl+N"), s("Aç…\tCtrl+O"), s("Son İşler\t"), s("Kaydet\tCtrl+S"),
          s("Farklı Kaydet…\tCtrl+Shift+S"), s("-"), s("İş Bilgileri…\t"), s("-"),
          s("PDF Olarak Kaydet…\tCtrl+Shift+E"), s("Baskı Önizleme…\t"), s("Yazdır…\tCtrl+P"),
          s("-"), s("Çıkış\tCtrl+Q")}},
        {s("Düzen"), {s("Sonuçları Kopyala\tCtrl+Shift+C")}},
        {s("Araçlar"),
         {s("Dişli Dizileri…\tCtrl+T"), s("Vida Tornalama…\t"), s("Taslak ve Kontrol…\t"),
          s("Verim ve Yük…\t"), s("Gövdeden Tasarım…\t"), s("Katalog…\t"), s("Tezgâhlar…\t"),
          s("Tezgâh\t"), s("Torna\t")}},
        {s("Yardım"), {s("ZORVANDI Hakkında\t"), s("Dil / Language\t")}},
    };
    const QList<QAction*> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (qsizetype i = 0; i < menus.size(); ++i) {
        QCOMPARE(menus[i]->text().remove(QLatin1Char('&')), expected[i].first);
        QMenu* menu = menus[i]->menu();
        emit menu->aboutToShow(); // a menu is filled when it first opens
        QStringList items;
        for (const QAction* item : menu->actions()) {
            items.append(item->isSeparator() ? s("-")
                                             : item->text().remove(QLatin1Char('&')) +
                                                   QLatin1Char('\t') + item->shortcut().toString());
        }
        QCOMPARE(items, expected[i].second);
    }
}

void TestWindow::keysClickTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestWindow::keysClickTheFocusedButton() {
    QFETCH(int, key);
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("36"));
    type(FieldId::da1_t, s("66"));
    type(FieldId::N1_t, s("1440"));
    button(ButtonId::HESAPLA)->setFocus();
    QTest::keyClick(button(ButtonId::HESAPLA), Qt::Key(key));
    QCOMPARE(field(FieldId::N2_t)->text(), s("40"));
}

void TestWindow::trainsWindowFollowsZ2_data() {
    QTest::addColumn<QString>("z2");
    QTest::addColumn<QString>("countLine");
    QTest::addColumn<QStringList>("firstRow");
    QTest::newRow("40") << s("40") << s("Z2 = 40 için 19 tam dizi: 1 basit, 18 bileşik.")
                        << QStringList{"42", "70", "", ""};
    QTest::newRow("97") << s("97") << s("Z2 = 97 için tam dişli dizisi yok.") << QStringList{};
    QTest::newRow("0") << s("0")
                       << s("«DİŞLİ DİŞ SAYISI (Z2)» 1 veya daha büyük bir tam sayı olmalı.")
                       << QStringList{};
    QTest::newRow("-36") << s("-36")
                         << s("«DİŞLİ DİŞ SAYISI (Z2)» 1 veya daha büyük bir tam sayı olmalı.")
                         << QStringList{};
    QTest::newRow("36.5") << s("36.5")
                          << s("«DİŞLİ DİŞ SAYISI (Z2)» 1 veya daha büyük bir tam sayı olmalı.")
                          << QStringList{};
    QTest::newRow("abc") << s("abc")
                         << s("«DİŞLİ DİŞ SAYISI (Z2)» alanındaki değer bir sayı değil.")
                         << QStringList{};
}

// Opened with Ctrl+T, then following what is typed into Z2_t.
void TestWindow::trainsWindowFollowsZ2() {
    QFETCH(QString, z2);
    QFETCH(QString, countLine);
    QFETCH(QStringList, firstRow);
    type(FieldId::Z2_t, s("45"));
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier);
    auto* window = m_window->findChild<QWidget*>(s("gearTrainsWindow"));
    QVERIFY(window && window->isVisible() && window->isWindow());
    auto* table = window->findChild<QTableWidget*>(s("trains"));
    auto* count = window->findChild<QLabel*>(s("countLine"));
    QVERIFY(count->text().startsWith(s("Z2 = 45 için")));

    field(FieldId::Z2_t)->clear();
    type(FieldId::Z2_t, z2);

    QVERIFY(window->windowTitle().contains(s("DİŞLİ DİZİLERİ")));
    QVERIFY(window->windowTitle().contains(z2));
    QCOMPARE(count->text(), countLine);
    QStringList headers;
    for (int c = 0; c < 4; ++c) {
        headers.append(table->horizontalHeaderItem(c)->text());
    }
    QCOMPARE(headers, (QStringList{"A", "B", "C", "D"}));
    QCOMPARE(table->rowCount() > 0, !firstRow.isEmpty());
    for (int c = 0; c < firstRow.size(); ++c) {
        QCOMPARE(table->item(0, c)->text(), firstRow[c]);
    }
}

void TestWindow::kullanWritesTheDriverIntoGD() {
    type(FieldId::Z2_t, s("40"));
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier);
    auto* window = m_window->findChild<QWidget*>(s("gearTrainsWindow"));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* table = window->findChild<QTableWidget*>(s("trains"));
    auto* use = window->findChild<QPushButton*>(s("useButton"));

    table->selectRow(1); // a compound train: nothing to write
    QVERIFY(!use->isEnabled());
    table->selectRow(0);
    QTest::mouseClick(use, Qt::LeftButton);
    QCOMPARE(field(FieldId::GD_t)->text(), s("42"));

    field(FieldId::GD_t)->clear();
    const QRect cell = table->visualItemRect(table->item(0, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(field(FieldId::GD_t)->text(), s("42"));
}

void TestWindow::statusTellsWhetherTheOutputGearIsInTheSet_data() {
    QTest::addColumn<QString>("gear");
    QTest::addColumn<QString>("z2");
    QTest::addColumn<QString>("status");
    const QString trains = s(" Tam diziler: Araçlar → Dişli Dizileri…");
    QTest::newRow("72 is in the set")
        << s("48") << s("36") << s("ÇD = 72: tezgâhın dişli takımında var.");
    QTest::newRow("32 gives the whole gear 48")
        << s("32") << s("36") << s("ÇD = 48: tezgâhın dişli takımında var.");
    QTest::newRow("30 is not") << s("20") << s("36") << s("ÇD = 30: takımda yok.") + trains;
    QTest::newRow("30.83 is not whole")
        << s("20") << s("37") << s("ÇD = 30.8333: tam sayı değil.") + trains;
    QTest::newRow("48 with GD 48 takes the only 48")
        << s("48") << s("24") << s("ÇD = 48: takımdaki tek dişli GD'de.") + trains;
}

void TestWindow::statusTellsWhetherTheOutputGearIsInTheSet() {
    QFETCH(QString, gear);
    QFETCH(QString, z2);
    QFETCH(QString, status);
    runTypicalJob();
    field(FieldId::GD_t)->clear();
    type(FieldId::GD_t, gear);
    field(FieldId::Z2_t)->clear();
    type(FieldId::Z2_t, z2);
    QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
    QCOMPARE(m_window->statusBar()->currentMessage(), status);
}

// A new tooth count makes the first and third sections stale: their results keep their texts
// in the disabled colour, the second's stay as they were, and the note on ÇD goes. Return then
// walks the first section's inputs and presses HESAPLA, which makes it current again.
void TestWindow::staleResultsGreyedAndReturnWalksASection() {
    runTypicalJob();
    QVERIFY(!greyed(FieldId::d2_t) && !greyed(FieldId::AASAĞ_t) && !greyed(FieldId::ÇD_t));
    QVERIFY(!m_window->statusBar()->currentMessage().isEmpty());

    field(FieldId::Z2_t)->clear();
    type(FieldId::Z2_t, s("40"));

    QVERIFY(greyed(FieldId::d2_t) && greyed(FieldId::N2_t) && greyed(FieldId::ÇD_t));
    QVERIFY(!greyed(FieldId::AASAĞ_t) && !greyed(FieldId::m_t));
    QCOMPARE(field(FieldId::d2_t)->text(), s("108"));
    QCOMPARE(m_window->statusBar()->currentMessage(), QString());

    field(FieldId::m_t)->setFocus();
    QStringList walked;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), i == 1 ? Qt::Key_Enter : Qt::Key_Return);
        walked.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(walked, (QStringList{s("Z2_t"), s("da1_t"), s("z1_t")}));
    QTest::keyClick(field(FieldId::z1_t), Qt::Key_Return);
    QTest::keyClick(field(FieldId::N1_t), Qt::Key_Return);

    QCOMPARE(field(FieldId::d2_t)->text(), s("120"));
    QVERIFY(!greyed(FieldId::d2_t) && !greyed(FieldId::N2_t));
    QVERIFY(greyed(FieldId::ÇD_t));
}

void TestWindow::twoStartWormThroughTheWindow_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("point") << point;
    QTest::newRow("comma") << comma;
}

// m 3, Z2 40, da1 66, z1 2, N1 1440: half the speed reduction, twice the lead angle, half the
// index ratio; and a hint that 40 teeth share the factor 2 with the starts.
void TestWindow::twoStartWormThroughTheWindow() {
    QFETCH(QLocale, locale);
    open(locale);
    const auto number = [&locale](double x) { return locale.toString(x, 'g', 15); };
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("40"));
    type(FieldId::da1_t, s("66"));
    field(FieldId::z1_t)->clear();
    type(FieldId::z1_t, s("2"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QCOMPARE(field(FieldId::d1_t)->text(), s("60"));
    QCOMPARE(field(FieldId::N2_t)->text(), s("72"));
    const QString hint = m_window->statusBar()->currentMessage();
    QVERIFY2(hint.contains(s("39 ya da 41")), qPrintable(hint));

    type(FieldId::AÇI_t, s("3"));
    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    QCOMPARE(field(FieldId::AASAĞ_t)->text(), number(-2.43));
    QCOMPARE(field(FieldId::AASOL_t)->text(), number(8.43));

    type(FieldId::GD_t, s("48"));
    QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
    QCOMPARE(field(FieldId::KS_t)->text(), s("2"));
    QCOMPARE(field(FieldId::ÇD_t)->text(), s("40"));
}

// The shared-factor note belongs to the first section's run: a new z1 makes the section stale and
// takes it away, and a run with a coprime pair shows none.
void TestWindow::hintGoneAfterACoprimeRun() {
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("40"));
    type(FieldId::da1_t, s("66"));
    retype(FieldId::z1_t, s("2"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QVERIFY(m_window->statusBar()->currentMessage().contains(s("39 ya da 41")));

    retype(FieldId::z1_t, s("1"));
    QCOMPARE(m_window->statusBar()->currentMessage(), QString());
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);

    QCOMPARE(m_window->statusBar()->currentMessage(), QString());
}

// Run at a scale of 1,5 too (see CMakeLists.txt), where the offscreen screen's 800 × 800 pixels
// are 533 × 533: the window stays within the screen, and the form scrolls to its last button.
void TestWindow::windowFitsASmallScreen() {
    const QRect available = m_window->screen()->availableGeometry();
    QVERIFY2(available.contains(m_window->frameGeometry()),
             qPrintable(QStringLiteral("%1 × %2 on %3 × %4")
                            .arg(m_window->frameGeometry().width())
                            .arg(m_window->frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
    QCOMPARE(m_window->view().size(), QSize(619, 619)); // the form keeps its layout
    // A scroll area only where the form and the bars do not fit the screen.
    auto* scroll = m_window->findChild<QScrollArea*>(s("formScroll"));
    QCOMPARE(scroll != nullptr, available.height() < 619 + 80);
    if (scroll != nullptr) {
        scroll->ensureWidgetVisible(button(ButtonId::Command1));
    }
    QVERIFY(!button(ButtonId::Command1)->visibleRegion().isEmpty());
    QVERIFY(m_window->statusBar()->isVisible());
}

// Z2 42 with four starts shares a factor, and da1 96 with m 4 makes ba too wide: the warning is
// in the status bar and the hint one click from it.
void TestWindow::warningAndHintBothReachable() {
    type(FieldId::m_t, s("4"));
    type(FieldId::Z2_t, s("42"));
    type(FieldId::da1_t, s("96"));
    retype(FieldId::z1_t, s("4"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QVERIFY2(m_window->statusBar()->currentMessage().startsWith(s("Uyarı: ba = ")),
             qPrintable(m_window->statusBar()->currentMessage()));
    auto* more = m_window->findChild<QToolButton*>(s("moreNotes"));
    QVERIFY(more->isVisible());
    QCOMPARE(more->text(), s("+2 not"));
    QString listed;

    answerModals([more] { QTest::mouseClick(more, Qt::LeftButton); }, {[&listed](QWidget* box) {
                     listed = qobject_cast<QMessageBox*>(box)->text();
                     qobject_cast<QMessageBox*>(box)->accept();
                 }});

    QVERIFY2(listed.contains(s("Uyarı: ba = ")) &&
                 listed.contains(s("Z2 = 42 ve z1 = 4 ortak bölenli")),
             qPrintable(listed));
}

// m −4 computes as the shop's arithmetic says, but is warned of, and no sheet is made of it.
void TestWindow::negativeModuleWarnedAndSheetRefused() {
    type(FieldId::m_t, s("-4"));
    type(FieldId::Z2_t, s("40"));
    type(FieldId::da1_t, s("66"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    QCOMPARE(field(FieldId::A_t)->text(), s("-43")); // 74 ÷ 2 − 160 ÷ 2
    const QString warning = s("Bu iş yapılamaz: «MODÜL (m)» sıfırdan büyük olmalı.");
    QCOMPARE(m_window->statusBar()->currentMessage(), warning);
    QString told;

    const QStringList opened =
        answerModals([this] { pressInField(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier); },
                     {[&told](QWidget* box) {
                         told = qobject_cast<QMessageBox*>(box)->text();
                         qobject_cast<QMessageBox*>(box)->accept();
                     }});

    QCOMPARE(opened, QStringList{s("QMessageBox")});
    QCOMPARE(told, warning);
}

QTEST_MAIN(TestWindow)
// Each key of the window, pressed with the focus in a field as a user presses it, reaches its
// action (a line edit takes some keys, Ctrl+E among them, for itself). Quit goes last.
void TestWindow::everyShortcutWorksFromAField() {
    QList<QAction*> keyed;
    for (QAction* action : m_window->actions()) {
        if (!action->shortcut().isEmpty()) {
            keyed.append(action);
        }
    }
    std::stable_partition(keyed.begin(), keyed.end(), [](const QAction* a) {
        return a->shortcut() != QKeySequence(QKeySequence::Quit) &&
               a->shortcut() != QKeySequence(Qt::CTRL | Qt::Key_Q);
    });
    QVERIFY2(keyed.size() >= 9, qPrintable(QString::number(keyed.size())));
    // What a line edit keeps for itself, by its documentation and, for Ctrl+E (the end of the
    // line), as seen on X11, where offscreen keeps it not.
    const QList<QKeySequence> keptByAField = {
        Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X,
        Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_E};
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(QStringList{}));
    for (QAction* action : keyed) {
        QVERIFY2(!keptByAField.contains(action->shortcut()),
                 qPrintable(action->shortcut().toString()));
        const QKeyCombination key = action->shortcut()[0];
        m_window->activateWindow(); // back from the box the last key opened
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QSignalSpy triggered(action, &QAction::triggered);
        answerModals([&] { pressInField(key.key(), key.keyboardModifiers()); },
                     {[](QWidget* modal) { modal->close(); }});
        QVERIFY2(triggered.count() == 1, qPrintable(action->shortcut().toString()));
    }
}

// Every tool window opens within the screen's available area, frame and all, with its buttons
// and warnings inside it (run on a 1024 × 600 screen as well as the default one).
void TestWindow::toolWindowsFitTheScreen() {
    const QRect available = m_window->screen()->availableGeometry();
    for (QWidget* window : openToolWindows()) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY2(available.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1: %2 × %3 on %4 × %5")
                                .arg(window->objectName())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
        for (const QPushButton* b : window->findChildren<QPushButton*>()) {
            const QRect inWindow(b->mapTo(window, QPoint(0, 0)), b->size());
            QVERIFY2(window->rect().contains(inWindow), qPrintable(b->objectName()));
        }
    }
}

// On a small screen the catalogue's choices leave the table fifteen rows or more, and the
// housing, ratio and drive stay in view when the speeds are scrolled to their end.
void TestWindow::catalogueKeepsItsRowsAndFirstColumnsInView() {
    m_window->findChild<QAction*>(s("catalogueAction"))->trigger();
    auto* window = m_window->findChild<QWidget*>(s("catalogueWindow"));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->findChild<QLineEdit*>(s("housings"))->setText(s("63; 80; 100"));
    window->findChild<QLineEdit*>(s("speeds"))->setText(s("1400; 2800; 900; 700"));
    auto* table = window->findChild<QTableWidget*>(s("catalogue"));
    QVERIFY(table->rowCount() > 15);

    const int shown = table->viewport()->height() / table->rowHeight(0);
    QVERIFY2(shown >= 15, qPrintable(QString::number(shown)));

    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    QVERIFY(table->horizontalScrollBar()->maximum() > 0);
    const auto* frozen = window->findChild<QTableView*>(s("catalogueFrozen"));
    QVERIFY(frozen && frozen->isVisible());
    for (int c = 0; c < table->columnCount(); ++c) {
        QCOMPARE(frozen->isColumnHidden(c), c >= 4);
    }
    QCOMPARE(frozen->mapTo(table, QPoint(0, 0)).x(),
             table->viewport()->mapTo(table, QPoint(0, 0)).x());
    QCOMPARE(frozen->model()->data(frozen->indexAt(QPoint(2, 2))).toString(), s("63"));
}

// A screen reader names every input of every window: no line edit, box or check box is
// heard as a bare "edit".
void TestWindow::everyInputOfEveryWindowHasAName() {
    QList<QWidget*> windows = openToolWindows();
    windows.prepend(m_window.get());
    QStringList unnamed;
    for (QWidget* window : windows) {
        for (QWidget* input : window->findChildren<QWidget*>()) {
            const bool isInput = (qobject_cast<QLineEdit*>(input) != nullptr &&
                                  qobject_cast<QComboBox*>(input->parentWidget()) == nullptr) ||
                                 qobject_cast<QComboBox*>(input) != nullptr ||
                                 qobject_cast<QAbstractButton*>(input) != nullptr;
            if (!isInput || !input->isVisibleTo(window)) {
                continue;
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(input);
            if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed.append(window->metaObject()->className() + QStringLiteral("/") +
                               input->objectName());
            }
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

#include "tst_window.moc"
