#include "ui/cataloguebatch.h"

#include "calc/cataloguetable.h"
#include "model/fieldvalues.h"
#include "paint/cataloguepainter.h"
#include "store/machinestore.h"
#include "ui/jobbatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

namespace Key {
const QString housings = QStringLiteral("catalogue/housings");
const QString ratios = QStringLiteral("catalogue/ratios");
const QString speeds = QStringLiteral("catalogue/speeds");
const QString worms = QStringLiteral("catalogue/worms");
const QString tolerance = QStringLiteral("catalogue/tolerance");
const QString casting = QStringLiteral("catalogue/casting");
const QString serviceFactor = QStringLiteral("catalogue/serviceFactor");
const QString ambient = QStringLiteral("catalogue/ambient");
const QString fan = QStringLiteral("catalogue/fan");
const QString sumpLimit = QStringLiteral("catalogue/sumpLimit");
} // namespace Key

// The command line's names of the worm choices, in WormChoice order.
constexpr std::array<const char*, 3> wormNames = {"hobs", "standard", "new"};

QList<double> numbersOf(const QVariant& v, const QList<double>& otherwise) {
    QList<double> values;
    for (const QVariant& x : v.toList()) {
        bool ok = false;
        values.append(x.toDouble(&ok));
        if (!ok) {
            return otherwise;
        }
    }
    return values.isEmpty() ? otherwise : values;
}

QVariantList variants(const QList<double>& values) {
    QVariantList list;
    for (const double x : values) {
        list.append(x);
    }
    return list;
}

} // namespace

CatalogueAsk savedCatalogueAsk(const QSettings& settings) {
    CatalogueAsk ask;
    ask.housings = numbersOf(settings.value(Key::housings), ask.housings);
    ask.ratios = numbersOf(settings.value(Key::ratios), ask.ratios);
    ask.speeds = numbersOf(settings.value(Key::speeds), ask.speeds);
    const int worms = settings.value(Key::worms, int(ask.design.worms)).toInt();
    ask.design.worms = worms >= 0 && worms < 3 ? WormChoice(worms) : ask.design.worms;
    ask.design.tolerance = settings.value(Key::tolerance, ask.design.tolerance).toDouble();
    const int casting = settings.value(Key::casting, int(ask.casting)).toInt();
    ask.casting = casting >= 0 && casting < 3 ? Casting(casting) : ask.casting;
    ask.serviceFactor = settings.value(Key::serviceFactor, ask.serviceFactor).toDouble();
    ask.ambient = settings.value(Key::ambient, ask.ambient).toDouble();
    ask.fan = settings.value(Key::fan, ask.fan).toBool();
    ask.sumpLimit = settings.value(Key::sumpLimit, ask.sumpLimit).toDouble();
    // A hand-edited settings file that breaks a rule gives the defaults.
    return firstInvalid(ask) ? CatalogueAsk{} : ask;
}

void keepCatalogueAsk(QSettings& settings, const CatalogueAsk& ask) {
    settings.setValue(Key::housings, variants(ask.housings));
    settings.setValue(Key::ratios, variants(ask.ratios));
    settings.setValue(Key::speeds, variants(ask.speeds));
    settings.setValue(Key::worms, int(ask.design.worms));
    settings.setValue(Key::tolerance, ask.design.tolerance);
    settings.setValue(Key::casting, int(ask.casting));
    settings.setValue(Key::serviceFactor, ask.serviceFactor);
    settings.setValue(Key::ambient, ask.ambient);
    settings.setValue(Key::fan, ask.fan);
    settings.setValue(Key::sumpLimit, ask.sumpLimit);
}

std::optional<QList<double>> readNumberList(const QString& text, const QLocale& locale) {
    const auto read = FieldValues::readNumbers(text, locale);
    const auto* values = std::get_if<QList<double>>(&read);
    if (values == nullptr || values->isEmpty()) {
        return std::nullopt;
    }
    return *values;
}

namespace {

// The lists and the worms given on the command line, over the kept choices; the name of the
// first option that does not read or is out of its range, else nothing.
const char* takeOptions(const CatalogueRequest& request, const QLocale& locale, CatalogueAsk& ask) {
    for (const auto& [given, into, option] :
         {std::tuple{&request.housings, &ask.housings, "housings"},
          std::tuple{&request.ratios, &ask.ratios, "ratios"},
          std::tuple{&request.speeds, &ask.speeds, "speeds"}}) {
        if (*given) {
            // The command line is read in the C locale's point as well as the user's.
            auto values = readNumberList(**given, locale);
            if (!values) {
                values = readNumberList(**given, QLocale::c());
            }
            if (!values) {
                return option;
            }
            *into = *values;
        }
    }
    if (request.worms) {
        const auto* name = std::find_if(wormNames.begin(), wormNames.end(), [&](const char* n) {
            return *request.worms == QLatin1String(n);
        });
        if (name == wormNames.end()) {
            return "worms";
        }
        ask.design.worms = WormChoice(name - wormNames.begin());
    }
    // The kept choices were checked as they were read, so only a list given here can be out
    // of its range.
    const auto bad = firstInvalid(ask);
    if (!bad) {
        return nullptr;
    }
    return *bad == CatalogueInput::Ratios   ? "ratios"
           : *bad == CatalogueInput::Speeds ? "speeds"
                                            : "housings";
}

} // namespace

int makeCatalogue(const CatalogueRequest& request, const QString& configFolder,
                  const QLocale& locale, QTextStream& out, QTextStream& err) {
    QSettings settings(configFolder + QStringLiteral("/zorvandi/zorvandi.conf"),
                       QSettings::IniFormat);
    CatalogueAsk ask = savedCatalogueAsk(settings);
    if (const char* bad = takeOptions(request, locale, ask)) {
        err << QCoreApplication::translate("Main", "--%1 okunmuyor: değerleri noktalı virgülle "
                                                   "ayrılmış, aralığındaki sayılar olmalı.")
                   .arg(QLatin1String(bad))
            << '\n';
        err.flush();
        return BatchRefused;
    }
    if (request.pdfOut.isEmpty() && !request.tables) {
        err << QCoreApplication::translate("Main", "--catalogue için --pdf ya da --tsv gerekir.")
            << '\n';
        err.flush();
        return BatchRefused;
    }
    QString pdfOut = request.pdfOut;
    if (!pdfOut.isEmpty()) {
        if (const auto refused = outputRefusal({{QStringLiteral("catalogue")}, pdfOut, false})) {
            err << *refused << '\n';
            err.flush();
            return BatchRefused;
        }
        if (QFileInfo(pdfOut).isDir()) {
            pdfOut = QDir(pdfOut).filePath(QStringLiteral("zorvandi-katalog.pdf"));
        }
    }
    MachineStore store(MachineStore::pathIn(configFolder), settings);
    store.load();
    const CatalogueTable table = catalogueTable(makeCatalogue(ask, store.book().hobs), ask, locale);
    if (!pdfOut.isEmpty()) {
        if (const auto error = saveCatalogueAsPdf(table, locale, pdfOut)) {
            err << QCoreApplication::translate("Main", "«%1» kaydedilemedi: %2")
                       .arg(QDir::toNativeSeparators(pdfOut), *error)
                << '\n';
            err.flush();
            return BatchJobFailed;
        }
        out << QDir::toNativeSeparators(pdfOut) << '\n';
    }
    if (request.tables) {
        out << catalogueTsv(table);
    }
    out.flush();
    return BatchDone;
}
