#include "paint/sheetpainter.h"

#include <QCoreApplication>

#include "paint/drivedrawing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr double lineHeight = 13;
constexpr double columnGap = 18;
constexpr double unitWidth = 40; // "d/dk", "-12° 08′"
constexpr double valueGap = 8;   // the least room between a caption and its value

QFont sheetFont(int points, bool bold = false) {
    return paperFont(points, bold);
}

// A figure's rule goes under its line, in a smaller face, wrapped to the column: never cut.
QFont ruleFont() {
    return sheetFont(8);
}
constexpr double ruleIndent = 10;
constexpr double ruleLineHeight = 10;

// Words wrapped to `width` in the font of `metrics`; a word longer than the width stands alone.
QStringList wrapWords(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList rows;
    QString row;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        if (!row.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            rows.append(row);
            row = word;
        } else {
            row = longer;
        }
    }
    rows.append(row);
    return rows;
}

QStringList wrappedRule(const QString& rule, double width) {
    if (rule.isEmpty()) {
        return {};
    }
    return wrapWords(rule, QFontMetricsF(ruleFont()), width - ruleIndent);
}

// At most `most` rows of the text wrapped to the width, the last ending in "…" where some are
// left out: the job keeps the whole text, the sheet a few lines of it.
QStringList shortened(const QStringList& paragraphs, const QFont& font, double width, int most) {
    const QFontMetricsF metrics(font);
    QStringList rows;
    for (const QString& paragraph : paragraphs) {
        rows += wrapWords(paragraph, metrics, width);
    }
    for (QString& row : rows) { // a word wider than the page, say
        row = metrics.elidedText(row, Qt::ElideRight, width);
    }
    if (rows.size() > most) {
        rows = rows.mid(0, most);
        rows.last() = metrics.elidedText(rows.last() + QStringLiteral(" …"), Qt::ElideRight, width);
        if (!rows.last().endsWith(QStringLiteral("…"))) {
            rows.last() += QStringLiteral(" …");
        }
    }
    return rows;
}

constexpr int titleRowsShown = 3;
constexpr int noteRowsShown = 4;

// Where lines go: x and y of the next line in a column of `width`, and how to move on to the
// next column or page when the foot is reached (false when the device has no more pages).
struct Cursor {
    double x = 0;
    double y = 0;
    double width = 0;
    double bottom = 0;
    std::function<bool(Cursor&)> next = {};
};

// One section: its heading, then caption and value on one line each, a rule wrapped under its
// line. A line that would run past the foot moves on with the cursor, and a heading keeps its
// first line with it. Leaves the cursor under the section.
void paintSection(QPainter& p, const SheetSection& section, Cursor& at) {
    const auto room = [&at](double height) {
        if (at.y + height > at.bottom && at.next) {
            at.next(at);
        }
    };
    const double first =
        section.lines.isEmpty()
            ? 0
            : lineHeight + double(wrappedRule(section.lines.constFirst().rule, at.width).size()) *
                               ruleLineHeight;
    room(lineHeight + 2 + first);
    p.setFont(sheetFont(10, true));
    p.drawText(QPointF(at.x, at.y), section.heading);
    at.y += lineHeight + 2;
    const QFont font = sheetFont(9);
    const QFontMetricsF metrics(font);
    for (const SheetLine& line : section.lines) {
        const QStringList rule = wrappedRule(line.rule, at.width);
        room(lineHeight + double(rule.size()) * ruleLineHeight);
        const double valueEnd = at.x + at.width - unitWidth - 4;
        p.setFont(font);
        p.drawText(QPointF(at.x, at.y), line.caption);
        // A value too long for the room its caption leaves is cut short, never printed over it.
        const double left = valueEnd - at.x - metrics.horizontalAdvance(line.caption) - valueGap;
        const QString value = metrics.elidedText(line.value, Qt::ElideRight, std::max(left, 0.0));
        p.drawText(QPointF(valueEnd - metrics.horizontalAdvance(value), at.y), value);
        p.drawText(QPointF(at.x + at.width - unitWidth, at.y), line.unit);
        at.y += lineHeight;
        p.setFont(ruleFont());
        for (const QString& row : rule) {
            p.drawText(QPointF(at.x + ruleIndent, at.y - 2), row);
            at.y += ruleLineHeight;
        }
    }
    at.y += lineHeight / 2;
}

