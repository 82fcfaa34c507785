#pragma once

// What the machine editor's two pages share when they exchange files: asking for a file to
// import and reading it, asking where to export and writing, and the box that says what went
// wrong. The documents folder is where both start.

#include "store/machinefile.h"

#include <QLocale>
#include <QString>

#include <optional>

class QWidget;

// A modal box over `parent`: the text, one OK button, titled "ZORVANDI".
void showEditorBox(QWidget* parent, const QString& text);

// The book of a file the user picks; nothing when none was picked, or after a box that says
// why the file cannot be used.
std::optional<MachineBook> askImport(QWidget* parent, const QString& title, const QLocale& locale);

// Writes the book where the user says, offering `fileName` in the documents folder; a box says
// why when it could not be written.
void askExport(QWidget* parent, const QString& title, const QString& fileName,
               const MachineBook& book);

// "«Tezgâh B» → «Tezgâh B (2)»", a line for each name that an import changed.
QString renamedLine(const QString& before, const QString& after);
