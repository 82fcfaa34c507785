#include "paint/cataloguepainter.h"

#include "paint/sheetpainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <functional>

namespace {

constexpr double lineHeight = 12;
constexpr double bodyTop = 28;
// The drive's column takes the room the figures leave.
constexpr double driveShare = 0.28;

QList<double> columnWidths(int columns, double width) {
    const double drive = width * driveShare;
    const double other = (width - drive) / (columns - 1);
    QList<double> widths(columns, other);
    widths[2] = drive;
    return widths;
}

struct Pager {
    QPainter& p;
    QSizeF page;
    std::function<bool()> newPage;
    const CatalogueTable& table;
    int pages = 0; // 0 while counting
    int number = 1;
    double y = bodyTop;

    void head() {
        paintPageHead(p, table.title, page, number, pages);
        y = bodyTop;
    }
    bool next() {
        if (!newPage()) {
            return false;
        }
        ++number;
        head();
        return true;
    }
    bool room(double needed) { return y + needed <= page.height() || next(); }
    void row(const QStringList& cells, bool bold) {
        p.setFont(paperFont(8, bold));
        const QList<double> widths = columnWidths(int(table.headings.size()), page.width());
        const QFontMetricsF metrics(p.font());
        double x = 0;
        for (int c = 0; c < cells.size() && c < widths.size(); ++c) {
            p.drawText(QPointF(x, y),
                       metrics.elidedText(cells.at(c), Qt::ElideRight, widths.at(c) - 4));
            x += widths.at(c);
        }
        y += lineHeight;
    }
};

int paintPages(QPainter& p, const CatalogueTable& table, const QSizeF& page,
               const std::function<bool()>& newPage, int pages) {
    Pager pager{p, page, newPage, table, pages};
    pager.head();
    p.setFont(paperFont(13, true));
    p.drawText(QPointF(0, pager.y), table.title);
    pager.y += 16;
    p.setFont(paperFont(9));
    for (const QString& line : table.head) {
        p.drawText(QPointF(0, pager.y), line);
        pager.y += lineHeight;
    }
    bool first = true;
    for (const CatalogueTable::Speed& speed : table.speeds) {
        if (!first && !pager.next()) {
            return pager.number;
        }
        first = false;
        pager.y += 6;
        p.setFont(paperFont(11, true));
        p.drawText(QPointF(0, pager.y), speed.title);
        pager.y += 14;
        pager.row(table.headings, true);
        for (const QStringList& row : speed.rows) {
            if (pager.y + lineHeight > page.height()) {
                if (!pager.next()) {
                    return pager.number;
                }
                pager.row(table.headings, true);
            }
            pager.row(row, false);
        }
        for (const QString& foot : speed.foot) {
            if (!pager.room(lineHeight)) {
                return pager.number;
            }
            p.setFont(paperFont(8));
            p.drawText(QPointF(0, pager.y), foot);
            pager.y += lineHeight;
        }
    }
    return pager.number;
}

} // namespace

QPageLayout cataloguePageLayout(const QLocale& locale) {
    QPageLayout layout = sheetPageLayout(locale);
    layout.setOrientation(QPageLayout::Landscape);
    return layout;
}

bool paintCatalogue(QPagedPaintDevice& device, const CatalogueTable& table) {
    return paintCountedPages(
        device, [&table](QPainter& p, const QSizeF& page, const std::function<bool()>& newPage,
                         int pages) { return paintPages(p, table, page, newPage, pages); });
}

std::optional<QString> saveCatalogueAsPdf(const CatalogueTable& table, const QLocale& locale,
                                          const QString& path) {
    return savePdf(path, table.title, cataloguePageLayout(locale),
                   [&table](QPagedPaintDevice& device) { return paintCatalogue(device, table); });
}
