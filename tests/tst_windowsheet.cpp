// The job sheet from the window: saved as PDF, refused while a section is stale, copied as
// columns, and previewed through the print module.

#include "windowtesting.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

class TestWindowSheet : public WindowTest {
    Q_OBJECT

private slots:
    void ctrlESavesTheSheet_data();
    void ctrlESavesTheSheet();
    void staleSectionRefusesTheSheetBeforeAnyDialog();
    void copyGivesColumns();
    void previewLoadsThePrintModule();
    void eachDocumentKeepsItsOrientationAndTheUsersPaper();
};

void TestWindowSheet::ctrlESavesTheSheet_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    // QTest types ASCII only; the headless suite saves under a Turkish name.
    QTest::newRow("typed name, no suffix") << s("is kagidi") << true;
    QTest::newRow("folder that does not exist") << s("yok/is kagidi.pdf") << false;
}

// Ctrl+E, a typed path, and either a one-page PDF there or a box naming the path.
void TestWindowSheet::ctrlESavesTheSheet() {
    QFETCH(QString, name);
    QFETCH(bool, saved);
    runTypicalJob();
    const QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QString boxText;

    const QStringList opened = answerModals(
        [this] { pressInField(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier); },
        {[&path](QWidget* modal) {
             QVERIFY(QTest::qWaitForWindowExposed(modal));
             auto* edit = modal->findChild<QLineEdit*>(s("fileNameEdit"));
             QVERIFY(edit);
             edit->clear();
             QTest::keyClicks(edit, path);
             auto* buttons = modal->findChild<QDialogButtonBox*>();
             QVERIFY(buttons && buttons->button(QDialogButtonBox::Save));
             QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
             QVERIFY(!modal->isVisible());
         },
         [&boxText](QWidget* modal) {
             boxText = qobject_cast<QMessageBox*>(modal)->text();
             qobject_cast<QMessageBox*>(modal)->accept();
         }});

    if (saved) {
        QCOMPARE(opened, QStringList{s("QFileDialog")});
        const QString pdf = path + s(".pdf");
        QVERIFY(m_window->statusBar()->currentMessage().contains(pdf));
        QProcess pdftotext;
        pdftotext.start(s("pdftotext"), {s("-layout"), pdf, s("-")});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) is needed");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // The drawing's page, then the sections that do not fit beside in two columns.
        QCOMPARE(text.count(QLatin1Char('\f')), 2);
        for (const FieldId id : allFields) {
            if (id == FieldId::x2_t) { // an unshifted wheel's sheet has no x2
                continue;
            }
            QVERIFY2(text.contains(fieldCaption(id)), qPrintable(fieldCaption(id)));
            QVERIFY2(text.contains(field(id)->text()), qPrintable(field(id)->text()));
        }
    } else {
        QCOMPARE(opened, (QStringList{s("QFileDialog"), s("QMessageBox")}));
        QVERIFY2(boxText.startsWith(s("«%1» kaydedilemedi: ").arg(path)), qPrintable(boxText));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
}

void TestWindowSheet::staleSectionRefusesTheSheetBeforeAnyDialog() {
    runTypicalJob();
    field(FieldId::m_t)->clear();
    type(FieldId::m_t, s("4.5"));
    QString boxText;

    const QStringList opened =
        answerModals([this] { pressInField(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier); },
                     {[&boxText](QWidget* modal) {
                         boxText = qobject_cast<QMessageBox*>(modal)->text();
                         qobject_cast<QMessageBox*>(modal)->accept();
                     }});

    QCOMPARE(opened, QStringList{s("QMessageBox")});
    QVERIFY2(boxText.startsWith(s("Birinci bölümün")), qPrintable(boxText));
    QVERIFY2(boxText.contains(s("HESAPLA")), qPrintable(boxText));
}

void TestWindowSheet::copyGivesColumns() {
    runTypicalJob();
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->text().split(QLatin1Char('\n')).contains(s("DİŞLİ BÖLÜM DAİRESİ (d2)\t108\tmm")));
    QVERIFY(data->html().contains(s("<td>DİŞLİ BÖLÜM DAİRESİ (d2)</td><td>108</td><td>mm</td>")));
}

// The print support is not linked but loaded from its module on the first preview.
void TestWindowSheet::previewLoadsThePrintModule() {
    runTypicalJob();
    QMenu* file = m_window->menuBar()->actions().constFirst()->menu();
    emit file->aboutToShow();
    QAction* preview = nullptr;
    for (QAction* item : file->actions()) {
        preview = item->text() == s("Baskı Ö&nizleme…") ? item : preview;
    }
    QVERIFY(preview);

    const QStringList opened =
        answerModals([preview] { preview->trigger(); }, {[](QWidget* modal) { modal->close(); }});

    QCOMPARE(opened, QStringList{s("QPrintPreviewDialog")});
}

// The catalogue previewed, then the job sheet: one printer serves both, yet each shows in its
// own orientation, and the paper the user chose in the catalogue's preview stays for the sheet.
void TestWindowSheet::eachDocumentKeepsItsOrientationAndTheUsersPaper() {
    runTypicalJob();
    m_window->findChild<QAction*>(s("catalogueAction"))->trigger();
    auto* catalogue = m_window->findChild<QWidget*>(s("catalogueWindow"));
    catalogue->findChild<QLineEdit*>(s("housings"))->setText(s("63"));
    catalogue->findChild<QLineEdit*>(s("ratios"))->setText(s("10"));
    QList<QPageLayout> seen;
    const auto look = [&seen](QWidget* modal, bool choosePaper) {
        QPrinter* printer = qobject_cast<QPrintPreviewDialog*>(modal)->printer();
        seen.append(printer->pageLayout());
        if (choosePaper) {
            printer->setPageSize(QPageSize(QPageSize::A3));
        }
        modal->close();
    };

    answerModals(
        [catalogue] {
            QTest::mouseClick(catalogue->findChild<QPushButton*>(s("cataloguePreview")),
                              Qt::LeftButton);
        },
        {[&look](QWidget* modal) { look(modal, true); }});
    QMenu* file = m_window->menuBar()->actions().constFirst()->menu();
    emit file->aboutToShow();
    QAction* preview = nullptr;
    for (QAction* item : file->actions()) {
        preview = item->text() == s("Baskı Ö&nizleme…") ? item : preview;
    }
    answerModals([preview] { preview->trigger(); },
                 {[&look](QWidget* modal) { look(modal, false); }});

    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).orientation(), QPageLayout::Landscape);
    QCOMPARE(seen.at(1).orientation(), QPageLayout::Portrait);
    QCOMPARE(seen.at(1).pageSize().id(), QPageSize::A3);
}

QTEST_MAIN(TestWindowSheet)
#include "tst_windowsheet.moc"