double sectionHeight(const SheetSection& section, double width) {
    double height = lineHeight + 2 + lineHeight / 2;
    for (const SheetLine& line : section.lines) {
        height += lineHeight + double(wrappedRule(line.rule, width).size()) * ruleLineHeight;
    }
    return height;
}

// Whether every caption of the section leaves its whole value room in a column of `width`.
bool fitsColumn(const SheetSection& section, double width) {
    const QFontMetricsF metrics(sheetFont(9));
    return std::all_of(section.lines.begin(), section.lines.end(), [&](const SheetLine& line) {
        return metrics.horizontalAdvance(line.caption) + valueGap +
                   metrics.horizontalAdvance(line.value) <=
               width - unitWidth - 4;
    });
}

// Each page is named at its head: the job's title, else its file, else "Adsız"; and its number.
QString pageName(const JobSheet& sheet) {
    if (!sheet.jobTitle.trimmed().isEmpty()) {
        return sheet.jobTitle.simplified();
    }
    return sheet.fileName.isEmpty() ? QCoreApplication::translate("JobSheet", "Adsız")
                                    : sheet.fileName;
}

constexpr double headHeight = 14;
// Where a page's own lines start, under its head.
constexpr double bodyTop = headHeight + 14;

// The program's title and date, the user's title and note, and the rule under them; a long
// title wraps, a long note is cut short, so that the sections always keep their room. Returns
// the y the sections start at.
double paintSheetHead(QPainter& p, const JobSheet& sheet, const QSizeF& page) {
    double y = bodyTop;
    p.setFont(sheetFont(13, true));
    p.drawText(QPointF(0, y), sheet.title);
    y += 16;
    p.setFont(sheetFont(9));
    p.drawText(QPointF(0, y),
               QCoreApplication::translate("JobSheet", "ZORVANDI iş kağıdı, %1").arg(sheet.madeAt));
    for (const QString& row : shortened({sheet.jobTitle.simplified()}, sheetFont(11, true),
                                        page.width(), titleRowsShown)) {
        if (row.isEmpty()) {
            continue;
        }
        y += 13;
        p.setFont(sheetFont(11, true));
        p.drawText(QPointF(0, y), row);
    }
    p.setFont(sheetFont(9));
    for (const QString& row : shortened(sheet.jobNote.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                                        sheetFont(9), page.width(), noteRowsShown)) {
        y += 11;
        p.drawText(QPointF(0, y), row);
    }
    y += 8;
    p.setPen(QPen(Qt::black, 0.6));
    p.drawLine(QPointF(0, y), QPointF(page.width(), y));
    y += lineHeight + 6;
    return y;
}

// The sections that did not fit the first page, in two columns on the pages after it: the
// left column, then the right, then a new page, each column's foot kept per page; a section
// too wide for a column goes across the page, under both.
void paintColumns(QPainter& p, const QList<SheetSection>& overflow, const QSizeF& page,
                  const std::function<bool()>& turnPage) {
    const double column = (page.width() - columnGap) / 2;
    std::array<double, 2> ends = {bodyTop, bodyTop};
    int side = 0;
    Cursor at{0, bodyTop, column, page.height()};
    at.next = [&](Cursor& c) {
        ends.at(std::size_t(side)) = c.y;
        if (side == 0) {
            side = 1;
            c.x = column + columnGap;
            c.y = bodyTop;
            return true;
        }
        if (!turnPage()) {
            return false;
        }
        side = 0;
        ends = {bodyTop, bodyTop};
        c.x = 0;
        c.y = bodyTop;
        return true;
    };
    for (const SheetSection& s : overflow) {
        if (fitsColumn(s, column)) {
            paintSection(p, s, at);
            continue;
        }
        // Too wide for a column: across the page, under both columns.
        ends.at(std::size_t(side)) = at.y;
        Cursor across{0, std::max(ends[0], ends[1]), page.width(), page.height()};
        across.next = [&](Cursor& c) {
            if (!turnPage()) {
                return false;
            }
            c.y = bodyTop;
            return true;
        };
        paintSection(p, s, across);
        ends = {across.y, across.y};
        side = 0;
        at.x = 0;
        at.y = across.y;
    }
}

