#pragma once

// What the tool windows beside the form share: each follows the form's fields as they are
// typed, the workflow's one signal for what is current and the interface's language, once,
// here. While a section a window reads is not current, its figures are grey and a line above
// them says which button to press; a job no shop can make is refused with the words the sheet
// uses. A grey window shows the figures of the last complete run, every one of them, never a
// mix of that run and the fields typed since. A language change retranslates a window at once,
// shown or hidden; a hidden window computes nothing and catches up when it is next shown.

#include "flow/workflow.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QTableWidget;

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // `reads`: the sections whose results the window's figures come from.
    ToolWindow(Workflow& flow, QList<ButtonId> reads, QWidget* parent = nullptr);

protected:
    // The window's fixed texts in the interface's language.
    virtual void retranslate() = 0;
    // Its figures from the form as it stands.
    virtual void refresh() = 0;
    // Whether a change of the field changes its figures.
    virtual bool follows(FieldId field) const = 0;

    Workflow& flow() const { return m_flow; }
    FormState& form() const { return m_flow.form(); }
    // The line that says which section to calculate again; the window places it.
    QLabel* staleLine() const { return m_staleLine; }
    // The widget whose figures go grey while a section is not current.
    void setFigures(QWidget* figures);
    // The form whose figures the window shows: while a section it reads is stale, the fields
    // as the first such section's last complete run left them; else the form as it stands.
    const FormState& shown() const;
    // The title: the window's name and the drive shown, or the name alone while m or Z2 is empty.
    void nameDrive(const QString& name, bool withStarts = true);
    // Why the job on the form, as it stands, is none a shop can make, as the sheet says it;
    // nothing when it can be made.
    std::optional<QString> unmakeable() const;
    // Fills a table of figures, a row each: name, value (right-aligned), unit and rule.
    static void showFigureRows(QTableWidget& table, const QList<QStringList>& rows);
    // The start of a table window's refresh: the title named, the table and warnings emptied,
    // and a job no shop can make refused in the message; false when it is refused.
    bool beginFigures(const QString& name, QTableWidget& table, QLabel& warnings, QLabel& message);
    // Refreshes now if shown, else at the next show.
    void refreshIfShown();
    // The size the window opens at, made smaller where the screen's available area is, frame
    // and title bar included, and placed within that area.
    void setOpeningSize(const QSize& wanted) { m_opening = wanted; }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followField(FieldId field);
    void showStaleness();
    void fitScreen();

    Workflow& m_flow;
    QList<ButtonId> m_reads;
    QuietSink m_quiet;
    std::unique_ptr<FormState> m_run; // the last complete run's fields, while stale
    bool m_stale = false;
    QLabel* m_staleLine = nullptr;
    QWidget* m_figures = nullptr;
    QSize m_opening;
    bool m_placed = false;
};
