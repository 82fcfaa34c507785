#include "ui/mainwindow.h"

#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/jobsheet.h"
#include "calc/wormstarts.h"
#include "paint/sheetpainter.h"
#include "ui/formview.h"
#include "ui/geartrainswindow.h"
#include "ui/machinesdialog.h"
#include "ui/printmoduleloader.h"
#include "zorvandi.xpm"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr int statusSeconds = 8;
} // namespace

MainWindow::MainWindow(const QLocale& locale, const QString& machinesPath, QWidget* parent)
    : QMainWindow(parent)
    , m_form(locale, *this)
    , m_flow(m_form)
    , m_machineFile(machinesPath) {
    m_form.Form_Load();
    loadMachines();
    applyWindowFont();
    m_view = new FormView(m_flow, this);
    m_view->setMinimumSize(m_view->size());
    setCentralWidget(m_view);
    setWindowTitle(formTitle());
    // XPM is read by QImage itself; a PNG would load the image-format plugins first, which
    // costs the start-up more than the whole form.
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(zorvandiIcon))));
    buildMenus();
    m_machineLabel = new QLabel(this);
    m_machineLabel->setObjectName(QStringLiteral("machineLabel"));
    statusBar()->addPermanentWidget(m_machineLabel);
    showMachineInUse();
    connect(&m_flow, &Workflow::completed, this, &MainWindow::noteCompletedRun);
    connect(&m_flow, &Workflow::machineChanged, this, &MainWindow::showMachineInUse);
    connect(&m_flow, &Workflow::machineChanged, this, &MainWindow::dropStaleGearNote);
    connect(&m_form, &FormState::textChanged, this, &MainWindow::dropStaleGearNote);
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
// work before any menu was opened.
void MainWindow::buildMenus() {
    const auto action = [this](const QString& text, const QKeySequence& key, auto slot) {
        auto* a = new QAction(text, this);
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
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addLazyMenu(
        QStringLiteral("&Dosya"),
        {action(QStringLiteral("&PDF Olarak Kaydet…"), QKeySequence::Save, &MainWindow::saveAsPdf),
         action(QStringLiteral("Baskı Ö&nizleme…"), QKeySequence(), &MainWindow::printPreview),
         action(QStringLiteral("&Yazdır…"), QKeySequence::Print, &MainWindow::print), separator,
         action(QStringLiteral("Çı&kış"), quit, &QWidget::close)});
    addLazyMenu(QStringLiteral("Dü&zen"),
                {action(QStringLiteral("Sonuçları &Kopyala"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &MainWindow::copyResults)});
    addLazyMenu(QStringLiteral("&Araçlar"),
                {action(QStringLiteral("&Dişli Dizileri…"), QKeySequence(Qt::CTRL | Qt::Key_T),
                        &MainWindow::showGearTrains),
                 action(QStringLiteral("Te&zgâhlar…"), QKeySequence(), &MainWindow::editMachines)},
                [this](QMenu* tools) {
                    QMenu* machines = tools->addMenu(QStringLiteral("&Tezgâh"));
                    machines->setObjectName(QStringLiteral("machineMenu"));
                    connect(machines, &QMenu::aboutToShow, this,
                            [this, machines] { fillMachineMenu(*machines); });
                });
    addLazyMenu(QStringLiteral("&Yardım"),
                {action(QStringLiteral("ZORVANDI &Hakkında"), QKeySequence(), &MainWindow::about)});
}

void MainWindow::addLazyMenu(const QString& title, const QList<QAction*>& actions,
                             const std::function<void(QMenu*)>& more) {
    QMenu* menu = menuBar()->addMenu(title);
    connect(menu, &QMenu::aboutToShow, menu, [menu, actions, more] {
        if (menu->isEmpty()) {
            menu->addActions(actions);
            if (more) {
                more(menu);
            }
        }
    });
}

// The file is read once; a missing one is the normal first start. One that cannot be used is
// left as it is, and said after the window shows, so that the box has a window to stand on.
void MainWindow::loadMachines() {
    auto loaded = m_machineFile.load();
    if (auto* book = std::get_if<MachineBook>(&loaded)) {
        m_book = std::move(*book);
        m_flow.setMachine(m_book.activeMachine());
        return;
    }
    const QString text = QStringLiteral("Tezgâh dosyası «%1» kullanılamıyor: %2 Yerleşik tezgâh "
                                        "kullanılıyor; dosya değiştirilmedi.")
                             .arg(QDir::toNativeSeparators(m_machineFile.path()),
                                  fileFaultMessage(std::get<FileFault>(loaded), m_form.locale()));
    QTimer::singleShot(0, this, [this, text] { showMessage(text); });
}

void MainWindow::showMachineInUse() {
    m_machineLabel->setText(QStringLiteral("Tezgâh: %1").arg(m_flow.machine().name));
}

// One radio item a machine, the built-in one first; made anew each time, as the machines may
// have changed since.
void MainWindow::fillMachineMenu(QMenu& menu) {
    menu.clear();
    auto* group = new QActionGroup(&menu);
    QList<Machine> machines = {builtInMachine()};
    machines += m_book.machines;
    for (const Machine& machine : machines) {
        QAction* item = menu.addAction(machine.name);
        item->setCheckable(true);
        item->setChecked(machine == m_flow.machine());
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name = machine.name] { useMachine(name); });
    }
}