// The pages of the sheet: the form's sections and the drawing on the first, with the sections
// beyond them beside the trains while they fit; the rest in two columns on the pages after,
// a section too wide for a column across both. `pages` is the count to print at each head.
// Returns the number of pages used.
int paintPages(QPainter& p, const JobSheet& sheet, const QLocale& locale, const QSizeF& page,
               const std::function<bool()>& newPage, int pages) {
    int number = 1;
    paintPageHead(p, pageName(sheet), page, number, pages);
    const auto turnPage = [&]() {
        if (!newPage()) {
            return false;
        }
        ++number;
        paintPageHead(p, pageName(sheet), page, number, pages);
        return true;
    };
    double y = paintSheetHead(p, sheet, page);

    // The dimensions on the left; the hob angles and the change gears on the right.
    const double column = (page.width() - columnGap) / 2;
    Cursor left{0, y, column, page.height()};
    paintSection(p, sheet.sections[0], left);
    Cursor right{column + columnGap, y, column, page.height()};
    for (std::size_t i = 1; i < sheet.sections.size(); ++i) {
        paintSection(p, sheet.sections.at(i), right);
    }
    QList<SheetSection> overflow;
    for (const SheetSection& s : sheet.more) {
        if (overflow.isEmpty() && fitsColumn(s, column) &&
            right.y + sectionHeight(s, column) <= left.y) {
            paintSection(p, s, right);
        } else {
            overflow.append(s);
        }
    }
    y = std::max(left.y, right.y) + 4;
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
    if (overflow.isEmpty() || !turnPage()) {
        return number;
    }

    paintColumns(p, overflow, page, turnPage);
    return number;
}

} // namespace

QFont paperFont(int points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    // The painter works in points, so a pixel here is a point on paper.
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}

void paintPageHead(QPainter& p, const QString& name, const QSizeF& page, int number, int pages) {
    p.setFont(paperFont(8));
    const QFontMetricsF metrics(p.font());
    const QString count =
        QCoreApplication::translate("JobSheet", "Sayfa %1 / %2").arg(number).arg(pages);
    const double countWidth = metrics.horizontalAdvance(count);
    p.drawText(QPointF(0, 8),
               metrics.elidedText(name, Qt::ElideRight, page.width() - countWidth - columnGap));
    p.drawText(QPointF(page.width() - countWidth, 8), count);
}

bool paintCountedPages(QPagedPaintDevice& device, const PagePainter& paint) {
    QPainter p;
    if (!p.begin(&device)) {
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    // Work in points, whatever the device's resolution.
    p.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
    // A first run on a picture counts the pages that each page's head names.
    int pages = 0;
    {
        QPicture count;
        QPainter dry(&count);
        pages = paint(
            dry, page, [] { return true; }, 0);
    }
    // A page that could not be added leaves the document short: the whole paint has failed.
    bool added = true;
    paint(
        p, page,
        [&device, &added] {
            added = device.newPage();
            return added;
        },
        pages);
    return p.end() && added;
}

QPageLayout sheetPageLayout(const QLocale& locale) {
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return {QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter};
}

bool paintSheet(QPagedPaintDevice& device, const JobSheet& sheet, const QLocale& locale) {
    return paintCountedPages(
        device, [&](QPainter& p, const QSizeF& page, const std::function<bool()>& newPage,
                    int pages) { return paintPages(p, sheet, locale, page, newPage, pages); });
}

std::optional<QString> savePdf(const QString& path, const QString& title, const QPageLayout& layout,
                               const std::function<bool(QPagedPaintDevice&)>& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("ZORVANDI"));
        pdf.setPageLayout(layout);
        if (!paint(pdf)) {
            file.cancelWriting();
            return QCoreApplication::translate("JobSheet", "PDF oluşturulamadı");
        }
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> saveSheetAsPdf(const JobSheet& sheet, const QLocale& locale,
                                      const QString& path) {
    return savePdf(path, sheet.title, sheetPageLayout(locale),
                   [&](QPagedPaintDevice& device) { return paintSheet(device, sheet, locale); });
}
