#include "ui/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

QString DialogFileChooser::openFile(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString DialogFileChooser::saveFile(QWidget* parent, const QString& title, const QString& suggested,
                                    const QString& filter, const QString& suffix) {
    const QFileInfo offered(suggested);
    QFileDialog dialog(parent, title, offered.absolutePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(offered.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
