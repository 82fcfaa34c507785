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
    widths[CatalogueTable::driveColumn] = drive;
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
    // A row of figures, each cut to its column; the headings wrap within theirs instead, so
    // that every title stands whole.
    void row(const QStringList& cells, bool headings) {
        p.setFont(paperFont(8, headings));
        const QList<double> widths = columnWidths(int(table.headings.size()), page.width());
        const QFontMetricsF metrics(p.font());
        double x = 0;
        double tallest = lineHeight;
        for (int c = 0; c < cells.size() && c < widths.size(); ++c) {
            if (headings) {
                const QRectF room(x, y - metrics.ascent(), widths.at(c) - 4, page.height());
                const QRectF used = metrics.boundingRect(room, Qt::TextWordWrap, cells.at(c));
                p.drawText(room, Qt::TextWordWrap, cells.at(c));
                tallest = std::max(tallest, used.height() + lineHeight - metrics.height());
            } else {
                p.drawText(QPointF(x, y),
                           metrics.elidedText(cells.at(c), Qt::ElideRight, widths.at(c) - 4));
            }
            x += widths.at(c);
        }
        y += tallest;
    }
    // A line of the head or a foot, wrapped within the page's width.
    void paragraph(const QString& text, int points) {
        p.setFont(paperFont(points));
        const QFontMetricsF metrics(p.font());
        const QRectF room(0, y - metrics.ascent(), page.width(), page.height());
        const QRectF used = metrics.boundingRect(room, Qt::TextWordWrap, text);
        p.drawText(room, Qt::TextWordWrap, text);
        y += used.height() + lineHeight - metrics.height();
    }
};

int paintPages(QPainter& p, const CatalogueTable& table, const QSizeF& page,
               const std::function<bool()>& newPage, int pages) {
    Pager pager{p, page, newPage, table, pages};
    pager.head();
    p.setFont(paperFont(13, true));
    p.drawText(QPointF(0, pager.y), table.title);
    pager.y += 16;
    for (const QString& line : table.head) {
        pager.paragraph(line, 9);
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
            pager.paragraph(foot, 8);
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
