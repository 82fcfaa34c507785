#pragma once

// The standard worms the design may choose from when the shop's own hobs do not serve: a table
// of recommended module and pitch-diameter pairs, kept as data in standardworms.cpp and named
// by standardWormsSource() wherever it is used, so that a shop working to another table
// replaces that one list.

#include <QList>
#include <QString>

struct StandardWorm {
    double module = 0; // m, mm
    double d1 = 0;     // pitch diameter, mm
};

QList<StandardWorm> standardWorms();
// The table's name, for the window and the sheet.
QString standardWormsSource();
