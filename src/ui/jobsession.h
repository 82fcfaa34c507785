#pragma once

// The job as a document, apart from the window that shows it (as a password manager keeps its
// database apart from its main window): opening, saving, the recent list, the close question,
// a dropped file, and the modified mark. Whether the job is modified is decided in the flow
// (jobdocument.h: isModified); the session shows it each time the event loop has handled what
// came in, and keeps the dialogs.

#include "store/jobfile.h"

#include <QObject>
#include <QString>

#include <functional>

class FileChooser;
class FormState;
class MachineStore;
class MessageSink;
class QMenu;
class QMimeData;
class QSettings;
class QWidget;
class Workflow;

class JobSession final : public QObject {
    Q_OBJECT

public:
    // What the session needs of its window.
    struct Window {
        QWidget* widget = nullptr; // the parent of its boxes, and the one that shows the mark
        MessageSink* messages = nullptr;
        std::function<FileChooser&()> files;
        // Sets the job's machine and lathe against the shop's; false when the user cancelled.
        std::function<bool(const JobDocument&)> takeMachines;
        std::function<void(const QString&)> status;         // a passing word in the status bar
        std::function<void(std::function<QString()>)> note; // a note, worded again on a change
                                                            // of language
    };

    JobSession(FormState& form, Workflow& flow, MachineStore& store, QSettings& settings,
               Window window);

    // The job as it would be saved now.
    JobDocument current() const;
    bool isModified() const;
    // The file's path; empty before the job has one.
    const QString& path() const { return m_path; }
    // The file's name, "m3-z36.zvj"; empty before the job has a file.
    QString fileName() const;
    // The file's name, else "Adsız".
    QString name() const;
    const QString& title() const { return m_title; }
    const QString& note() const { return m_note; }

    // Asks before a modified job is lost; false when the user keeps it.
    bool mayDrop();
    // Starts an empty job, once a modified one may be dropped; false when the user kept it.
    bool newJob();
    // A new job of a drive chosen elsewhere (a catalogue's row): typed and run as Kullan does,
    // its title naming where it came from. Nothing happens when the user keeps the open job.
    void newJobOfDrive(const DesignRow& drive, const DesignAsk& ask,
                       const std::optional<double>& hobAngle, const QString& title);
    // Asks for a job file, then opens it.
    void open();
    // Opens the job file: an unreadable one gives its box and asks nothing; a readable one asks
    // before the job shown is dropped. False when it was not opened.
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    void editInfo();
    void fillRecentMenu(QMenu& menu);
    // A drag of one job file; its drop opens it.
    static bool isJobDrag(const QMimeData& data);
    void drop(const QMimeData& data);

    // Sets the window's mark to the comparison.
    void showMark() const;

signals:
    // The job has another file, or none: the window's title follows.
    void pathChanged();

private:
    JobInfo info() const;
    bool write(const QString& path);
    void remember(const QString& path);
    void takeAsSaved(const QString& path, const QByteArray& bytes, const JobDocument& job);

    FormState& m_form;
    Workflow& m_flow;
    MachineStore& m_store;
    QSettings& m_settings;
    Window m_window;
    QString m_path;      // empty: not saved yet
    QByteArray m_bytes;  // as last read or written, to tell another's change on disk
    JobDocument m_saved; // as last opened or saved
    QString m_title;     // the user's, printed at the sheet's head
    QString m_note;
};
