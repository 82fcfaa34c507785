#pragma once

// The kinds of entry the machine editor lists, each a page of its own over NamedListPage: the
// hobbing machines (machinekind.cpp) and the lathes (lathekind.cpp).

#include "ui/namedlistpage.h"

#include <QLocale>

#include <memory>

std::unique_ptr<EntryKind> makeMachineKind(const QList<Machine>& machines, const QLocale& locale);
std::unique_ptr<EntryKind> makeLatheKind(const QList<Lathe>& lathes, const QLocale& locale);

// "«Tezgâh B» → «Tezgâh B (2)»", a line for each name that an import changed.
QString renamedLine(const QString& before, const QString& after);
