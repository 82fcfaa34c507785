#include "ui/machinefiledialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString filter() {
    return QCoreApplication::translate("MachineFileDialogs", "Tezgâh dosyası (*.json)");
}

} // namespace

void showEditorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZORVANDI"), text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<MachineBook> askImport(QWidget* parent, const QString& title, const QLocale& locale) {
    const QString path = QFileDialog::getOpenFileName(parent, title, documentsFolder(), filter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    auto imported = importMachines(path);
    if (const auto* fault = std::get_if<FileFault>(&imported)) {
        showEditorBox(parent,
                      QCoreApplication::translate("MachineFileDialogs", "«%1» içe aktarılamadı: %2")
                          .arg(QDir::toNativeSeparators(path), fileFaultMessage(*fault, locale)));
        return std::nullopt;
    }
    return std::get<MachineBook>(std::move(imported));
}

void askExport(QWidget* parent, const QString& title, const QString& fileName,
               const MachineBook& book) {
    const QString path = QFileDialog::getSaveFileName(
        parent, title, QDir(documentsFolder()).filePath(fileName), filter());
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = exportMachines(book, path)) {
        showEditorBox(parent,
                      QCoreApplication::translate("MachineFileDialogs", "«%1» kaydedilemedi: %2")
                          .arg(QDir::toNativeSeparators(path), *error));
    }
}

QString renamedLine(const QString& before, const QString& after) {
    return QCoreApplication::translate("MachineFileDialogs", "«%1» → «%2»").arg(before, after);
}
