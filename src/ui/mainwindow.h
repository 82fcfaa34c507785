#pragma once

// The program's main window: the form (FormView) as its central widget, a menu bar for the job
// sheet (save as PDF, print preview, print, copy), the change-gear trains (GearTrainsWindow)
// and the shop's machines (the machine in use, MachinesDialog), and a status bar that says
// whether the output gear of the third section is in the set and which machine is in use. It owns
// the model and the workflow and binds them to widgets; everything it does is handed to the layers
// below it: the sheet's content to src/calc, its painting to src/paint.

#include "flow/workflow.h"
#include "model/formstate.h"
#include "store/machinefile.h"
#include "ui/printservice.h"
#include "ui/translations.h"

#include <QMainWindow>
#include <QSettings>

#include <functional>
#include <memory>
#include <optional>

class FormView;
class GearTrainsWindow;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
struct JobSheet;

class MainWindow final : public QMainWindow, public MessageSink {
    Q_OBJECT

public:
    // `configFolder` is the user's configuration folder, which holds zorvandi/machines.json
    // and zorvandi/zorvandi.conf (the interface's language).
    MainWindow(const QLocale& locale, const QString& configFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    FormState& form() { return m_form; }
    FormView& view() const { return *m_view; }
    QLineEdit* field(FieldId field) const;
    QPushButton* button(ButtonId button) const;

    // A modal box over the window: the text, one OK button, titled "ZORVANDI".
    void showMessage(const QString& text) override;

private:
    void applyWindowFont();
    void buildMenus();

protected:
    void changeEvent(QEvent* event) override;

private:
    QMenu* addLazyMenu(const QList<QAction*>& actions,
                       const std::function<void(QMenu*)>& more = {});
    void retranslate();
    void useLanguage(Language language);
    void loadMachines();
    void showMachineInUse();
    void fillMachineMenu(QMenu& menu);
    void useMachine(const QString& name);
    void editMachines();
    void saveMachines(const MachineBook& book);
    void noteSetAsideFile();
    // The sheet for the form as it stands, or nothing after a box that says which section's
    // button to press first.
    std::optional<JobSheet> currentSheet();
    // The print module, loaded on first use; nothing after a box that says why it is missing.
    PrintService* printService();
    // Paints `sheet`, which must outlive the painter, for the preview and the printer.
    PrintService::Paint sheetPainter(const JobSheet& sheet) const;

    void saveAsPdf();
    void printPreview();
    void print();
    void copyResults();
    void about();
    void showGearTrains();
    void noteCompletedRun(ButtonId button);
    void dropStaleGearNote();

    FormState m_form;
    Workflow m_flow;
    QSettings m_settings;
    Translations m_translations;
    struct {
        QMenu* file = nullptr;
        QMenu* edit = nullptr;
        QMenu* tools = nullptr;
        QMenu* help = nullptr;
        QMenu* machine = nullptr; // made when Araçlar first opens
    } m_menus;
    struct {
        QAction* save = nullptr;
        QAction* preview = nullptr;
        QAction* print = nullptr;
        QAction* quit = nullptr;
        QAction* copy = nullptr;
        QAction* trains = nullptr;
        QAction* machines = nullptr;
        QAction* about = nullptr;
    } m_actions;
    std::function<QString()> m_statusNote; // the note shown, in the interface's language
    FormView* m_view = nullptr;
    std::unique_ptr<PrintService> m_printService;
    GearTrainsWindow* m_gearTrains = nullptr; // a child of the window, made on first use
    MachineFile m_machineFile;
    MachineBook m_book;
    QLabel* m_machineLabel = nullptr; // "Tezgâh: <name>" at the status bar's right
    QString m_setAsideShown;          // the set-aside file that a box has named
    QString m_pdfFolder;              // where the last sheet was saved
    bool m_gearNoteShown = false;
};
