#include "ui/mainwindow.h"

#include "app/keptchoices.h"
#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/jobsheet.h"
#include "calc/makingrules.h"
#include "calc/wormdrive.h"
#include "calc/wormstarts.h"
#include "flow/runnotes.h"
#include "paint/cataloguepainter.h"
#include "paint/sheetpainter.h"
#include "ui/cataloguewindow.h"
#include "ui/designwindow.h"
#include "ui/filechooser.h"
#include "ui/formview.h"
#include "ui/geartrainswindow.h"
#include "ui/jobsession.h"
#include "ui/lathewindow.h"
#include "ui/machinesdialog.h"
#include "ui/notes.h"
#include "ui/printmoduleloader.h"
#include "ui/ratingwindow.h"
#include "ui/turnerwindow.h"
#include "zorvandi.xpm"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {
constexpr int statusSeconds = 8;

// A tool window beside the form, shown and brought to the front.
void raiseToolWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

MainWindow::MainWindow(const QLocale& locale, const QString& configFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_form(locale, *this)
    , m_flow(m_form)
    , m_settings(configFolder + QStringLiteral("/zorvandi/zorvandi.conf"), QSettings::IniFormat)
    , m_store(MachineStore::pathIn(configFolder), m_settings)
    , m_files(std::make_unique<DialogFileChooser>()) {
    // Before any widget is made, so that each is born in the interface's language.
    m_translations.apply(savedLanguage(m_settings));
    m_form.Form_Load();
    m_flow.setGauge(KeptChoices::gauge(m_settings));
    m_flow.setRatingInputs(KeptChoices::ratingInputs(m_settings));
    loadMachines();
    applyWindowFont();
    m_view = new FormView(m_flow, this);
    m_view->setMinimumSize(m_view->size());
    placeForm();
    // XPM is read by QImage itself; a PNG would load the image-format plugins first, which
    // costs the start-up more than the whole form.
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(zorvandiIcon))));
    m_job = new JobSession(
        m_form, m_flow, m_store, m_settings,
        {this, this, [this]() -> FileChooser& { return *m_files; },
         [this](const JobDocument& job) { return takeJobMachines(job); },
         [this](const QString& text) { statusBar()->showMessage(text, statusSeconds * 1000); },
         [this](std::function<QString()> text) { showNote(std::nullopt, std::move(text)); }});
    buildMenus();
    m_machineLabel = new QLabel(this);
    m_machineLabel->setObjectName(QStringLiteral("machineLabel"));
    statusBar()->addPermanentWidget(m_machineLabel);
    retranslate();
    connect(&m_flow, &Workflow::completed, this, &MainWindow::noteCompletedRun);
    connect(&m_flow, &Workflow::sectionStateChanged, this, &MainWindow::followSectionState);
    connect(&m_flow, &Workflow::machineChanged, this, &MainWindow::showMachineInUse);
    connect(&m_store, &MachineStore::machinesChanged, this, &MainWindow::followMachines);
    connect(&m_store, &MachineStore::fileRefused, this, &MainWindow::refuseChangedFile);
    connect(&m_store, &MachineStore::writtenGone, this, &MainWindow::sayWrittenGone);
    connect(m_job, &JobSession::pathChanged, this, &MainWindow::showJobName);
    // The watch on the machine file shows nothing, so it starts once the first frame is up; it
    // then catches up with any change since the file was read.
    constexpr int watchAfterMs = 500;
    QTimer::singleShot(watchAfterMs, &m_store, &MachineStore::watch);
    // Likewise the drop of a job file on the window, which the first frame does not need.
    QTimer::singleShot(watchAfterMs, this, [this] { setAcceptDrops(true); });
    field(FieldId::m_t)->setFocus();
}

MainWindow::~MainWindow() = default;

QLineEdit* MainWindow::field(FieldId field) const {
    return m_view->field(field);
}

QPushButton* MainWindow::button(ButtonId button) const {
    return m_view->button(button);
}

