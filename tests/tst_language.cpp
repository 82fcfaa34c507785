// One language at a time, kept in the settings.

#include "windowtesting.h"

#include "calc/geartrains.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class TestLanguage : public WindowTest {
    Q_OBJECT

private slots:
    void oneLanguageAtATimeAndKept();
    void statusNotesFitTheWindow_data();
    void statusNotesFitTheWindow();
    void trainCountsInEnglish();
    void everyToolWindowRetranslatedWhileHidden();

private:
    void choose(const QString& language);
};

void TestLanguage::choose(const QString& language) {
    QMenu* help = m_window->menuBar()->actions().constLast()->menu();
    emit help->aboutToShow();
    auto* languages = help->findChild<QMenu*>(s("languageMenu"));
    for (QAction* item : languages->actions()) {
        if (item->text() == language) {
            item->trigger();
        }
    }
    // Qt posts the change to the windows.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// Turkish: Qt's own texts too ("Tamam"). English: every caption changes, keeps its symbol and
// fits its label; back to Turkish, every text is exactly as it was; and a new window with the
// same settings opens in the language chosen last.
void TestLanguage::oneLanguageAtATimeAndKept() {
    const auto captions = [this] {
        QStringList texts = {m_window->windowTitle(),
                             m_window->menuBar()->actions().constFirst()->text()};
        for (const FieldId id : allFields) {
            texts.append(QString());
            for (QLabel* label : m_window->view().findChildren<QLabel*>()) {
                if (label->buddy() == field(id)) {
                    texts.last() = label->text();
                    // A caption too wide for its label would be cut on the screen.
                    if (QFontMetrics(label->font()).horizontalAdvance(label->text()) >
                        label->width()) {
                        texts.last() += s(" [too wide]");
                    }
                }
            }
        }
        for (const ButtonId id : allButtons) {
            texts.append(button(id)->text());
        }
        return texts;
    };
    QString okButton;
    QTimer::singleShot(0, m_window.get(), [&okButton] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            okButton = box->buttons().constFirst()->text();
            box->accept();
        }
    });
    QTest::mouseClick(button(ButtonId::HESAPLA), Qt::LeftButton); // no module: a box
    QCOMPARE(okButton, s("Tamam"));
    const QStringList turkish = captions();

    choose(s("English"));

    const QStringList english = captions();
    QVERIFY2(!english.join(QLatin1Char('|')).contains(s("[too wide]")),
             qPrintable(english.join(QLatin1Char('|'))));
    QCOMPARE(english.at(0),
             s("Untitled[*] — WORM REDUCER WHEEL AND WORM, AND HOBBING MACHINE CALCULATION"));
    QCOMPARE(english.at(1), s("&File"));
    for (qsizetype i = 0; i < turkish.size(); ++i) {
        QVERIFY2(english[i] != turkish[i], qPrintable(english[i]));
        // SAĞ and SOL are words, and are translated; the rest are symbols, and stay.
        const QString symbol = turkish[i].section(QLatin1Char('('), -1);
        const bool word = symbol == s("SAĞ)") || symbol == s("SOL)");
        QVERIFY2(!turkish[i].contains(QLatin1Char('(')) || word || english[i].endsWith(symbol),
                 qPrintable(english[i]));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(field(FieldId::AÇI_t))->text(QAccessible::Name),
             s("ANGLE ON HOB (AÇI)"));

    choose(s("Türkçe"));
    QCOMPARE(captions(), turkish);

    choose(s("English"));
    m_window.reset();
    open(point);
    QCOMPARE(captions(), english);
}

void TestLanguage::statusNotesFitTheWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Turkish") << s("Türkçe");
    QTest::newRow("English") << s("English");
}

