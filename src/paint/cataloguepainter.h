#pragma once

// Paints the catalogue: landscape A4 (Letter where the locale measures in inches), the shop's
// choices and the method at the head of the first page, then each speed's table from a page of
// its own, its headings repeated on every page it runs on, and the reasons for the rows without
// a drive at its foot; every page named and numbered at its head. The printer, the preview and
// the PDF come through paintCatalogue.

#include "calc/cataloguetable.h"

#include <QPageLayout>

#include <optional>

class QPagedPaintDevice;

QPageLayout cataloguePageLayout(const QLocale& locale);
bool paintCatalogue(QPagedPaintDevice& device, const CatalogueTable& table);
std::optional<QString> saveCatalogueAsPdf(const CatalogueTable& table, const QLocale& locale,
                                          const QString& path);