void MainWindow::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZORVANDI"), text, QMessageBox::Ok, this);
    box.setFont(QApplication::font()); // a message is read, not fitted into the form's grid
    box.exec();
}

// The menu bar and the status bar take the form's font: one face for the whole first frame,
// where another family or size would cost the start-up a font match of its own. Set before the
// children are made, so they are born with it.
void MainWindow::applyWindowFont() {
    setFont(FormView::formFont());
}

// The menus' titles are in the first frame, their items are not: a menu is filled when it
// first opens. The items' actions belong to the window from the start, so that their shortcuts
// work before any menu was opened. Their texts are set by retranslate().
void MainWindow::buildMenus() {
    const auto action = [this](const QKeySequence& key, auto slot) {
        auto* a = new QAction(this);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    // Where the platform names no quit key, the one users of every desktop know.
    QKeySequence quit(QKeySequence::Quit);
    if (quit.isEmpty()) {
        quit = QKeySequence(Qt::CTRL | Qt::Key_Q);
    }
    const auto jobAction = [this](const QKeySequence& key, auto slot) {
        auto* a = new QAction(this);
        a->setShortcut(key);
        connect(a, &QAction::triggered, m_job, slot);
        addAction(a);
        return a;
    };
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_actions.newJob = jobAction(QKeySequence::New, &JobSession::newJob);
    m_actions.open = jobAction(QKeySequence::Open, &JobSession::open);
    m_actions.saveJob = jobAction(QKeySequence::Save, &JobSession::save);
    m_actions.saveJob->setObjectName(QStringLiteral("saveJobAction"));
    m_actions.saveJobAs =
        jobAction(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &JobSession::saveAs);
    m_actions.jobInfo = jobAction(QKeySequence(), &JobSession::editInfo);
    m_actions.jobInfo->setObjectName(QStringLiteral("jobInfoAction"));
    // Not Ctrl+E: a line edit takes that for the end of its line, and a field nearly always
    // has the focus.
    m_actions.pdf = action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &MainWindow::saveAsPdf);
    m_actions.pdf->setObjectName(QStringLiteral("pdfAction"));
    m_actions.preview = action(QKeySequence(), &MainWindow::printPreview);
    m_actions.print = action(QKeySequence::Print, &MainWindow::print);
    m_actions.quit = action(quit, &QWidget::close);
    m_actions.copy =
        action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &MainWindow::copyResults);
    m_actions.trains = action(QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::showGearTrains);
    m_actions.trains->setObjectName(QStringLiteral("trainsAction"));
    m_actions.lathe = action(QKeySequence(), &MainWindow::showLatheWindow);
    m_actions.lathe->setObjectName(QStringLiteral("latheAction"));
    m_actions.turner = action(QKeySequence(), &MainWindow::showTurnerWindow);
    m_actions.turner->setObjectName(QStringLiteral("turnerAction"));
    m_actions.rating = action(QKeySequence(), &MainWindow::showRatingWindow);
    m_actions.rating->setObjectName(QStringLiteral("ratingAction"));
    m_actions.design = action(QKeySequence(), &MainWindow::showDesignWindow);
    m_actions.design->setObjectName(QStringLiteral("designAction"));
    m_actions.catalogue = action(QKeySequence(), &MainWindow::showCatalogueWindow);
    m_actions.catalogue->setObjectName(QStringLiteral("catalogueAction"));
    m_actions.machines = action(QKeySequence(), &MainWindow::editMachines);
    m_actions.machines->setObjectName(QStringLiteral("machinesAction"));
    m_actions.about = action(QKeySequence(), &MainWindow::about);
    auto* jobSeparator = new QAction(this);
    jobSeparator->setSeparator(true);
    auto* infoSeparator = new QAction(this);
    infoSeparator->setSeparator(true);
    m_menus.file = addLazyMenu({m_actions.newJob, m_actions.open}, [=, this](QMenu* file) {
        m_menus.recent = file->addMenu(tr("Son İş&ler"));
        m_menus.recent->setObjectName(QStringLiteral("recentMenu"));
        connect(m_menus.recent, &QMenu::aboutToShow, this,
                [this] { m_job->fillRecentMenu(*m_menus.recent); });
        file->addActions({m_actions.saveJob, m_actions.saveJobAs, jobSeparator, m_actions.jobInfo,
                          infoSeparator, m_actions.pdf, m_actions.preview, m_actions.print,
                          separator, m_actions.quit});
    });
    m_menus.edit = addLazyMenu({m_actions.copy});
    m_menus.tools =
        addLazyMenu({m_actions.trains, m_actions.lathe, m_actions.turner, m_actions.rating,
                     m_actions.design, m_actions.catalogue, m_actions.machines},
                    [this](QMenu* tools) {
                        m_menus.machine = tools->addMenu(tr("&Tezgâh"));
                        m_menus.machine->setObjectName(QStringLiteral("machineMenu"));
                        connect(m_menus.machine, &QMenu::aboutToShow, this,
                                [this] { fillMachineMenu(*m_menus.machine); });
                        m_menus.lathe = tools->addMenu(tr("T&orna"));
                        m_menus.lathe->setObjectName(QStringLiteral("latheMenu"));
                        connect(m_menus.lathe, &QMenu::aboutToShow, this,
                                [this] { fillLatheMenu(*m_menus.lathe); });
                    });
    m_menus.help = addLazyMenu({m_actions.about}, [this](QMenu* help) {
        // Each language is named in its own, so that a user who cannot read the interface
        // finds theirs; the title is in both.
        QMenu* languages = help->addMenu(QStringLiteral("Dil / Language"));
        languages->setObjectName(QStringLiteral("languageMenu"));
        auto* group = new QActionGroup(languages);
        for (const auto& [language, name] :
             {std::pair{Language::Turkish, QStringLiteral("Türkçe")},
              std::pair{Language::English, QStringLiteral("English")}}) {
            QAction* item = languages->addAction(name);
            item->setCheckable(true);
            item->setChecked(m_translations.language() == language);
            group->addAction(item);
            connect(item, &QAction::triggered, this, [this, l = language] { useLanguage(l); });
        }
    });
}

