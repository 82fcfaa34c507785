#include "app/cataloguebatch.h"

#include "app/jobbatch.h"
#include "app/keptchoices.h"
#include "calc/cataloguetable.h"
#include "calc/selection.h"
#include "model/fieldvalues.h"
#include "paint/cataloguepainter.h"
#include "store/machinestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

// The command line's names of the worm choices, in WormChoice order.
constexpr std::array<const char*, 3> wormNames = {"hobs", "standard", "new"};

} // namespace

std::optional<QList<double>> readNumberList(const QString& text, const QLocale& locale) {
    const auto read = FieldValues::readNumbers(text, locale);
    const auto* values = std::get_if<QList<double>>(&read);
    if (values == nullptr || values->isEmpty()) {
        return std::nullopt;
    }
    return *values;
}

namespace {

// The lists, the worms and α given on the command line, over the kept choices; the words for
// the first option that does not read or is out of its range, naming it and what it takes.
std::optional<QString> takeOptions(const CatalogueRequest& request, const QLocale& locale,
                                   CatalogueAsk& ask) {
    using I = CatalogueInput;
    const auto refusal = [&locale](I input, const char* option) {
        return catalogueRuleText(input, QStringLiteral("--%1").arg(QLatin1String(option)), locale);
    };
    // The command line is read in the C locale's point as well as the user's.
    const auto numbers = [&locale](const QString& text) {
        auto values = readNumberList(text, locale);
        return values ? values : readNumberList(text, QLocale::c());
    };
    for (const auto& [given, into, input, option] :
         {std::tuple{&request.housings, &ask.housings, I::Housings, "housings"},
          std::tuple{&request.ratios, &ask.ratios, I::Ratios, "ratios"},
          std::tuple{&request.speeds, &ask.speeds, I::Speeds, "speeds"}}) {
        if (*given) {
            const auto values = numbers(**given);
            if (!values ||
                !std::all_of(values->begin(), values->end(), [&, input = input](double x) {
                    return catalogueRange(input).holds(x);
                })) {
                return refusal(input, option);
            }
            *into = *values;
        }
    }
    if (request.alpha) {
        const auto alpha = numbers(*request.alpha);
        if (!alpha || alpha->size() != 1 ||
            !catalogueRange(I::ProfileAngle).holds(alpha->constFirst())) {
            return refusal(I::ProfileAngle, "alpha");
        }
        ask.design.profileAngle = alpha->constFirst();
    }
    if (request.worms) {
        const auto* name = std::find_if(wormNames.begin(), wormNames.end(), [&](const char* n) {
            return *request.worms == QLatin1String(n);
        });
        if (name == wormNames.end()) {
            return QCoreApplication::translate("Main", "--worms hobs, standard ya da new olmalı.");
        }
        ask.design.worms = WormChoice(name - wormNames.begin());
    }
    return std::nullopt;
}

// The selection's motors and least factor given, over the kept ones; the words for the first
// that does not read or is out of its range.
std::optional<QString> takeSelection(const CatalogueRequest& request, const QLocale& locale,
                                     SelectionAsk& selection) {
    const auto refusal = [&locale](SelectionInput input, const char* option) {
        return selectionRuleText(input, QStringLiteral("--%1").arg(QLatin1String(option)), locale);
    };
    const auto numbers = [&locale](const QString& text) {
        auto values = readNumberList(text, locale);
        return values ? values : readNumberList(text, QLocale::c());
    };
    if ((request.motors || request.serviceFactor) && !request.selection) {
        return QCoreApplication::translate("Main",
                                           "--motors ve --service-factor --selection ile olur.");
    }
    if (request.selection && request.perHousing) {
        return QCoreApplication::translate("Main", "--selection ile --per-housing birlikte olmaz.");
    }
    if (request.motors) {
        const auto powers = numbers(*request.motors);
        if (!powers) {
            return refusal(SelectionInput::Motors, "motors");
        }
        selection.motors = motorsOf(*powers, selection.motors.constFirst().poles);
    }
    if (request.serviceFactor) {
        const auto factor = numbers(*request.serviceFactor);
        if (!factor || factor->size() != 1) {
            return refusal(SelectionInput::LeastFactor, "service-factor");
        }
        selection.leastFactor = factor->constFirst();
    }
    if (const auto bad = firstInvalid(selection)) {
        return bad == SelectionInput::Motors ? refusal(*bad, "motors")
                                             : refusal(*bad, "service-factor");
    }
    return std::nullopt;
}

} // namespace

int runCatalogue(const CatalogueRequest& request, const QString& configFolder,
                 const QLocale& locale, QTextStream& out, QTextStream& err) {
    QSettings settings(configFolder + QStringLiteral("/zorvandi/zorvandi.conf"),
                       QSettings::IniFormat);
    MachineStore store(MachineStore::pathIn(configFolder), settings);
    const std::optional<FileFault> unusable = store.load();
    CatalogueAsk ask = KeptChoices::catalogueAsk(settings, !store.book().hobs.isEmpty());
    SelectionAsk selection = KeptChoices::selectionAsk(settings);
    auto badOption = takeOptions(request, locale, ask);
    if (!badOption) {
        badOption = takeSelection(request, locale, selection);
    }
    if (badOption) {
        err << *badOption << '\n';
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
    // Without the file's hobs every cell would be empty for a reason that is not the design's.
    if (unusable && ask.design.worms == WormChoice::ShopHobs) {
        err << unusableMachineFileText(store.path(), *unusable, locale) << '\n';
        err.flush();
        return BatchJobFailed;
    }
    const Catalogue catalogue = catalogueOf(ask, store.book().hobs);
    const CatalogueTable table =
        request.selection ? selectionTable(selectionOf(catalogue, withoutRepeats(ask), selection),
                                           withoutRepeats(ask), selection, locale)
        : request.perHousing ? perHousingTable(catalogue, ask, locale)
                             : catalogueTable(catalogue, ask, locale);
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
