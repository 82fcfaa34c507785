#pragma once

// The "Katalog" tool window: the shop's choices at the top, in pairs of columns so that the table
// keeps most of a small screen (housings, ratios, speeds, the worms, the tolerance, the casting,
// the profile angle, the service factor, the ambient, a fan, the oil limit; kept in the
// settings) and one table, a row a housing and ratio with its real ratio and drive, which stay
// in view as the speeds scroll, and, for each speed, n2, η, T2, P1, P1,th, the mechanical T2 and
// the limit that governs; or, as the layout chosen, the selection by motor (the motors' powers and
// the least fs kept too) or a page per housing, a row each after its page's title; sortable, made
// anew as the choices change, and copied as the sheet's TSV table. A double-click opens the row's
// drive as a new job, typed as the design's Kullan does. Its sheet is printed, previewed and saved
// by the main window, which the window asks through its signals. Non-modal, made on first use.

#include "calc/cataloguetable.h"
#include "calc/selection.h"
#include "ui/toolwindow.h"

#include <QSettings>

class FrozenColumns;
class MachineStore;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CatalogueWindow final : public ToolWindow {
    Q_OBJECT

public:
    CatalogueWindow(Workflow& flow, const MachineStore& store, QSettings& settings,
                    QWidget* parent = nullptr);

    // The shop's hobs may have changed in the editor.
    void followHobs() { refreshIfShown(); }

signals:
    // A row's drive, to open as a new job.
    void driveChosen(const DesignRow& drive, const DesignAsk& ask,
                     const std::optional<double>& hobAngle, const QString& title);
    void printAsked(const CatalogueTable& table);
    void previewAsked(const CatalogueTable& table);
    void pdfAsked(const CatalogueTable& table);

protected:
    void retranslate() override;
    void refresh() override;
    bool follows(FieldId /*field*/) const override { return false; }

private:
    enum class Layout { Rating, Selection, PerHousing };

    std::variant<CatalogueAsk, QString> takeAsk() const;
    std::variant<SelectionAsk, QString> takeSelection() const;
    CatalogueTable currentTable() const;
    void showCatalogue();
    void showPages(const CatalogueTable& table);
    void fillRow(int row, const CatalogueCell& cell, int index);
    void openChosen(int row);
    void copyTable();
    void ask(void (CatalogueWindow::*signal)(const CatalogueTable&));

    const MachineStore& m_store;
    QSettings& m_settings;
    QGridLayout* m_inputs = nullptr;
    QList<QLabel*> m_labels; // the choices' captions, in their order
    QLineEdit* m_housings = nullptr;
    QLineEdit* m_ratios = nullptr;
    QLineEdit* m_speeds = nullptr;
    QComboBox* m_worms = nullptr; // in WormChoice order
    QLineEdit* m_tolerance = nullptr;
    QComboBox* m_casting = nullptr; // in Casting order
    QLineEdit* m_serviceFactor = nullptr;
    QLineEdit* m_ambient = nullptr;
    QCheckBox* m_fan = nullptr;
    QLineEdit* m_sumpLimit = nullptr;
    QLineEdit* m_profileAngle = nullptr;
    QLineEdit* m_motors = nullptr;
    QLineEdit* m_leastFactor = nullptr;
    QComboBox* m_poles = nullptr;  // the motors' poles, each item's data
    QComboBox* m_layout = nullptr; // in Layout order
    QLabel* m_layoutLabel = nullptr;
    QLabel* m_message = nullptr;
    QTableWidget* m_table = nullptr;
    FrozenColumns* m_frozen = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_pdf = nullptr;
    QPushButton* m_copy = nullptr;
    std::optional<CatalogueAsk> m_ask;
    Catalogue m_catalogue;
    SelectionAsk m_selection;
};
