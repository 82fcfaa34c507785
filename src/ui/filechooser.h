#pragma once

// The seam through which the window asks the user for a file: the machine editor's import and
// export and the job sheet's PDF. The window holds one and hands it down; the program's is a
// QFileDialog, and a test puts in one that answers with the paths it was given.

#include <QString>

class QWidget;

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // An existing file to read, starting in `folder`; empty when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) = 0;
    // Where to write, offering `suggested` (a whole path) and adding `suffix` to a name typed
    // without one; empty when the user cancels.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter, const QString& suffix) = 0;

protected:
    FileChooser() = default;
    FileChooser(const FileChooser&) = default;
    FileChooser& operator=(const FileChooser&) = default;
};

// The platform's file dialogs.
class DialogFileChooser final : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& folder,
                     const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& suggested,
                     const QString& filter, const QString& suffix) override;
};

// The user's documents folder, where every chooser starts the first time.
QString documentsFolder();