void MainWindow::useMachine(const QString& name) {
    const QString active = isReservedName(name) ? QString() : name;
    if (active == m_book.active && m_book.activeMachine() == m_flow.machine()) {
        return;
    }
    MachineBook book = m_book;
    book.active = active;
    saveMachines(book);
}

void MainWindow::editMachines() {
    MachinesDialog dialog(m_book, m_machineFile, m_form.locale(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_book = dialog.book();
        m_flow.setMachine(m_book.activeMachine());
        noteSetAsideFile();
    }
}

// The book becomes the one in use only once it is in the file.
void MainWindow::saveMachines(const MachineBook& book) {
    if (const auto error = m_machineFile.save(book)) {
        showMessage(QStringLiteral("«%1» kaydedilemedi: %2")
                        .arg(QDir::toNativeSeparators(m_machineFile.path()), *error));
        return;
    }
    m_book = book;
    m_flow.setMachine(m_book.activeMachine());
    noteSetAsideFile();
}

void MainWindow::noteSetAsideFile() {
    if (!m_machineFile.setAsidePath().isEmpty() &&
        m_setAsideShown != m_machineFile.setAsidePath()) {
        m_setAsideShown = m_machineFile.setAsidePath();
        showMessage(QStringLiteral("Okunamayan tezgâh dosyası korundu: «%1».")
                        .arg(QDir::toNativeSeparators(m_setAsideShown)));
    }
}

std::optional<JobSheet> MainWindow::currentSheet() {
    auto sheet = makeJobSheet(m_form, m_flow.machine(), m_flow.completedRuns(),
                              QDateTime::currentDateTime());
    if (const auto* refusal = std::get_if<SheetRefusal>(&sheet)) {
        showMessage(refusalMessage(*refusal));
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
        showMessage(QStringLiteral("Yazdırma desteği yüklenemedi. Denenen yerler:\n%1")
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
    const QString folder = m_pdfFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : m_pdfFolder;
    QFileDialog dialog(this, QStringLiteral("PDF Olarak Kaydet"), folder,
                       QStringLiteral("PDF belgesi (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(sheetFileName(m_form));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    if (const std::optional<QString> error = saveSheetAsPdf(*sheet, m_form.locale(), path)) {
        showMessage(
            QStringLiteral("«%1» kaydedilemedi: %2").arg(QDir::toNativeSeparators(path), *error));
        return;
    }
    // Only a folder that took a sheet is offered again.
    m_pdfFolder = QFileInfo(path).absolutePath();
    statusBar()->showMessage(
        QStringLiteral("İş kağıdı kaydedildi: %1").arg(QDir::toNativeSeparators(path)),
        statusSeconds * 1000);
}

void MainWindow::printPreview() {
    const std::optional<JobSheet> sheet = currentSheet();
    PrintService* service = sheet ? printService() : nullptr;
    if (service == nullptr) {
        return;
    }
    service->preview(this, sheetPainter(*sheet));
}

void MainWindow::print() {
    const std::optional<JobSheet> sheet = currentSheet();
    PrintService* service = sheet ? printService() : nullptr;
    if (service == nullptr) {
        return;
    }
    if (!service->print(this, sheetPainter(*sheet))) {
        showMessage(QStringLiteral("Yazdırılamadı: yazıcı başlatılamadı."));
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
    statusBar()->showMessage(QStringLiteral("Sonuçlar panoya kopyalandı."), statusSeconds * 1000);
}

// Not made before it is first asked for: the first frame does not show it.
void MainWindow::showGearTrains() {
    if (m_gearTrains == nullptr) {
        m_gearTrains = new GearTrainsWindow(m_flow, this);
    }
    m_gearTrains->show();
    m_gearTrains->raise();
    m_gearTrains->activateWindow();
}

void MainWindow::noteCompletedRun(ButtonId button) {
    if (button == ButtonId::HESAPLA) {
        const QString hint = sharedFactorHint(m_form);
        if (!hint.isEmpty()) {
            statusBar()->showMessage(hint);
        }
    }
    if (button == ButtonId::Command1) {
        const auto z1 = wormStarts(m_form.getText(FieldId::z1_t), m_form.locale());
        const bool inSet =
            outputGearInSet(m_form.getText(FieldId::GD_t), m_form.getText(FieldId::Z2_t),
                            std::get<int>(z1), m_flow.machine(), m_form.locale());
        statusBar()->showMessage(outputGearNote(m_form.getText(FieldId::ÇD_t), inSet));
        m_gearNoteShown = true;
    }
}

// The note speaks of the third section's last run; once that run no longer matches the form,
// the note goes with it.
void MainWindow::dropStaleGearNote() {
    if (m_gearNoteShown && sectionState(ButtonId::Command1, m_flow.snapshot(),
                                        m_flow.completedRuns()) != SectionState::Current) {
        m_gearNoteShown = false;
        statusBar()->clearMessage();
    }
}

void MainWindow::about() {
    QMessageBox::about(
        this, QStringLiteral("ZORVANDI Hakkında"),
        QStringLiteral("<p><b>ZORVANDI %1</b></p>"
                       "<p>Sonsuz redüktör dişlisi-vidası ve azdırma tezgahı hesabı.</p>"
                       "<p>Lisans: tescilli yazılım; tüm hakları saklıdır.</p>"
                       "<p>Qt %2 ile çalışıyor.</p>")
            .arg(QStringLiteral(ZORVANDI_VERSION), QString::fromLatin1(qVersion())));
}
