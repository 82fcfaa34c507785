// The main window's glue to the shop's machine file: the machines and lathes in use, their
// menus, the editor, its saves and exports, and the machines a job brings with it.

#include "ui/cataloguewindow.h"
#include "ui/designwindow.h"
#include "ui/lathewindow.h"
#include "ui/machinesdialog.h"
#include "ui/mainwindow.h"
#include "ui/notes.h"
#include "ui/ratingwindow.h"
#include "ui/turnerwindow.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

void MainWindow::loadMachines() {
    if (const auto fault = m_store.load()) {
        const QString text =
            tr("%1 Yerleşik tezgâh kullanılıyor; dosya değiştirilmedi.")
                .arg(unusableMachineFileText(m_store.path(), *fault, m_form.locale()));
        QTimer::singleShot(0, this, [this, text] { showMessage(text); });
    }
    m_flow.setMachine(m_store.machineInUse());
}

// Another window or a hand edit changed the file: the menu and the editor show the new list at
// their next opening, and a machine in use that is gone gives way to the built-in one.
void MainWindow::followMachines() {
    m_flow.setMachine(m_store.machineInUse());
    followBook();
    // A long name would crowd the note out of the status bar.
    const auto shortened = [this](const QString& name) {
        return statusBar()->fontMetrics().elidedText(name, Qt::ElideMiddle, 150);
    };
    QList<std::function<QString()>> gone;
    if (const QString chosen = m_store.chosenName();
        !chosen.isEmpty() && m_store.machineInUse() == builtInMachine()) {
        gone.append([name = shortened(chosen)] { return Notes::machineGone(name); });
    }
    if (const QString chosen = m_store.chosenLatheName();
        !chosen.isEmpty() && m_store.latheInUse() == builtInLathe()) {
        gone.append([name = shortened(chosen)] { return Notes::latheGone(name); });
    }
    if (!gone.isEmpty()) {
        showNotes(std::nullopt, gone);
    }
}

// What this window wrote is gone from the file: another window saved over it, perhaps setting
// this window's file aside.
void MainWindow::sayWrittenGone(const WrittenGone& gone) {
    const QString names = gone.names.join(QStringLiteral(", "));
    if (gone.setAside.isEmpty()) {
        showMessage(tr("Bu pencerenin tezgâh dosyasına yazdıkları artık dosyada yok: %1. Dosyayı "
                       "başka bir pencere ya da bir el değiştirdi.")
                        .arg(names));
        return;
    }
    showMessage(tr("Bu pencerenin tezgâh dosyasına yazdıkları artık dosyada yok: %1. Başka bir "
                   "pencere dosyayı kaydederken bu pencerenin yazdığını «%2» adıyla bir kenara "
                   "koydu; onları oradan İçe Aktar… ile geri alabilirsiniz.")
                    .arg(names, QDir::toNativeSeparators(gone.setAside)));
}

void MainWindow::refuseChangedFile(const FileFault& fault) {
    showMessage(tr("Tezgâh dosyası «%1» değişti ama kullanılamıyor: %2 Kullanılan tezgâhlar "
                   "değişmedi.")
                    .arg(QDir::toNativeSeparators(m_store.path()),
                         fileFaultMessage(fault, m_form.locale())));
}

// A long machine name would crowd out the notes: the label is cut, the tooltip has it whole.
void MainWindow::showMachineInUse() {
    constexpr int widest = 170;
    const QString text = tr("Tezgâh: %1").arg(displayName(m_flow.machine()));
    // Most names are short enough not to need measuring, which start-up would pay for.
    constexpr qsizetype surelyFits = 28;
    m_machineLabel->setText(text.size() <= surelyFits ? text
                                                      : m_machineLabel->fontMetrics().elidedText(
                                                            text, Qt::ElideMiddle, widest));
    m_machineLabel->setToolTip(text);
}

