#pragma once

// What the window tests share: a window opened on a configuration folder of its own (no machine
// file, no saved language), typing and clicking as a user does, and the modal boxes and
// dialogs that a step opens, answered in turn. Each feature's tests derive from WindowTest.

#include "ui/filechooser.h"
#include "ui/formview.h"
#include "ui/mainwindow.h"

#include "formtesting.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

struct Box {
    QString title;
    QString text;
    int buttons = 0;
};

inline QString s(const char* text) {
    return QString::fromUtf8(text);
}

// Presses the box's button of that text.
inline std::function<void(QWidget*)> press(const QString& text) {
    return [text](QWidget* modal) {
        for (QAbstractButton* b : qobject_cast<QMessageBox*>(modal)->buttons()) {
            if (b->text() == text) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(text));
    };
}

class QMenu;

// Answers the window's file questions with the paths it was given, in turn, as a user would pick
// them; an empty path, or none left, is a cancel.
class ScriptedFiles final : public FileChooser {
public:
    explicit ScriptedFiles(QStringList paths)
        : m_paths(std::move(paths)) {}
    QString openFile(QWidget* /*parent*/, const QString& /*title*/, const QString& /*folder*/,
                     const QString& /*filter*/) override {
        return next();
    }
    QString saveFile(QWidget* /*parent*/, const QString& /*title*/, const QString& /*suggested*/,
                     const QString& /*filter*/, const QString& /*suffix*/) override {
        return next();
    }

private:
    QString next() { return m_paths.isEmpty() ? QString() : m_paths.takeFirst(); }
    QStringList m_paths;
};

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

protected:
    void open(const QLocale& locale);
    QLineEdit* field(FieldId id) const { return m_window->field(id); }
    QPushButton* button(ButtonId id) const { return m_window->button(id); }
    void type(FieldId id, const QString& text);
    // Clears the field and types the text.
    void retype(FieldId id, const QString& text);
    // Clicks the button and closes the modal box it opens, if any.
    std::optional<Box> clickAndCloseBox(ButtonId id);
    // The three sections, m 3, da1 66, N1 1440 and AÇI 3 with the tooth count and input gear.
    void runTypicalJob(const QString& z2 = QStringLiteral("36"),
                       const QString& gear = QStringLiteral("48"));
    // Runs `act`; each modal window that opens meanwhile goes, in turn, to the next handler.
    // Returns the class names of the modal windows that opened.
    QStringList answerModals(const std::function<void()>& act,
                             QList<std::function<void(QWidget*)>> handlers);
    // Whether an output field is drawn in the disabled text colour, as a stale result is.
    bool greyed(FieldId id) const;
    // Araçlar → Tezgâh, filled as when it opens.
    QMenu* machineMenu() const;
    // Writes the machine file as a user or another program would.
    void writeMachineFile(const QByteArray& bytes);
    QByteArray machineFileBytes() const;
    // Opens Araçlar → Tezgâhlar…, lets `edit` work in it, then presses OK; the files the editor
    // asks for are `files`, in turn.
    void editMachines(const std::function<void(QWidget*)>& edit, const QStringList& files = {});
    // Presses the keys as a user does, with the focus in `m_t`, where it nearly always is.
    void pressInField(Qt::Key key, Qt::KeyboardModifiers modifiers);
    // The window's modified mark, once the event loop has had its turn, as on a screen.
    bool marked() const;
    // A key of zorvandi.conf as the window left it.
    QVariant setting(const QString& key) const;

    QTemporaryDir m_config; // the user's configuration folder
    std::unique_ptr<MainWindow> m_window;
};
