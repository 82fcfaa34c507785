#pragma once

// The catalogue from the command line, without a window: `zorvandi --catalogue [--housings
// 63;80;100] [--ratios 10;20;40] [--speeds 1400;2800] [--worms hobs|standard|new] [--alpha 20]
// (--pdf OUT | --tsv)`, or in its place the selection by motor (`--selection [--motors
// 0,37;0,55] [--service-factor 1,25]`) or a page per housing (`--per-housing`). What is not given
// comes from the choices the catalogue window keeps in the settings (the defaults on a first run);
// the hobs are the machine file's. Here too are those settings, read and kept, for the window and
// the command line alike.

#include "calc/catalogue.h"

#include <QLocale>
#include <QSettings>
#include <QString>
#include <QTextStream>

#include <optional>

// A list typed "63; 80; 100" (semicolons or blanks), every entry a number; nothing when one
// does not read.
std::optional<QList<double>> readNumberList(const QString& text, const QLocale& locale);

struct CatalogueRequest {
    std::optional<QString> housings;
    std::optional<QString> ratios;
    std::optional<QString> speeds;
    std::optional<QString> worms; // hobs, standard or new
    std::optional<QString> alpha; // the profile angle, degrees
    QString pdfOut;               // empty: no PDF
    bool tables = false;
    bool selection = false;               // the selection by motor
    bool perHousing = false;              // a page per housing
    std::optional<QString> motors;        // their powers, kW
    std::optional<QString> serviceFactor; // the least fs listed
};

// 0 when written, 2 with a message naming the option and its range for a bad value or no output
// asked, 1 when the hobs asked for are in a machine file that cannot be used.
int runCatalogue(const CatalogueRequest& request, const QString& configFolder,
                 const QLocale& locale, QTextStream& out, QTextStream& err);
