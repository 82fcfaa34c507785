#pragma once

// Finds and loads the print module, only ever relative to the running program: in its library
// folder when installed (<libdir>/zorvandi), next to it in a build tree. No path from the build
// goes into the program, so an installed program never loads a library from where it was built.

#include "ui/printservice.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

struct PrintModuleLoad {
    std::unique_ptr<PrintService> service; // nothing when no place held a module that loaded
    QString path;                          // where it was loaded from
    QStringList failures;                  // a sentence for each place tried, with its reason
};

// The places the module is looked for, in order, for a program in `programDir`.
QStringList printModulePlaces(const QString& programDir);

PrintModuleLoad loadPrintModule(const QString& programDir, const QPageLayout& layout);
