#include "paint/sheetpainter.h"

#include <QCoreApplication>

#include "paint/drivedrawing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

namespace {

constexpr double lineHeight = 13;
constexpr double columnGap = 18;
constexpr double unitWidth = 40; // "d/dk", "-12° 08′"
constexpr double valueGap = 8;   // the least room between a caption and its value

QFont sheetFont(int points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    // The painter works in points, so a pixel here is a point on paper.
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}

// One section: its heading, then caption and value on one line each. Returns the next y.
double paintSection(QPainter& p, const SheetSection& section, double x, double y, double width) {
    p.setFont(sheetFont(10, true));
    p.drawText(QPointF(x, y), section.heading);
    y += lineHeight + 2;
    p.setFont(sheetFont(9));
    const QFontMetricsF metrics(p.font());
    // Figures with rules keep the right half of the width for them.
    const bool rules = std::any_of(section.lines.begin(), section.lines.end(),
                                   [](const SheetLine& line) { return !line.rule.isEmpty(); });
    const double columnsWidth = rules ? width / 2 : width;
    const double valueEnd = x + columnsWidth - unitWidth - 4;
    for (const SheetLine& line : section.lines) {
        p.drawText(QPointF(x, y), line.caption);
        // A value too long for the room its caption leaves is cut short, never printed over it.
        const double room = valueEnd - x - metrics.horizontalAdvance(line.caption) - valueGap;
        const QString value = metrics.elidedText(line.value, Qt::ElideRight, std::max(room, 0.0));
        p.drawText(QPointF(valueEnd - metrics.horizontalAdvance(value), y), value);
        p.drawText(QPointF(x + columnsWidth - unitWidth, y), line.unit);
        if (!line.rule.isEmpty()) {
            p.drawText(QPointF(x + columnsWidth + 4, y),
                       metrics.elidedText(line.rule, Qt::ElideRight, width - columnsWidth - 4));
        }
        y += lineHeight;
    }
    return y + lineHeight / 2;
}

double sectionHeight(const SheetSection& section) {
    return lineHeight + 2 + double(section.lines.size()) * lineHeight + lineHeight / 2;
}

// The sections beyond the form's: in the right column when they fit beside the dimensions,
// else on a page of their own after the drawing. Returns whether they took a page.
bool paintMore(QPainter& p, const JobSheet& sheet, double column, double& right, double leftEnd) {
    double height = 0;
    const QFontMetricsF metrics(sheetFont(9));
    for (const SheetSection& s : sheet.more) {
        height += sectionHeight(s);
        for (const SheetLine& line : s.lines) {
            // A line too long for the column goes where it has the page's width.
            if (!line.rule.isEmpty() ||
                metrics.horizontalAdvance(line.caption) + valueGap > column - unitWidth - 60) {
                return false;
            }
        }
    }
    if (right + height > leftEnd) {
        return false;
    }
    for (const SheetSection& s : sheet.more) {
        right = paintSection(p, s, column + columnGap, right, column);
    }
    return true;
}

void paintPage(QPainter& p, const JobSheet& sheet, const QLocale& locale, const QSizeF& page,
               const std::function<bool()>& newPage) {
    double y = 14;
    p.setFont(sheetFont(13, true));
    p.drawText(QPointF(0, y), sheet.title);
    y += 16;
    p.setFont(sheetFont(9));
    p.drawText(QPointF(0, y),
               QCoreApplication::translate("JobSheet", "ZORVANDI iş kağıdı, %1").arg(sheet.madeAt));
    y += 8;
    p.setPen(QPen(Qt::black, 0.6));
    p.drawLine(QPointF(0, y), QPointF(page.width(), y));
    y += lineHeight + 6;

    // The dimensions on the left; the hob angles and the change gears on the right.
    const double column = (page.width() - columnGap) / 2;
    const double leftEnd = paintSection(p, sheet.sections[0], 0, y, column);
    double right = y;
    for (std::size_t i = 1; i < sheet.sections.size(); ++i) {
        right = paintSection(p, sheet.sections.at(i), column + columnGap, right, column);
    }
    const bool morePainted = paintMore(p, sheet, column, right, leftEnd);
    // Whatever the drawing leaves, the sections beyond the form's take the next page.
    const auto paintMoreOnNextPage = [&] {
        if (morePainted || sheet.more.isEmpty() || !newPage()) {
            return;
        }
        double next = 14;
        for (const SheetSection& s : sheet.more) {
            next = paintSection(p, s, 0, next, page.width());
        }
    };
    y = std::max(leftEnd, right) + 4;
    p.drawLine(QPointF(0, y), QPointF(page.width(), y));
    y += lineHeight + 4;

    p.setFont(sheetFont(10, true));
    const QRectF area(0, y + 8, page.width(), page.height() - y - 8);
    const std::optional<DrawingLayout> layout =
        sheet.drive ? layoutDrawing(*sheet.drive, area) : std::nullopt;
    if (!sheet.drive) {
        p.drawText(QPointF(0, y),
                   QCoreApplication::translate("JobSheet", "ÇİZİM: bu ölçülerle çizilemiyor"));
    } else if (!layout) {
        p.drawText(QPointF(0, y), QCoreApplication::translate(
                                      "JobSheet", "ÇİZİM: bu ölçüler 1:10000 ölçeğinde bile "
                                                  "sayfaya sığmıyor"));
    } else {
        p.drawText(QPointF(0, y), QCoreApplication::translate("JobSheet", "ÇİZİM (%1)")
                                      .arg(scaleCaption(layout->paperPerMm, locale)));
        p.setFont(sheetFont(7));
        paintDrawing(p, *sheet.drive, *layout);
    }
    paintMoreOnNextPage();
}

} // namespace

QPageLayout sheetPageLayout(const QLocale& locale) {
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return {QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter};
}

bool paintSheet(QPagedPaintDevice& device, const JobSheet& sheet, const QLocale& locale) {
    QPainter p;
    if (!p.begin(&device)) {
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    // Work in points, whatever the device's resolution.
    p.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    paintPage(p, sheet, locale, device.pageLayout().paintRect(QPageLayout::Point).size(),
              [&device] { return device.newPage(); });
    return p.end();
}

std::optional<QString> saveSheetAsPdf(const JobSheet& sheet, const QLocale& locale,
                                      const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(sheet.title);
        pdf.setCreator(QStringLiteral("ZORVANDI"));
        pdf.setPageLayout(sheetPageLayout(locale));
        if (!paintSheet(pdf, sheet, locale)) {
            file.cancelWriting();
            return QCoreApplication::translate("JobSheet", "PDF oluşturulamadı");
        }
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}
