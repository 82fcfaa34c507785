#include "ui/jobsession.h"

#include "app/keptchoices.h"
#include "flow/workflow.h"
#include "model/formstate.h"
#include "store/machinestore.h"
#include "ui/filechooser.h"
#include "ui/ratingwindow.h"
#include "ui/turnerwindow.h"

#include <QAbstractEventDispatcher>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

namespace {
const QString recentKey = QStringLiteral("recentJobs");
constexpr qsizetype recentCount = 10;
} // namespace

JobSession::JobSession(FormState& form, Workflow& flow, MachineStore& store, QSettings& settings,
                       Window window)
    : QObject(window.widget)
    , m_form(form)
    , m_flow(flow)
    , m_store(store)
    , m_settings(settings)
    , m_window(std::move(window)) {
    m_saved = current();
    // Once the loop has handled what came in, whatever changed, the mark is what the job is.
    if (auto* loop = QAbstractEventDispatcher::instance()) {
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &JobSession::showMark);
    }
}

JobDocument JobSession::current() const {
    return jobNow(m_flow, info());
}

bool JobSession::isModified() const {
    return ::isModified(m_saved, m_flow, info());
}

JobInfo JobSession::info() const {
    return {m_store.latheInUse(), m_title, m_note};
}

QString JobSession::fileName() const {
    return m_path.isEmpty() ? QString() : QFileInfo(m_path).fileName();
}

QString JobSession::name() const {
    return m_path.isEmpty() ? tr("Adsız") : fileName();
}

void JobSession::showMark() const {
    const bool modified = isModified();
    if (m_window.widget->isWindowModified() != modified) {
        m_window.widget->setWindowModified(modified);
    }
}

