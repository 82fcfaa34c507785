// One language at a time, kept in the settings.

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

class TestLanguage : public WindowTest {
    Q_OBJECT

private slots:
    void oneLanguageAtATimeAndKept();
};

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
    const auto choose = [this](const QString& language) {
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
    QCOMPARE(english.at(0), s("WORM REDUCER WHEEL AND WORM, AND HOBBING MACHINE CALCULATION"));
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

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
