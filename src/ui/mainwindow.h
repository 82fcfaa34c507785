#pragma once

// The program's main window: the form (FormView) as its central widget (in a scroll area on a
// screen too small for it), a menu
// bar for the job sheet (save as PDF, print preview, print, copy), the change-gear trains
// (GearTrainsWindow) and the shop's machines (the machine in use, MachinesDialog), and a status
// bar with a note on the last run and the machine in use. It owns the model, the workflow and
// the machine store and binds them to widgets; everything it does is handed to the layers below
// it: the sheet's content to src/calc, its painting to src/paint, the machine file to
// src/store (its glue here in mainwindowmachines.cpp), the open job to JobSession. The notes
// follow the workflow's one signal for what is current, so a note never outlives the run it
// speaks of.

#include "flow/workflow.h"
#include "model/formstate.h"
#include "store/jobfile.h"
#include "store/machinestore.h"
#include "ui/machinesdialog.h"
#include "ui/printservice.h"
#include "ui/translations.h"

#include <QMainWindow>
#include <QSettings>

#include <functional>
#include <memory>
#include <optional>

class FileChooser;
class FormView;
class GearTrainsWindow;
class JobSession;
class LatheWindow;
class TurnerWindow;
class RatingWindow;
class CatalogueWindow;
struct CatalogueTable;
class DesignWindow;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
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

    // Where the window asks for files from now on: the platform's dialogs unless a test puts in
    // another.
    void setFileChooser(std::unique_ptr<FileChooser> files);

    // Opens the job file, after asking about a modified job; false when it was not opened (a
    // box said why, or the user kept the job they had).
    bool openJobFile(const QString& path);

private:
    void applyWindowFont();
    void buildMenus();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QMenu* addLazyMenu(const QList<QAction*>& actions,
                       const std::function<void(QMenu*)>& more = {});
    void retranslate();
    void useLanguage(Language language);
    void loadMachines();
    void followMachines();
    void refuseChangedFile(const FileFault& fault);
    void sayWrittenGone(const WrittenGone& gone);
    void showMachineInUse();
    void fillMachineMenu(QMenu& menu);
    void fillLatheMenu(QMenu& menu);
    void useLathe(const QString& name);
    void showLatheWindow();
    void showTurnerWindow();
    void showRatingWindow();
    void showDesignWindow();
    void showCatalogueWindow();
    // The catalogue's sheet, as its window asks for it.
    void printCatalogue(const CatalogueTable& table, bool preview);
    void saveCatalogueAsPdf(const CatalogueTable& table);
    // The lathes, the hobs or the lathe chosen changed: the tool windows that show them follow.
    void followBook();
    void useMachine(const QString& name);
    void editMachines();
    // Saves the editor's machines; the words of the box that keeps the editor open otherwise.
    std::optional<QString> saveMachines(const MachineBook& book, const QString& chosen,
                                        const QString& chosenLathe);
    // Writes an export; one onto the machine file itself goes through the store's write rule
    // and keeps the machine and lathe in use that the editor's pages track.
    MachinesDialog::Exported exportMachineBook(const MachineBook& book, const QString& path,
                                               const QString& chosen, const QString& chosenLathe);
    // The form as the window's centre, in a scroll area where the screen is too small for it.
    void placeForm();
    // The sheet for the form as it stands, or nothing after a box that says which section's
    // button to press first.
    std::optional<JobSheet> currentSheet();
    // The print module, loaded on first use; nothing after a box that says why it is missing.
    PrintService* printService();
    // Paints `sheet`, which must outlive the painter, for the preview and the printer.
    PrintService::Paint sheetPainter(const JobSheet& sheet) const;
    // Where "PDF Olarak Kaydet…" offers to save, which printing to a file offers too.
    QString suggestedSheetPdf() const;
    QString suggestedCataloguePdf() const;

    void saveAsPdf();
    void showJobName();
    // The job's machine and lathe against the shop's: the one of that name and definition is
    // used; else the user adds the job's to the shop's file or keeps the one in use, or cancels
    // the opening (false).
    bool takeJobMachines(const JobDocument& job);
    void printPreview();
    void print();
    void copyResults();
    void about();
    void showGearTrains();
    void noteCompletedRun(ButtonId button);
    // What a complete first section leaves to say, in order.
    QList<std::function<QString()>> dimensionNotes() const;
    void followSectionState(ButtonId section, SectionState state);
    // Shows notes in the status bar, the first in it and the others one click from it (the
    // notes button, which lists them all); notes that belong to a section go when the section
    // stops being current. Each text words it again after a change of language.
    void showNotes(std::optional<ButtonId> section, QList<std::function<QString()>> texts);
    void showNote(std::optional<ButtonId> section, std::function<QString()> text);
    void listNotes();
    // Where the exact trains are, as the menus read now: "Araçlar → Dişli Dizileri…".
    QString trainsMenuPath() const;

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
        QMenu* lathe = nullptr;   // likewise
        QMenu* recent = nullptr;  // made when Dosya first opens
    } m_menus;
    struct {
        QAction* newJob = nullptr;
        QAction* open = nullptr;
        QAction* saveJob = nullptr;
        QAction* saveJobAs = nullptr;
        QAction* jobInfo = nullptr;
        QAction* pdf = nullptr; // the sheet as PDF
        QAction* preview = nullptr;
        QAction* print = nullptr;
        QAction* quit = nullptr;
        QAction* copy = nullptr;
        QAction* trains = nullptr;
        QAction* lathe = nullptr;
        QAction* turner = nullptr;
        QAction* rating = nullptr;
        QAction* design = nullptr;
        QAction* catalogue = nullptr;
        QAction* machines = nullptr;
        QAction* about = nullptr;
    } m_actions;
    struct {
        std::optional<ButtonId> section;
        QList<std::function<QString()>> texts;
    } m_note; // the notes shown, in the interface's language
    FormView* m_view = nullptr;
    std::unique_ptr<PrintService> m_printService;
    GearTrainsWindow* m_gearTrains = nullptr; // a child of the window, made on first use
    LatheWindow* m_lathe = nullptr;           // likewise
    TurnerWindow* m_turner = nullptr;         // likewise
    RatingWindow* m_rating = nullptr;         // likewise
    DesignWindow* m_design = nullptr;         // likewise
    CatalogueWindow* m_catalogue = nullptr;   // likewise
    MachineStore m_store;
    DiskState m_editorBasis; // what the open editor's copy was made from
    std::unique_ptr<FileChooser> m_files;
    QLabel* m_machineLabel = nullptr;   // "Tezgâh: <name>" at the status bar's right
    QToolButton* m_moreNotes = nullptr; // "+2 not": every note of the run, one click away
    QString m_pdfFolder;                // where the last sheet was saved
    JobSession* m_job = nullptr;        // the job as a document, a child of the window
};