bool JobSession::mayDrop() {
    if (!isModified()) {
        return true;
    }
    QMessageBox ask(QMessageBox::Question, QStringLiteral("ZORVANDI"),
                    tr("«%1» işindeki değişiklikler kaydedilmedi. Kaydedilsin mi?").arg(name()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    m_window.widget);
    ask.button(QMessageBox::Save)->setText(tr("Kaydet"));
    ask.button(QMessageBox::Discard)->setText(tr("Kaydetme"));
    ask.button(QMessageBox::Cancel)->setText(tr("İptal"));
    ask.setDefaultButton(QMessageBox::Save);
    ask.exec();
    if (ask.clickedButton() == ask.button(QMessageBox::Save)) {
        return save();
    }
    return ask.clickedButton() == ask.button(QMessageBox::Discard);
}

void JobSession::takeAsSaved(const QString& path, const QByteArray& bytes, const JobDocument& job) {
    const bool moved = path != m_path;
    m_path = path;
    m_bytes = bytes;
    m_saved = job;
    showMark();
    if (moved) {
        emit pathChanged();
    }
}

bool JobSession::newJob() {
    if (!mayDrop()) {
        return false;
    }
    m_flow.reset();
    m_flow.setGauge(KeptChoices::gauge(m_settings));
    m_flow.setRatingInputs(KeptChoices::ratingInputs(m_settings));
    m_title.clear();
    m_note.clear();
    takeAsSaved({}, {}, current());
    return true;
}

void JobSession::newJobOfDrive(const DesignRow& drive, const DesignAsk& ask,
                               const std::optional<double>& hobAngle, const QString& title) {
    if (!newJob()) {
        return;
    }
    m_flow.useDesign(drive, ask, hobAngle);
    m_title = title;
}

void JobSession::open() {
    const QString folder = m_path.isEmpty() ? documentsFolder() : QFileInfo(m_path).absolutePath();
    const QString path =
        m_window.files().openFile(m_window.widget, tr("İş Aç"), folder, tr("ZORVANDI işi (*.zvj)"));
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool JobSession::openFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_window.messages->showMessage(tr("«%1» açılamadı: %2").arg(shown, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const auto parsed = parseJobFile(bytes);
    if (const auto* fault = std::get_if<FileFault>(&parsed)) {
        m_window.messages->showMessage(
            tr("«%1» açılamadı: %2").arg(shown, jobFileFaultMessage(*fault, m_form.locale())));
        return false;
    }
    if (!mayDrop()) {
        return false;
    }
    JobDocument job = withUnreadableInputsStale(
        inLocale(std::get<JobDocument>(parsed), m_form.locale()), m_form.locale());
    if (!m_window.takeMachines(job)) {
        return false;
    }
    m_flow.restore(job.texts, job.runs);
    m_flow.chooseLead(job.lead);
    m_flow.setGauge(job.gauge);
    m_flow.setRatingInputs(job.rating);
    m_flow.setDesignedFor(job.design);
    m_title = job.title;
    m_note = job.note;
    // Modified only where the window could not take the job as it stands.
    job.locale = m_form.locale().name();
    takeAsSaved(QFileInfo(path).absoluteFilePath(), bytes, job);
    remember(m_path);
    return true;
}

bool JobSession::save() {
    if (m_path.isEmpty()) {
        return saveAs();
    }
    // A file someone else changed since it was read or written here is not written over
    // without asking.
    QFile file(m_path);
    if (file.exists() && (!file.open(QIODevice::ReadOnly) || file.readAll() != m_bytes)) {
        QMessageBox ask(QMessageBox::Warning, QStringLiteral("ZORVANDI"),
                        tr("«%1» bu pencere açtığından ya da kaydettiğinden beri değişti.")
                            .arg(QDir::toNativeSeparators(m_path)),
                        QMessageBox::Save | QMessageBox::SaveAll | QMessageBox::Cancel,
                        m_window.widget);
        ask.button(QMessageBox::Save)->setText(tr("Kaydet"));
        ask.button(QMessageBox::SaveAll)->setText(tr("Farklı Kaydet…"));
        ask.button(QMessageBox::Cancel)->setText(tr("İptal"));
        ask.setDefaultButton(QMessageBox::Cancel);
        ask.exec();
        if (ask.clickedButton() == ask.button(QMessageBox::SaveAll)) {
            return saveAs();
        }
        if (ask.clickedButton() != ask.button(QMessageBox::Save)) {
            return false;
        }
    }
    return write(m_path);
}

bool JobSession::saveAs() {
    const QString suggested =
        m_path.isEmpty() ? QDir(documentsFolder()).filePath(jobFileName(m_form)) : m_path;
    const QString path =
        m_window.files().saveFile(m_window.widget, tr("Farklı Kaydet"), suggested,
                                  tr("ZORVANDI işi (*.zvj)"), QStringLiteral("zvj"));
    return !path.isEmpty() && write(path);
}

bool JobSession::write(const QString& path) {
    const JobDocument job = current();
    const QByteArray bytes = jobFileText(job);
    if (const auto error = writeWhole(path, bytes)) {
        m_window.messages->showMessage(
            tr("«%1» kaydedilemedi: %2").arg(QDir::toNativeSeparators(path), *error));
        return false;
    }
    takeAsSaved(QFileInfo(path).absoluteFilePath(), bytes, job);
    remember(m_path);
    m_window.status(tr("İş kaydedildi: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void JobSession::editInfo() {
    QDialog dialog(m_window.widget);
    dialog.setObjectName(QStringLiteral("jobInfoDialog"));
    dialog.setWindowTitle(tr("İş Bilgileri"));
    auto* title = new QLineEdit(m_title, &dialog);
    title->setObjectName(QStringLiteral("jobTitle"));
    auto* note = new QPlainTextEdit(m_note, &dialog);
    note->setObjectName(QStringLiteral("jobNote"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(tr("Başlık"), title);
    layout->addRow(tr("Not"), note);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() == QDialog::Accepted) {
        m_title = title->text();
        m_note = note->toPlainText();
    }
}

void JobSession::remember(const QString& path) {
    QStringList recent = m_settings.value(recentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    m_settings.setValue(recentKey, recent.mid(0, recentCount));
}

// The last jobs, newest first, each with its folder as its tooltip; one that is gone is taken
// off the list with a note.
void JobSession::fillRecentMenu(QMenu& menu) {
    menu.clear();
    menu.setToolTipsVisible(true);
    const QStringList recent = m_settings.value(recentKey).toStringList();
    for (const QString& path : recent) {
        QAction* item = menu.addAction(QFileInfo(path).fileName());
        item->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        connect(item, &QAction::triggered, this, [this, path] {
            if (QFileInfo::exists(path)) {
                openFile(path);
                return;
            }
            QStringList list = m_settings.value(recentKey).toStringList();
            list.removeAll(path);
            m_settings.setValue(recentKey, list);
            m_window.note([path] {
                return tr("«%1» artık yok; son işlerden çıkarıldı.")
                    .arg(QDir::toNativeSeparators(path));
            });
        });
    }
    menu.setEnabled(!recent.isEmpty());
}

bool JobSession::isJobDrag(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.constFirst().isLocalFile() &&
           urls.constFirst().toLocalFile().endsWith(QStringLiteral(".zvj"), Qt::CaseInsensitive);
}

void JobSession::drop(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty()) {
        openFile(urls.constFirst().toLocalFile());
    }
}