// One radio item a machine, the built-in one first; made anew each time, as the machines may
// have changed since.
void MainWindow::fillMachineMenu(QMenu& menu) {
    menu.clear();
    auto* group = new QActionGroup(&menu);
    QList<Machine> machines = {builtInMachine()};
    machines += m_store.machines();
    for (const Machine& machine : machines) {
        QAction* item = menu.addAction(displayName(machine));
        item->setCheckable(true);
        item->setChecked(machine == m_flow.machine());
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name = machine.name] { useMachine(name); });
    }
}

void MainWindow::fillLatheMenu(QMenu& menu) {
    menu.clear();
    auto* group = new QActionGroup(&menu);
    QList<Lathe> lathes = {builtInLathe()};
    lathes += m_store.lathes();
    for (const Lathe& lathe : lathes) {
        QAction* item = menu.addAction(displayName(lathe));
        item->setCheckable(true);
        item->setChecked(lathe == m_store.latheInUse());
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name = lathe.name] { useLathe(name); });
    }
}

void MainWindow::useLathe(const QString& name) {
    m_store.chooseLathe(name);
    followBook();
}

void MainWindow::followBook() {
    if (m_lathe != nullptr) {
        m_lathe->followLathes();
    }
    if (m_design != nullptr) {
        m_design->followHobs();
    }
    if (m_catalogue != nullptr) {
        m_catalogue->followHobs();
    }
}

// Not made before it is first asked for, nor its search: the first frame shows neither.
void MainWindow::useMachine(const QString& name) {
    m_store.choose(name);
    m_flow.setMachine(m_store.machineInUse());
}

void MainWindow::editMachines() {
    m_editorBasis = m_store.known();
    MachinesDialog dialog(
        m_store.book(), m_store.chosenName(), m_store.chosenLatheName(), m_form.locale(),
        [this](const MachineBook& book, const QString& chosen, const QString& chosenLathe) {
            return saveMachines(book, chosen, chosenLathe);
        },
        [this](const MachineBook& book, const QString& path, const QString& chosen,
               const QString& chosenLathe) {
            return exportMachineBook(book, path, chosen, chosenLathe);
        },
        *m_files, this);
    dialog.exec();
}

std::optional<QString> MainWindow::saveMachines(const MachineBook& book, const QString& chosen,
                                                const QString& chosenLathe) {
    const SaveOutcome outcome = m_store.save(book, chosen, chosenLathe, m_editorBasis);
    const QString path = QDir::toNativeSeparators(m_store.path());
    const QString aside = QDir::toNativeSeparators(outcome.setAside);
    if (outcome.error) {
        if (aside.isEmpty()) {
            return tr("«%1» kaydedilemedi: %2").arg(path, *outcome.error);
        }
        return tr("Tezgâh dosyası başka bir yerde değişmişti; o hali «%1» adıyla korundu. Yeni "
                  "dosya «%2» yazılamadı: %3")
            .arg(aside, path, *outcome.error);
    }
    m_editorBasis = m_store.known();
    m_flow.setMachine(m_store.machineInUse());
    followBook();
    if (!aside.isEmpty()) {
        showMessage(tr("Tezgâh dosyası bu pencerenin okuduğu halinden farklıydı; o hali «%1» "
                       "adıyla korundu.")
                        .arg(aside));
    }
    return std::nullopt;
}

MachinesDialog::Exported MainWindow::exportMachineBook(const MachineBook& book, const QString& path,
                                                       const QString& chosen,
                                                       const QString& chosenLathe) {
    if (QFileInfo(path).absoluteFilePath() != QFileInfo(m_store.path()).absoluteFilePath()) {
        return {exportMachines(book, path)};
    }
    // The machine file itself: set aside what this window did not read, keep the choices.
    const auto error = saveMachines(book, chosen, chosenLathe);
    return {error, !error};
}

