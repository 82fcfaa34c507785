#pragma once

// The catalogue's content as its sheet, its copy and the command line give it: the shop's
// choices at the head, the method and the rule the drives were chosen by, then a table a speed,
// a row a housing and ratio (nominal and real); a cell without a drive, or a speed without
// figures, reads "—" and its reason stands at the table's foot. The painting is src/paint's
// (cataloguepainter.h), the window's table its own.

#include "calc/catalogue.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

struct CatalogueTable {
    QString title;
    QStringList head; // the shop's choices, the method, the rule, one a line
    QStringList headings;
    static constexpr int driveColumn = 3; // after a, i and the real ratio; the widest
    struct Speed {
        QString title; // "N1 = 1400 d/dk"
        QList<QStringList> rows;
        QStringList foot; // why a row has no drive
    };
    QList<Speed> speeds;
};

CatalogueTable catalogueTable(const Catalogue& catalogue, const CatalogueAsk& ask,
                              const QLocale& locale);
// The head every table of the catalogue opens with: the shop's choices, the method and the rule.
QStringList catalogueHead(const CatalogueAsk& ask, const QLocale& locale);
// The columns every table of the catalogue opens with, up to the drive's (driveColumn): the
// housing, the nominal ratio, the real one and the drive, "—" for both without a drive.
QStringList leadingHeadings();
QStringList leadingCells(double centreDistance, double ratio, const std::optional<DesignRow>& drive,
                         const QLocale& locale);
// The copy: the head, then each speed's title, headings and rows, tab-separated.
QString catalogueTsv(const CatalogueTable& table);

// A cell's words, for the table and the window alike.
QString driveText(const DesignRow& drive, const QLocale& locale); // "m 4, z1 2, Z2 40, d1 40"
QString governsText(Governs governs);
QString wormChoiceName(WormChoice worms);
// What an input of the catalogue must be, naming it as the caller does ("«GÖVDELER»" in the
// window, "--housings" on the command line) with its own range.
QString catalogueRuleText(CatalogueInput input, const QString& name, const QLocale& locale);