// Every note the status bar shows, beside the longest machine name there can be, at the window's
// width: the shared factor, the output gear in each of its cases, and a machine gone.
void TestLanguage::statusNotesFitTheWindow() {
    QFETCH(QString, language);
    const QString longName = QString(60, QLatin1Char('W'));
    writeMachineFile(QStringLiteral(R"({"format": "zorvandi-machines", "version": 1,
        "machines": [{"name": "%1", "indexConstant": 24, "gears": [20, 24, 25, 48, 72]}]})")
                         .arg(longName)
                         .toUtf8());
    open(point);
    choose(language);
    machineMenu()->actions().at(1)->trigger();
    QStringList notes;
    const auto note = [this, &notes] { notes.append(m_window->statusBar()->currentMessage()); };
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, s("1000"));
    type(FieldId::da1_t, s("66"));
    retype(FieldId::z1_t, s("6"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    note();
    type(FieldId::AÇI_t, s("3"));
    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    retype(FieldId::z1_t, s("1"));
    for (const auto& [gear, z2] :
         {std::pair{"48", "36"}, {"20", "36"}, {"20", "37"}, {"48", "24"}}) {
        retype(FieldId::Z2_t, s(z2));
        QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
        QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
        retype(FieldId::GD_t, s(gear));
        QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
        note();
    }
    writeMachineFile(R"({"format": "zorvandi-machines", "version": 1, "machines": []})");
    QTRY_COMPARE(machineMenu()->actions().size(), 1);
    note();

    auto* label = m_window->findChild<QLabel*>(s("machineLabel"));
    const int room = label->geometry().left() -
                     2 * m_window->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    const QFontMetrics metrics(m_window->statusBar()->font());
    QCOMPARE(notes.size(), 6);
    for (const QString& text : notes) {
        QVERIFY2(!text.isEmpty() && metrics.horizontalAdvance(text) <= room,
                 qPrintable(QStringLiteral("%1 px of %2: %3")
                                .arg(metrics.horizontalAdvance(text))
                                .arg(room)
                                .arg(text)));
    }
    QVERIFY(m_window->width() <= 619 + 2);
}

// %n and the English catalogue's plural forms: one train, two trains.
void TestLanguage::trainCountsInEnglish() {
    choose(s("English"));
    const GearTrainFinder finder(builtInMachine());
    QMap<qsizetype, std::int64_t> firstWith; // the first Z2 with that many trains
    for (std::int64_t z2 = 1; z2 <= 1000 && firstWith.size() < 3; ++z2) {
        const qsizetype count = finder.find(z2, 1).trains.size();
        if ((count == 1 || count == 2) && !firstWith.contains(count)) {
            firstWith.insert(count, z2);
        }
    }
    QVERIFY(firstWith.contains(1) && firstWith.contains(2));
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier);
    auto* count = m_window->findChild<QLabel*>(s("countLine"));

    retype(FieldId::Z2_t, point.toString(firstWith.value(1)));
    QVERIFY2(count->text().startsWith(s("1 exact train for Z2 = %1: ").arg(firstWith.value(1))),
             qPrintable(count->text()));
    retype(FieldId::Z2_t, point.toString(firstWith.value(2)));
    QVERIFY2(count->text().startsWith(s("2 exact trains for Z2 = %1: ").arg(firstWith.value(2))),
             qPrintable(count->text()));
}

// The three tool windows opened, then hidden: a change of language reaches each at once.
void TestLanguage::everyToolWindowRetranslatedWhileHidden() {
    for (const char* action : {"trainsAction", "latheAction", "turnerAction"}) {
        m_window->findChild<QAction*>(s(action))->trigger();
    }
    auto* angle = m_window->findChild<QLineEdit*>(s("profileAngle"));
    angle->clear();
    QTest::keyClicks(angle, s("35")); // refused, and worded
    QWidgetList windows;
    for (const char* name : {"gearTrainsWindow", "latheWindow", "turnerWindow"}) {
        windows.append(m_window->findChild<QWidget*>(s(name)));
        windows.last()->hide();
    }

    choose(s("English"));

    QCOMPARE(windows.at(0)->findChild<QPushButton*>(s("useButton"))->text(), s("&Use"));
    auto* latheLabel = windows.at(1)->findChild<QComboBox*>(s("latheChoice"));
    QCOMPARE(latheLabel->itemText(0), s("Default lathe"));
    QCOMPARE(windows.at(1)->findChild<QLabel*>(s("latheLabel"))->text(), s("Lathe:"));
    QVERIFY2(!windows.at(2)->findChild<QLabel*>(s("turnerMessage"))->text().contains(s("arasında")),
             qPrintable(windows.at(2)->findChild<QLabel*>(s("turnerMessage"))->text()));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
