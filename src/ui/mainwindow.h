#pragma once

// The program's main window: the form (FormView) as its central widget, a menu bar for the job
// sheet (save as PDF, print preview, print, copy) and the change-gear trains (GearTrainsWindow),
// and a status bar that says whether the output gear of the third section is in the set. It owns
// the model and the workflow and binds them to widgets; everything it does is handed to the layers
// below it: the sheet's content to src/calc, its painting to src/paint.

#include "flow/workflow.h"
#include "model/formstate.h"
#include "ui/printservice.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class FormView;
class GearTrainsWindow;
class QAction;
class QLineEdit;
class QPushButton;
struct JobSheet;

class MainWindow final : public QMainWindow, public MessageSink {
    Q_OBJECT

public:
    explicit MainWindow(const QLocale& locale, QWidget* parent = nullptr);
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
    void addLazyMenu(const QString& title, const QList<QAction*>& actions);
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
    FormView* m_view = nullptr;
    std::unique_ptr<PrintService> m_printService;
    GearTrainsWindow* m_gearTrains = nullptr; // a child of the window, made on first use
    QString m_pdfFolder;                      // where the last sheet was saved
    bool m_gearNoteShown = false;
};
