#include "ui/machinesdialog.h"

#include "ui/entrykinds.h"
#include "ui/filechooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

MachinesDialog::MachinesDialog(const MachineBook& book, const QString& chosen,
                               const QString& chosenLathe, const QLocale& locale, Save save,
                               Export exportTo, FileChooser& files, QWidget* parent)
    : QDialog(parent)
    , m_locale(locale)
    , m_save(std::move(save))
    , m_export(std::move(exportTo))
    , m_files(files) {
    setObjectName(QStringLiteral("machinesDialog"));
    setWindowTitle(tr("Tezgâhlar"));
    m_machines = new NamedListPage(makeMachineKind(book.machines, m_locale), chosen,
                                   QStringLiteral("machineList"), QString(), this);
    m_machines->setObjectName(QStringLiteral("machinesPage"));
    m_lathes = new NamedListPage(makeLatheKind(book.lathes, m_locale), chosenLathe,
                                 QStringLiteral("latheList"), QStringLiteral("Lathe"), this);
    m_lathes->setObjectName(QStringLiteral("lathesPage"));
    m_hobs = new NamedListPage(makeHobKind(book.hobs, m_locale), QString(),
                               QStringLiteral("hobList"), QStringLiteral("Hob"), this);
    m_hobs->setObjectName(QStringLiteral("hobsPage"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(m_machines, tr("Azdırma tezgâhları"));
    tabs->addTab(m_lathes, tr("Tornalar"));
    tabs->addTab(m_hobs, tr("Azdırmalar"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* b : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            push->setAutoDefault(false);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    for (NamedListPage* page : {m_machines, m_lathes, m_hobs}) {
        connect(page, &NamedListPage::importRequested, this, &MachinesDialog::importFile);
        connect(page, &NamedListPage::exportRequested, this, &MachinesDialog::exportFile);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &MachinesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MachinesDialog::reject);
}

MachineBook MachinesDialog::book() const {
    MachineBook book;
    m_machines->kind().fill(book);
    m_lathes->kind().fill(book);
    m_hobs->kind().fill(book);
    return book;
}

bool MachinesDialog::refuseFaults(const QString& intro) {
    const QStringList reasons = m_machines->faults() + m_lathes->faults() + m_hobs->faults();
    if (reasons.isEmpty()) {
        return false;
    }
    message(intro + QLatin1Char('\n') + reasons.join(QLatin1Char('\n')));
    return true;
}

namespace {
QString machineFileFilter() {
    return QCoreApplication::translate("MachineFileDialogs", "Tezgâh dosyası (*.json)");
}
} // namespace

void MachinesDialog::importFile() {
    const QString path = m_files.openFile(this, tr("Tezgâh Dosyası İçe Aktar"), documentsFolder(),
                                          machineFileFilter());
    if (path.isEmpty()) {
        return;
    }
    const auto imported = importMachines(path);
    if (const auto* fault = std::get_if<FileFault>(&imported)) {
        message(QCoreApplication::translate("MachineFileDialogs", "«%1» içe aktarılamadı: %2")
                    .arg(QDir::toNativeSeparators(path), fileFaultMessage(*fault, m_locale)));
        return;
    }
    const auto& book = std::get<MachineBook>(imported);
    const QStringList renamed =
        m_machines->import(book) + m_lathes->import(book) + m_hobs->import(book);
    if (!renamed.isEmpty()) {
        message(tr("Bu adlar, var olanlarla çakıştığı için değiştirildi:\n%1")
                    .arg(renamed.join(QLatin1Char('\n'))));
    }
}

void MachinesDialog::exportFile() {
    if (refuseFaults(tr("Dışa aktarılmadı; önce şunları düzeltin:"))) {
        return;
    }
    const QString path = m_files.saveFile(this, tr("Tezgâh Dosyası Dışa Aktar"),
                                          QDir(documentsFolder()).filePath(tr("tezgahlar.json")),
                                          machineFileFilter(), QStringLiteral("json"));
    if (path.isEmpty()) {
        return;
    }
    const Exported done = m_export(book(), path, m_machines->chosen(), m_lathes->chosen());
    if (done.error) {
        message(QCoreApplication::translate("MachineFileDialogs", "«%1» kaydedilemedi: %2")
                    .arg(QDir::toNativeSeparators(path), *done.error));
        return;
    }
    if (done.shopFile) {
        for (NamedListPage* page : {m_machines, m_lathes, m_hobs}) {
            page->markSaved();
        }
    }
}

void MachinesDialog::accept() {
    if (refuseFaults(tr("Kaydedilmedi; önce şunları düzeltin:"))) {
        return;
    }
    if (const auto error = m_save(book(), m_machines->chosen(), m_lathes->chosen())) {
        message(*error);
        return;
    }
    QDialog::accept();
}

void MachinesDialog::reject() {
    if (m_machines->changed() || m_lathes->changed() || m_hobs->changed()) {
        QMessageBox ask(QMessageBox::Question, QStringLiteral("ZORVANDI"),
                        tr("Tezgâhlardaki değişiklikler kaydedilmedi. Atılsın mı?"),
                        QMessageBox::Discard | QMessageBox::Cancel, this);
        ask.setDefaultButton(QMessageBox::Cancel);
        if (ask.exec() != QMessageBox::Discard) {
            return;
        }
    }
    QDialog::reject();
}

void MachinesDialog::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZORVANDI"), text, QMessageBox::Ok, this);
    box.exec();
}