// Every text of the window that is not the form's, in the interface's language.
void MainWindow::retranslate() {
    showJobName();
    m_menus.file->setTitle(tr("&Dosya"));
    m_menus.edit->setTitle(tr("Dü&zen"));
    m_menus.tools->setTitle(tr("&Araçlar"));
    m_menus.help->setTitle(tr("&Yardım"));
    if (m_menus.machine != nullptr) {
        m_menus.machine->setTitle(tr("&Tezgâh"));
        m_menus.lathe->setTitle(tr("T&orna"));
    }
    m_actions.newJob->setText(tr("Y&eni"));
    m_actions.open->setText(tr("&Aç…"));
    m_actions.saveJob->setText(tr("&Kaydet"));
    m_actions.saveJobAs->setText(tr("&Farklı Kaydet…"));
    m_actions.jobInfo->setText(tr("İş &Bilgileri…"));
    if (m_menus.recent != nullptr) {
        m_menus.recent->setTitle(tr("Son İş&ler"));
    }
    m_actions.pdf->setText(tr("&PDF Olarak Kaydet…"));
    m_actions.preview->setText(tr("Baskı Ö&nizleme…"));
    m_actions.print->setText(tr("&Yazdır…"));
    m_actions.quit->setText(tr("Çı&kış"));
    m_actions.copy->setText(tr("Sonuçları &Kopyala"));
    m_actions.trains->setText(tr("&Dişli Dizileri…"));
    m_actions.lathe->setText(tr("&Vida Tornalama…"));
    m_actions.turner->setText(tr("Taslak ve &Kontrol…"));
    m_actions.rating->setText(tr("Verim ve &Yük…"));
    m_actions.design->setText(tr("&Gövdeden Tasarım…"));
    m_actions.catalogue->setText(tr("K&atalog…"));
    m_actions.machines->setText(tr("Te&zgâhlar…"));
    m_actions.about->setText(tr("ZORVANDI &Hakkında"));
    showMachineInUse();
    if (!m_note.texts.isEmpty() && !statusBar()->currentMessage().isEmpty()) {
        showNotes(m_note.section, m_note.texts);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_menus.file != nullptr) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

// Applies at once to everything open, and is used at the next start.
void MainWindow::useLanguage(Language language) {
    if (language != m_translations.language()) {
        m_translations.apply(language);
        saveLanguage(m_settings, language);
    }
}

QMenu* MainWindow::addLazyMenu(const QList<QAction*>& actions,
                               const std::function<void(QMenu*)>& more) {
    QMenu* menu = menuBar()->addMenu(QString());
    connect(menu, &QMenu::aboutToShow, menu, [menu, actions, more] {
        if (menu->isEmpty()) {
            menu->addActions(actions);
            if (more) {
                more(menu);
            }
        }
    });
    return menu;
}

// A missing file is the normal first start. One that cannot be used is left as it is, and said
// after the window shows, so that the box has a window to stand on.
void MainWindow::showLatheWindow() {
    if (m_lathe == nullptr) {
        m_lathe = new LatheWindow(m_flow, m_store, this);
    }
    raiseToolWindow(*m_lathe);
}

void MainWindow::showTurnerWindow() {
    if (m_turner == nullptr) {
        m_turner = new TurnerWindow(m_flow, m_settings, this);
    }
    raiseToolWindow(*m_turner);
}

void MainWindow::showRatingWindow() {
    if (m_rating == nullptr) {
        m_rating = new RatingWindow(m_flow, m_settings, this);
    }
    raiseToolWindow(*m_rating);
}

// Not made before it is first asked for: the first frame does not show it.
void MainWindow::showCatalogueWindow() {
    if (m_catalogue == nullptr) {
        m_catalogue = new CatalogueWindow(m_flow, m_store, m_settings, this);
        connect(m_catalogue, &CatalogueWindow::printAsked, this,
                [this](const CatalogueTable& table) { printCatalogue(table, false); });
        connect(m_catalogue, &CatalogueWindow::previewAsked, this,
                [this](const CatalogueTable& table) { printCatalogue(table, true); });
        connect(m_catalogue, &CatalogueWindow::pdfAsked, this, &MainWindow::saveCatalogueAsPdf);
        connect(m_catalogue, &CatalogueWindow::driveChosen, m_job, &JobSession::newJobOfDrive);
    }
    raiseToolWindow(*m_catalogue);
}

void MainWindow::printCatalogue(const CatalogueTable& table, bool preview) {
    PrintService* service = printService();
    if (service == nullptr) {
        return;
    }
    service->setDocument(suggestedCataloguePdf(),
                         cataloguePageLayout(m_form.locale()).orientation());
    const PrintService::Paint paint = [&table](QPagedPaintDevice& page) {
        return paintCatalogue(page, table);
    };
    if (preview) {
        service->preview(m_catalogue, paint);
    } else if (!service->print(m_catalogue, paint)) {
        showMessage(tr("Yazdırılamadı: yazıcı başlatılamadı."));
    }
}

QString MainWindow::suggestedCataloguePdf() const {
    const QString folder = m_pdfFolder.isEmpty() ? documentsFolder() : m_pdfFolder;
    return QDir(folder).filePath(tr("zorvandi-katalog.pdf"));
}

// The folder of the last sheet, else the saved job's, else the documents; and the saved job's
// name, else the form's.
QString MainWindow::suggestedSheetPdf() const {
    const QFileInfo job(m_job->path());
    const QString folder = !m_pdfFolder.isEmpty()    ? m_pdfFolder
                           : m_job->path().isEmpty() ? documentsFolder()
                                                     : job.absolutePath();
    const QString name = m_job->path().isEmpty() ? sheetFileName(m_form)
                                                 : job.completeBaseName() + QStringLiteral(".pdf");
    return QDir(folder).filePath(name);
}

void MainWindow::saveCatalogueAsPdf(const CatalogueTable& table) {
    const QString path =
        m_files->saveFile(m_catalogue, tr("PDF Olarak Kaydet"), suggestedCataloguePdf(),
                          tr("PDF belgesi (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = ::saveCatalogueAsPdf(table, m_form.locale(), path)) {
        showMessage(tr("«%1» kaydedilemedi: %2").arg(QDir::toNativeSeparators(path), *error));
        return;
    }
    m_pdfFolder = QFileInfo(path).absolutePath();
    statusBar()->showMessage(tr("Katalog kaydedildi: %1").arg(QDir::toNativeSeparators(path)),
                             statusSeconds * 1000);
}

void MainWindow::showDesignWindow() {
    if (m_design == nullptr) {
        m_design = new DesignWindow(m_flow, m_store, m_settings, this);
    }
    raiseToolWindow(*m_design);
}

// The choice goes to the settings only: the machine file is never written from the menu.
void MainWindow::setFileChooser(std::unique_ptr<FileChooser> files) {
    m_files = std::move(files);
}

// Where the screen has room, the form is the window's centre at its own size, and the window
// cannot be shrunk below it. On a small screen, or at a large scale, it is put in a scroll area
// instead, and the window opens no larger than the screen's available area: the form scrolls
// rather than being cut.
void MainWindow::placeForm() {
    // The bars' own size hints would lay out the menus before the window is shown; a line of
    // text with the style's margins is room enough for each.
    const int bar = fontMetrics().height() + 2 * style()->pixelMetric(QStyle::PM_MenuBarVMargin) +
                    2 * style()->pixelMetric(QStyle::PM_MenuBarPanelWidth) + 10;
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize needed =
        m_view->minimumSize() +
        QSize(2 * frame, 2 * bar + 2 * frame + style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize available = screen()->availableGeometry().size();
    if (needed.width() <= available.width() && needed.height() <= available.height()) {
        setCentralWidget(m_view);
        return;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab walks the form, not its frame
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_view);
    setCentralWidget(scroll);
    // Room for the vertical scroll bar beside the form, where the screen is wide enough.
    const QSize scrolled = needed + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
    resize(scrolled.boundedTo(available) -
           QSize(2 * frame, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * frame));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const QRect available = screen()->availableGeometry();
    const QSize over = frameGeometry().size() - available.size();
    if (over.width() > 0 || over.height() > 0) {
        resize(size() - over.expandedTo(QSize(0, 0)));
    }
}

std::optional<JobSheet> MainWindow::currentSheet() {
    auto sheet = makeJobSheet(
        m_form, m_flow.machine(), m_flow.completedRuns(), QDateTime::currentDateTime(),
        {m_store.latheInUse(), m_flow.gauge(), m_flow.chosenLead(), m_job->title(), m_job->note(),
         m_flow.ratingInputs(), m_flow.designedFor(), m_job->fileName()});
    if (const auto* refusal = std::get_if<SheetRefusal>(&sheet)) {
        showMessage(refusalMessage(*refusal, m_form.locale()));
        return std::nullopt;
    }
    return std::get<JobSheet>(std::move(sheet));
}

PrintService* MainWindow::printService() {
    if (m_printService) {
        return m_printService.get();
    }
    PrintModuleLoad load =
        loadPrintModule(QCoreApplication::applicationDirPath(), sheetPageLayout(m_form.locale()));
    if (!load.service) {
        showMessage(tr("Yazdırma desteği yüklenemedi. Denenen yerler:\n%1")
                        .arg(load.failures.join(QLatin1Char('\n'))));
        return nullptr;
    }
    m_printService = std::move(load.service);
    return m_printService.get();
}

PrintService::Paint MainWindow::sheetPainter(const JobSheet& sheet) const {
    return [&sheet, locale = m_form.locale()](QPagedPaintDevice& page) {
        return paintSheet(page, sheet, locale);
    };
}

void MainWindow::saveAsPdf() {
    const std::optional<JobSheet> sheet = currentSheet();
    if (!sheet) {
        return;
    }
    const QString path = m_files->saveFile(this, tr("PDF Olarak Kaydet"), suggestedSheetPdf(),
                                           tr("PDF belgesi (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> error = saveSheetAsPdf(*sheet, m_form.locale(), path)) {
        showMessage(tr("«%1» kaydedilemedi: %2").arg(QDir::toNativeSeparators(path), *error));
        return;
    }
    // Only a folder that took a sheet is offered again.
    m_pdfFolder = QFileInfo(path).absolutePath();
    statusBar()->showMessage(tr("İş kağıdı kaydedildi: %1").arg(QDir::toNativeSeparators(path)),
                             statusSeconds * 1000);
}

void MainWindow::printPreview() {
    const std::optional<JobSheet> sheet = currentSheet();
    PrintService* service = sheet ? printService() : nullptr;
    if (service == nullptr) {
        return;
    }
    service->setDocument(suggestedSheetPdf(), sheetPageLayout(m_form.locale()).orientation());
    service->preview(this, sheetPainter(*sheet));
}

void MainWindow::print() {
    const std::optional<JobSheet> sheet = currentSheet();
    PrintService* service = sheet ? printService() : nullptr;
    if (service == nullptr) {
        return;
    }
    service->setDocument(suggestedSheetPdf(), sheetPageLayout(m_form.locale()).orientation());
    if (!service->print(this, sheetPainter(*sheet))) {
        showMessage(tr("Yazdırılamadı: yazıcı başlatılamadı."));
    }
}

void MainWindow::copyResults() {
    const std::optional<JobSheet> sheet = currentSheet();
    if (!sheet) {
        return;
    }
    auto* data = new QMimeData;
    data->setText(toTabSeparated(*sheet));
    data->setHtml(toHtmlTable(*sheet));
    QGuiApplication::clipboard()->setMimeData(data);
    statusBar()->showMessage(tr("Sonuçlar panoya kopyalandı."), statusSeconds * 1000);
}

// Not made before it is first asked for: the first frame does not show it.
void MainWindow::showGearTrains() {
    if (m_gearTrains == nullptr) {
        m_gearTrains = new GearTrainsWindow(m_flow, this);
    }
    raiseToolWindow(*m_gearTrains);
}

// A job no shop can make first, then sizes that do not fit together, then the advice on the
// tooth count: every one is kept, the first in the bar and the rest a click away.
// The flow decides the notes; here they are worded, again on a change of language.
QList<std::function<QString()>> MainWindow::dimensionNotes() const {
    const QLocale& locale = m_form.locale();
    QList<std::function<QString()>> notes;
    for (const RunNote& note :
         notesAfterHesapla(m_flow, DesignWindow::keptShiftRange(m_settings))) {
        notes.append([note, locale] {
            return std::visit(
                [&locale](const auto& n) -> QString {
                    using N = std::decay_t<decltype(n)>;
                    if constexpr (std::is_same_v<N, Fault>) {
                        return jobFaultMessage(n, locale);
                    } else if constexpr (std::is_same_v<N, BlankWarning>) {
                        return Notes::blankWarning(n, locale);
                    } else if constexpr (std::is_same_v<N, RatingWarning>) {
                        return Notes::overRated(n, locale);
                    } else if constexpr (std::is_same_v<N, RuleBreak>) {
                        return ruleBreakText(n, locale);
                    } else if constexpr (std::is_same_v<N, ShiftOutOfSpan>) {
                        return shiftOutOfRangeText(n.x2, n.span, locale);
                    } else {
                        return Notes::sharedFactor(n, locale);
                    }
                },
                note);
        });
    }
    return notes;
}

void MainWindow::noteCompletedRun(ButtonId button) {
    const QLocale& locale = m_form.locale();
    if (button == ButtonId::HESAPLA) {
        const QList<std::function<QString()>> notes = dimensionNotes();
        if (!notes.isEmpty()) {
            showNotes(button, notes);
        } else if (m_note.section == button) {
            showNotes(std::nullopt, {});
        }
    }
    if (button == ButtonId::Command1) {
        // A complete run has read z1 as valid.
        const auto z1 = wormStarts(m_form.getText(FieldId::z1_t), locale);
        const OutputGear gear =
            outputGear(m_form.getText(FieldId::GD_t), m_form.getText(FieldId::Z2_t),
                       std::get<int>(z1), m_flow.machine(), locale);
        showNote(button, [this, gear, cd = m_form.getText(FieldId::ÇD_t), locale] {
            return Notes::outputGear(gear, cd, trainsMenuPath(), locale);
        });
    }
}

void MainWindow::followSectionState(ButtonId section, SectionState state) {
    if (state != SectionState::Current && m_note.section == section) {
        showNotes(std::nullopt, {});
    }
}

void MainWindow::showNote(std::optional<ButtonId> section, std::function<QString()> text) {
    showNotes(section, text ? QList<std::function<QString()>>{std::move(text)}
                            : QList<std::function<QString()>>{});
}

void MainWindow::showNotes(std::optional<ButtonId> section, QList<std::function<QString()>> texts) {
    m_note.section = section;
    m_note.texts = std::move(texts);
    if (m_note.texts.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(m_note.texts.constFirst()());
    }
    const auto more = int(m_note.texts.size()) - 1;
    // The first frame has a single note at most, so the button is made when first needed.
    if (more > 0 && m_moreNotes == nullptr) {
        m_moreNotes = new QToolButton(this);
        m_moreNotes->setObjectName(QStringLiteral("moreNotes"));
        m_moreNotes->setAutoRaise(true);
        connect(m_moreNotes, &QToolButton::clicked, this, &MainWindow::listNotes);
        statusBar()->insertPermanentWidget(0, m_moreNotes);
    }
    if (m_moreNotes != nullptr) {
        m_moreNotes->setVisible(more > 0);
    }
    if (more > 0) {
        m_moreNotes->setText(Notes::moreNotes(more));
        m_moreNotes->setToolTip(tr("Bu hesaplamanın bütün notları"));
    }
}

void MainWindow::listNotes() {
    QStringList lines;
    for (const auto& text : m_note.texts) {
        lines.append(text());
    }
    showMessage(lines.join(QLatin1Char('\n')));
}

QString MainWindow::trainsMenuPath() const {
    return tr("%1 → %2").arg(m_menus.tools->title().remove(QLatin1Char('&')),
                             m_actions.trains->text().remove(QLatin1Char('&')));
}

void MainWindow::about() {
    QMessageBox::about(this, tr("ZORVANDI Hakkında"),
                       tr("<p><b>ZORVANDI %1</b></p>"
                          "<p>Sonsuz redüktör dişlisi-vidası ve azdırma tezgahı hesabı.</p>"
                          "<p>Lisans: tescilli yazılım; tüm hakları saklıdır.</p>"
                          "<p>Qt %2 ile çalışıyor.</p>")
                           .arg(QStringLiteral(ZORVANDI_VERSION), QString::fromLatin1(qVersion())));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_job->mayDrop()) {
        event->ignore();
        return;
    }
    for (QWidget* tool : std::initializer_list<QWidget*>{m_gearTrains, m_lathe, m_turner, m_rating,
                                                         m_design, m_catalogue}) {
        if (tool != nullptr) {
            tool->close();
        }
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (JobSession::isJobDrag(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    m_job->drop(*event->mimeData());
}

bool MainWindow::openJobFile(const QString& path) {
    return m_job->openFile(path);
}

// "m3-z36.zvj[*] — SONSUZ …", or "Adsız" before the job has a file.
void MainWindow::showJobName() {
    setWindowFilePath(m_job->path());
    setWindowTitle(tr("%1[*] — %2").arg(m_job->name(), formTitle()));
}
