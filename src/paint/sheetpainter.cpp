#include "paint/sheetpainter.h"

#include <QCoreApplication>

#include "paint/drivedrawing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
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

// A figure's rule goes under its line, in a smaller face, wrapped to the column: never cut.
QFont ruleFont() {
    return sheetFont(8);
}
constexpr double ruleIndent = 10;
constexpr double ruleLineHeight = 10;

QStringList wrappedRule(const QString& rule, double width) {
    if (rule.isEmpty()) {
        return {};
    }
    const QFontMetricsF metrics(ruleFont());
    QStringList rows;
    QString row;
    for (const QString& word : rule.split(QLatin1Char(' '))) {
        const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        if (!row.isEmpty() && metrics.horizontalAdvance(longer) > width - ruleIndent) {
            rows.append(row);
            row = word;
        } else {
            row = longer;
        }
    }
    rows.append(row);
    return rows;
}

double sectionHeight(const SheetSection& section, double width) {
    double height = lineHeight + 2 + lineHeight / 2;
    for (const SheetLine& line : section.lines) {
        height += lineHeight + double(wrappedRule(line.rule, width).size()) * ruleLineHeight;
    }
    return height;
}

// Where a section that runs past the page's foot goes on: the foot, and how to start a page.
struct PageBreak {
    double bottom = 0;
    std::function<bool()> newPage;
    double top = 14;
};

// One section: its heading, then caption and value on one line each, a rule wrapped under its
// line. A line that would run past the foot starts a new page, where the break allows one.
// Returns the next y.
double paintSection(QPainter& p, const SheetSection& section, double x, double y, double width,
                    const PageBreak* pageBreak = nullptr) {
    p.setFont(sheetFont(10, true));
    p.drawText(QPointF(x, y), section.heading);
    y += lineHeight + 2;
    const QFont font = sheetFont(9);
    const QFontMetricsF metrics(font);
    const double valueEnd = x + width - unitWidth - 4;
    for (const SheetLine& line : section.lines) {
        const QStringList rule = wrappedRule(line.rule, width);
        const double height = lineHeight + double(rule.size()) * ruleLineHeight;
        if (pageBreak != nullptr && y + height > pageBreak->bottom && pageBreak->newPage()) {
            y = pageBreak->top;
        }
        p.setFont(font);
        p.drawText(QPointF(x, y), line.caption);
        // A value too long for the room its caption leaves is cut short, never printed over it.
        const double room = valueEnd - x - metrics.horizontalAdvance(line.caption) - valueGap;
        const QString value = metrics.elidedText(line.value, Qt::ElideRight, std::max(room, 0.0));
        p.drawText(QPointF(valueEnd - metrics.horizontalAdvance(value), y), value);
        p.drawText(QPointF(x + width - unitWidth, y), line.unit);
        y += lineHeight;
        p.setFont(ruleFont());
        for (const QString& row : rule) {
            p.drawText(QPointF(x + ruleIndent, y - 2), row);
            y += ruleLineHeight;
        }
    }
    return y + lineHeight / 2;
}

// Whether every caption of the section leaves its value room in a column of `width`.
bool fitsColumn(const SheetSection& section, double width) {
    const QFontMetricsF metrics(sheetFont(9));
    return std::all_of(section.lines.begin(), section.lines.end(), [&](const SheetLine& line) {
        return metrics.horizontalAdvance(line.caption) + valueGap <= width - unitWidth - 60;
    });
}

// The sections beyond the form's, in the right column as long as each fits beside the
// dimensions; the rest go on a page of their own after the drawing. Returns those left.
QList<SheetSection> paintMore(QPainter& p, const JobSheet& sheet, double column, double& right,
                              double leftEnd) {
    QList<SheetSection> left;
    for (const SheetSection& s : sheet.more) {
        if (left.isEmpty() && fitsColumn(s, column) &&
            right + sectionHeight(s, column) <= leftEnd) {
            right = paintSection(p, s, column + columnGap, right, column);
        } else {
            left.append(s);
        }
    }
    return left;
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
    // The user's title and note for this job, under the program's.
    if (!sheet.jobTitle.isEmpty()) {
        y += 13;
        p.setFont(sheetFont(11, true));
        p.drawText(QPointF(0, y), sheet.jobTitle);
    }
    p.setFont(sheetFont(9));
    for (const QString& line : sheet.jobNote.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        y += 11;
        p.drawText(QPointF(0, y), line);
    }
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
    const QList<SheetSection> overflow = paintMore(p, sheet, column, right, leftEnd);
    // Whatever the drawing leaves, the sections that did not fit beside take the next pages.
    const auto paintMoreOnNextPage = [&] {
        if (overflow.isEmpty() || !newPage()) {
            return;
        }
        const PageBreak pageBreak{page.height(), newPage};
        double next = pageBreak.top;
        for (const SheetSection& s : overflow) {
            // A heading keeps at least its first line with it.
            if (next + 2 * lineHeight + 2 > pageBreak.bottom && newPage()) {
                next = pageBreak.top;
            }
            next = paintSection(p, s, 0, next, page.width(), &pageBreak);
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
