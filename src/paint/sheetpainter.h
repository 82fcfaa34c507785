#pragma once

// Paints the job sheet: the title and date, the three sections' lines and the drawing on the
// first page; the sections beyond the form's beside them where they fit, else in the two
// columns of the pages after; every page named and numbered at its head. The printer, the
// print preview and the PDF file all come through paintSheet, so what is previewed is what is
// printed and saved.

#include "calc/jobsheet.h"

#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

// What the sheet's pages and every other printed document's share. The face every page is set
// in, its size in points.
QFont paperFont(int points, bool bold = false);
// A page's head: the document's name at the left, cut short where it would meet "Sayfa k / n"
// at the right.
void paintPageHead(QPainter& p, const QString& name, const QSizeF& page, int number, int pages);
// Paints pages of `page` points (the device's printable area) with a painter that works in
// points, twice: a first run on a picture returns the count (`pages` 0 there, `newPage` always
// true), which the second, on the device, hands in for the heads. False when no painter could
// be started on the device or a page could not be added to it.
using PagePainter = std::function<int(QPainter& p, const QSizeF& page,
                                      const std::function<bool()>& newPage, int pages)>;
bool paintCountedPages(QPagedPaintDevice& device, const PagePainter& paint);

// Paints the sheet on the device's pages, in points from the top left of its printable
// area. Returns false when no painter could be started on the device.
bool paintSheet(QPagedPaintDevice& device, const JobSheet& sheet, const QLocale& locale);

// A4, or Letter where the locale measures in inches, with the same margins on the PDF, the
// preview and the printer, so that the drawing has one scale on all three.
QPageLayout sheetPageLayout(const QLocale& locale);

// Writes the sheet as a PDF at `path`, replacing a file there only once the whole PDF
// is written. Returns the system's reason when it could not be written; then no file and no
// temporary file is left, and an older file of that name is unchanged.
// The one way a document becomes a PDF: painted on a PDF writer of this layout into a file
// saved whole or not at all, as below.
std::optional<QString> savePdf(const QString& path, const QString& title, const QPageLayout& layout,
                               const std::function<bool(QPagedPaintDevice&)>& paint);

std::optional<QString> saveSheetAsPdf(const JobSheet& sheet, const QLocale& locale,
                                      const QString& path);
