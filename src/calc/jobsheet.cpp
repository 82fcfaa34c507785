#include "calc/jobsheet.h"

#include <QCoreApplication>

#include "calc/sheetsections.h"
#include "calc/wormstarts.h"
#include "model/decimal15.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <cmath>

namespace {

using F = FieldId;

struct SectionNames {
    const char* heading;
    const char* owner; // the section's name in the genitive, as a message starts with it
};

// In ButtonId order.
constexpr std::array<SectionNames, buttonCount> sectionNames = {{
    {QT_TRANSLATE_NOOP("JobSheet", "1. SONSUZ VİDA VE DİŞLİ ÖLÇÜLERİ"),
     QT_TRANSLATE_NOOP("JobSheet", "Birinci bölümün")},
    {QT_TRANSLATE_NOOP("JobSheet", "2. AZDIRMA AÇILARI"),
     QT_TRANSLATE_NOOP("JobSheet", "İkinci bölümün")},
    {QT_TRANSLATE_NOOP("JobSheet", "3. BÖLME DİŞLİLERİ"),
     QT_TRANSLATE_NOOP("JobSheet", "Üçüncü bölümün")},
}};

} // namespace

QString sectionHeading(ButtonId section) {
    return QCoreApplication::translate("JobSheet", sectionNames.at(indexOf(section)).heading);
}

QString sectionOwner(ButtonId section) {
    return QCoreApplication::translate("JobSheet", sectionNames.at(indexOf(section)).owner);
}

JobSheet composeJobSheet(const FormState& form, const Machine& machine,
                         const std::array<bool, buttonCount>& current, const QDateTime& madeAt,
                         const SheetTools& tools) {
    JobSheet sheet;
    sheet.title = formTitle();
    sheet.madeAt = form.locale().toString(madeAt, QLocale::ShortFormat);
    sheet.jobTitle = tools.jobTitle;
    sheet.jobNote = tools.jobNote;
    sheet.fileName = tools.fileName;
    for (const ButtonId button : allButtons) {
        sheet.sections.at(indexOf(button)) =
            SheetSections::formSection(form, machine, button, current.at(indexOf(button)));
    }
    SheetSection& first = sheet.sections.at(indexOf(ButtonId::HESAPLA));
    if (tools.design && first.computed) {
        const auto t = [](const char* text) {
            return QCoreApplication::translate("JobSheet", text);
        };
        first.lines.append({t(QT_TRANSLATE_NOOP("JobSheet", "TASARIM: İSTENEN EKSEN MESAFESİ (a)")),
                            sheetNumber(tools.design->centreDistance, form.locale()),
                            QStringLiteral("mm"), QString()});
        first.lines.append({t(QT_TRANSLATE_NOOP("JobSheet", "TASARIM: İSTENEN ORAN (i)")),
                            sheetNumber(tools.design->ratio, form.locale()), QString(), QString()});
    }
    sheet.drive = SheetSections::driveDimensions(form);
    sheet.more.append(SheetSections::latheSection(form, tools.lathe, tools.lead));
    sheet.more.append(SheetSections::turnerSection(form, tools.gauge));
    sheet.more.append(SheetSections::ratingSection(form, tools.gauge, tools.rating));
    return sheet;
}

QString sheetFileName(const FormState& form) {
    const auto part = [&form](FieldId field) {
        const QString text = form.getText(field);
        const std::optional<double> value = FieldValues::readNumber(text, form.locale());
        QString name = value ? FieldValues::writeNumber(*value, form.locale()) : text.trimmed();
        // Only what every file system takes.
        for (QChar& c : name) {
            if (!c.isLetterOrNumber() && c != QLatin1Char(',') && c != QLatin1Char('.') &&
                c != QLatin1Char('-')) {
                c = QLatin1Char('_');
            }
        }
        return name;
    };
    const auto z1 = wormStarts(form.getText(F::z1_t), form.locale());
    if (std::holds_alternative<int>(z1) && std::get<int>(z1) > 1) {
        return QStringLiteral("zorvandi-m%1-z%2-z1-%3.pdf")
            .arg(part(F::m_t), part(F::Z2_t), part(F::z1_t));
    }
    return QStringLiteral("zorvandi-m%1-z%2.pdf").arg(part(F::m_t), part(F::Z2_t));
}

QString percentText(double x, const QLocale& locale, int decimals) {
    const QString number = sheetNumber(x, locale, decimals);
    return locale.language() == QLocale::Turkish ? locale.percent() + number
                                                 : number + QLatin1Char(' ') + locale.percent();
}

QString sheetNumber(double x, const QLocale& locale, int decimals) {
    return FieldValues::writeNumber(Decimal15::fromDouble(x).roundedHalfEven(decimals).toDouble(),
                                    locale);
}

QString degreesAndMinutes(double notation) {
    const double magnitude = std::abs(notation);
    const double degrees = std::trunc(magnitude);
    const auto minutes = static_cast<int>(std::lround((magnitude - degrees) * 100));
    return QStringLiteral("%1%2° %3′")
        .arg(notation < 0 ? QStringLiteral("-") : QString())
        .arg(static_cast<long long>(degrees))
        .arg(minutes, 2, 10, QLatin1Char('0'));
}

QList<SheetSection> allSections(const JobSheet& sheet) {
    QList<SheetSection> all(sheet.sections.begin(), sheet.sections.end());
    return all + sheet.more;
}

QString toTabSeparated(const JobSheet& sheet) {
    QString text = sheet.title + QLatin1Char('\t') + sheet.madeAt + QLatin1Char('\n');
    for (const QString& line : {sheet.jobTitle, sheet.jobNote}) {
        if (!line.isEmpty()) {
            text += QString(line).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n');
        }
    }
    for (const SheetSection& s : allSections(sheet)) {
        text += s.heading + QLatin1Char('\n');
        for (const SheetLine& line : s.lines) {
            text += line.copyCaption() + QLatin1Char('\t') + line.copyValue() + QLatin1Char('\t') +
                    line.unit + QLatin1Char('\n');
        }
    }
    return text;
}

QString toHtmlTable(const JobSheet& sheet) {
    const auto row = [](const QString& caption, const QString& value, const QString& unit) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
            .arg(caption.toHtmlEscaped(), value.toHtmlEscaped(), unit.toHtmlEscaped());
    };
    QString html = QStringLiteral("<table>\n") + row(sheet.title, sheet.madeAt, {});
    for (const QString& line : {sheet.jobTitle, sheet.jobNote}) {
        if (!line.isEmpty()) {
            html += row(line, {}, {});
        }
    }
    for (const SheetSection& s : allSections(sheet)) {
        html +=
            QStringLiteral("<tr><th colspan=\"3\">%1</th></tr>\n").arg(s.heading.toHtmlEscaped());
        for (const SheetLine& line : s.lines) {
            html += row(line.copyCaption(), line.copyValue(), line.unit);
        }
    }
    return html + QStringLiteral("</table>\n");
}
