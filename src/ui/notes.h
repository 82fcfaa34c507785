#pragma once

// The window's words for what the calculations return: the status bar's notes after a run and
// the trains window's count line. Each is one whole sentence with placeholders and counts
// through %n, so that a translator can reorder it and give every plural its own form.

#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/rating.h"
#include "calc/turnerfigures.h"
#include "calc/wormstarts.h"

#include <QLocale>
#include <QString>

#include <variant>

namespace Notes {

// After the third section: the output gear against the box. `trainsPath` is where the window
// offers the exact trains ("Araçlar → Dişli Dizileri…"), as its menus read.
QString outputGear(const OutputGear& gear, const QString& cdText, const QString& trainsPath,
                   const QLocale& locale);

// After the first section, when Z2 and z1 share a factor.
QString sharedFactor(const SharedFactor& shared, const QLocale& locale);

// The line above the trains: how many there are, or why there are none, and how many exact
// trains were left out because they do not fit.
QString trainCount(const std::variant<TrainSearch, Fault>& trains, const QString& z2Text,
                   const QString& z1Text, const QLocale& locale);

// After the first section, one note for each of the turner's sizes that do not fit together.
QString blankWarning(const BlankWarning& warning, const QLocale& locale);

// After the first section, when the load given in the rating's window is more than the drive
// is rated for at its service factor.
QString overRated(const RatingWarning& warning, const QLocale& locale);

// The button beside a note that has others behind it: "+2 not".
QString moreNotes(int count);

// The machine in use has gone from the file; the built-in one is used instead. A long name
// comes shortened.
QString machineGone(const QString& name);
// The same for the lathe in use.
QString latheGone(const QString& name);

} // namespace Notes