namespace {

enum class Answer { Add, KeepInUse, Cancel };

// The box for a job's machine or lathe the shop lacks: add it, keep the one in use, or open
// nothing (İptal, Escape).
Answer askAboutJobEntry(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("ZORVANDI"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* add = box.addButton(MainWindow::tr("Tezgâhlara Ekle"), QMessageBox::AcceptRole);
    QPushButton* keep =
        box.addButton(MainWindow::tr("Kullanılanla Aç"), QMessageBox::DestructiveRole);
    box.setEscapeButton(box.addButton(MainWindow::tr("İptal"), QMessageBox::RejectRole));
    box.setDefaultButton(add);
    box.exec();
    if (box.clickedButton() == add) {
        return Answer::Add;
    }
    return box.clickedButton() == keep ? Answer::KeepInUse : Answer::Cancel;
}

template <typename List, typename Entry> bool shopHas(const List& list, const Entry& entry) {
    return std::any_of(list.begin(), list.end(), [&entry](const auto& e) { return e == entry; });
}

} // namespace

bool MainWindow::takeJobMachines(const JobDocument& job) {
    const auto ask = [this](const QString& text) { return askAboutJobEntry(this, text); };
    MachineBook book = m_store.book();
    // The names to choose; nothing keeps the one in use.
    std::optional<QString> chosen;
    std::optional<QString> chosenLathe;
    bool add = false;
    QStringList kept;
    const bool machineKnown =
        job.machine == builtInMachine() || shopHas(book.machines, job.machine);
    const bool latheKnown = job.lathe == builtInLathe() || shopHas(book.lathes, job.lathe);
    // Both questions come before anything is changed, so that İptal leaves the window as it was.
    const Answer forMachine =
        machineKnown
            ? Answer::Add
            : ask(tr("İşin tezgâhı «%1» tezgâh dosyasında bu tanımla yok.").arg(job.machine.name));
    const Answer forLathe =
        latheKnown || forMachine == Answer::Cancel
            ? Answer::Add
            : ask(tr("İşin tornası «%1» tezgâh dosyasında bu tanımla yok.").arg(job.lathe.name));
    if (forMachine == Answer::Cancel || forLathe == Answer::Cancel) {
        return false;
    }
    if (machineKnown) {
        chosen = job.machine == builtInMachine() ? QString() : job.machine.name;
    } else if (forMachine == Answer::Add) {
        Machine m = job.machine;
        m.name = unclashedName(m.name, book.machines);
        book.machines.append(m);
        chosen = m.name;
        add = true;
    } else {
        kept.append(tr("İşin tezgâhı «%1» yerine kullanılan «%2» ile açıldı: 3. bölüm yeniden "
                       "hesaplanmalı.")
                        .arg(job.machine.name, displayName(m_flow.machine())));
    }
    if (latheKnown) {
        chosenLathe = job.lathe == builtInLathe() ? QString() : job.lathe.name;
    } else if (forLathe == Answer::Add) {
        Lathe l = job.lathe;
        l.name = unclashedLatheName(l.name, book.lathes);
        book.lathes.append(l);
        chosenLathe = l.name;
        add = true;
    } else {
        kept.append(tr("İşin tornası «%1» yerine kullanılan «%2» ile açıldı: vida tornalama "
                       "ölçüleri bu tornanın.")
                        .arg(job.lathe.name, displayName(m_store.latheInUse())));
    }
    const QString machineName = chosen.value_or(m_store.chosenName());
    const QString latheName = chosenLathe.value_or(m_store.chosenLatheName());
    if (add) {
        m_editorBasis = m_store.known();
        if (const auto error = saveMachines(book, machineName, latheName)) {
            showMessage(*error);
        }
    } else {
        m_store.choose(machineName);
        m_store.chooseLathe(latheName);
    }
    m_flow.setMachine(m_store.machineInUse());
    followBook();
    QList<std::function<QString()>> notes;
    for (const QString& k : kept) {
        notes.append([k] { return k; });
    }
    if (!notes.isEmpty()) {
        showNotes(std::nullopt, notes);
    }
    return true;
}
