#include "app/keptchoices.h"

#include <QStringList>

#include <cmath>

namespace {

namespace Key {
const QString angle = QStringLiteral("turner/profileAngle");
const QString wire = QStringLiteral("turner/wire");

const QString given = QStringLiteral("rating/given");
const QString load = QStringLiteral("rating/load");
const QString serviceFactor = QStringLiteral("rating/serviceFactor");
const QString casting = QStringLiteral("rating/casting");
const QString faceWidth = QStringLiteral("rating/faceWidth");
const QString friction = QStringLiteral("rating/friction");
const QString fan = QStringLiteral("rating/fan");
const QString area = QStringLiteral("rating/housingArea");
const QString ambient = QStringLiteral("rating/ambient");
const QString sumpLimit = QStringLiteral("rating/sumpLimit");
const QString bearingSpan = QStringLiteral("rating/bearingSpan");
const QString hardenedWorm = QStringLiteral("rating/hardenedWorm");
const QString bendingAllowable = QStringLiteral("rating/bendingAllowable");

const QString modules = QStringLiteral("design/modules");
const QString starts = QStringLiteral("design/starts");
const QString tolerance = QStringLiteral("design/tolerance");
const QString qLow = QStringLiteral("design/qLow");
const QString qHigh = QStringLiteral("design/qHigh");
const QString x2Low = QStringLiteral("design/x2Low");
const QString x2High = QStringLiteral("design/x2High");
const QString worms = QStringLiteral("design/worms");
const QString inputSpeed = QStringLiteral("design/inputSpeed");

const QString housings = QStringLiteral("catalogue/housings");
const QString ratios = QStringLiteral("catalogue/ratios");
const QString speeds = QStringLiteral("catalogue/speeds");
const QString catalogueWorms = QStringLiteral("catalogue/worms");
const QString catalogueTolerance = QStringLiteral("catalogue/tolerance");
const QString catalogueCasting = QStringLiteral("catalogue/casting");
const QString catalogueServiceFactor = QStringLiteral("catalogue/serviceFactor");
const QString catalogueAmbient = QStringLiteral("catalogue/ambient");
const QString catalogueFan = QStringLiteral("catalogue/fan");
const QString catalogueSumpLimit = QStringLiteral("catalogue/sumpLimit");
const QString motorPowers = QStringLiteral("selection/motors");
const QString motorPoles = QStringLiteral("selection/poles");
const QString leastFactor = QStringLiteral("selection/leastFactor");
const QString profileAngle = QStringLiteral("catalogue/profileAngle");
} // namespace Key

// Reads one tool's keys: a key not there gives its default; one that does not read as its type
// spoils the whole set, which `ok` then says.
class Reader {
public:
    explicit Reader(const QSettings& settings)
        : m_settings(settings) {}

    bool ok() const { return m_ok; }

    double number(const QString& key, double otherwise) {
        return optionalNumber(key, otherwise).value_or(otherwise);
    }
    // An empty value is none.
    std::optional<double> optionalNumber(const QString& key, std::optional<double> otherwise) {
        if (!m_settings.contains(key)) {
            return otherwise;
        }
        const QVariant v = m_settings.value(key);
        if (!v.isValid() || v.toString().isEmpty()) {
            return std::nullopt;
        }
        bool read = false;
        const double x = v.toDouble(&read);
        m_ok = m_ok && read && std::isfinite(x);
        return x;
    }
    // One of `count` choices, kept by its index.
    int choice(const QString& key, int otherwise, int count) {
        if (!m_settings.contains(key)) {
            return otherwise;
        }
        bool read = false;
        const int x = m_settings.value(key).toInt(&read);
        m_ok = m_ok && read && x >= 0 && x < count;
        return m_ok ? x : otherwise;
    }
    bool flag(const QString& key, bool otherwise) {
        if (!m_settings.contains(key)) {
            return otherwise;
        }
        const QString text = m_settings.value(key).toString();
        m_ok = m_ok && (text == QStringLiteral("true") || text == QStringLiteral("false"));
        return text == QStringLiteral("true");
    }
    // A list of one is kept as a bare value, which reads back as a text.
    QList<double> numbers(const QString& key, const QList<double>& otherwise) {
        if (!m_settings.contains(key)) {
            return otherwise;
        }
        QList<double> values;
        for (const QString& text : m_settings.value(key).toStringList()) {
            bool read = false;
            values.append(text.toDouble(&read));
            m_ok = m_ok && read && std::isfinite(values.constLast());
        }
        return values;
    }

private:
    const QSettings& m_settings;
    bool m_ok = true;
};

QVariant optionalVariant(const std::optional<double>& x) {
    return x ? QVariant(*x) : QVariant(QString());
}

QVariantList variants(const QList<double>& values) {
    QVariantList list;
    for (const double x : values) {
        list.append(x);
    }
    return list;
}

WormChoice firstWorms(bool shopHasHobs) {
    // A new worm means a new hob: the shop's own come first once it has one.
    return shopHasHobs ? WormChoice::ShopHobs : WormChoice::NewDiameter;
}

constexpr int wormChoices = 3;
constexpr int castings = 3;

} // namespace

namespace KeptChoices {

WireGauge gauge(const QSettings& settings) {
    Reader read(settings);
    WireGauge gauge;
    gauge.profileAngle = read.number(Key::angle, gauge.profileAngle);
    gauge.wire = read.optionalNumber(Key::wire, std::nullopt);
    const bool holds =
        profileAngleRange.holds(gauge.profileAngle) && (!gauge.wire || *gauge.wire > 0);
    return read.ok() && holds ? gauge : WireGauge{};
}

void keep(QSettings& settings, const WireGauge& gauge) {
    settings.setValue(Key::angle, gauge.profileAngle);
    settings.setValue(Key::wire, optionalVariant(gauge.wire));
}

RatingInputs ratingInputs(const QSettings& settings) {
    Reader read(settings);
    RatingInputs in;
    in.given = LoadGiven(read.choice(Key::given, int(in.given), 2));
    in.load = read.optionalNumber(Key::load, in.load);
    in.serviceFactor = read.number(Key::serviceFactor, in.serviceFactor);
    in.casting = Casting(read.choice(Key::casting, int(in.casting), castings));
    in.faceWidth = read.optionalNumber(Key::faceWidth, in.faceWidth);
    in.friction = read.optionalNumber(Key::friction, in.friction);
    in.fan = read.flag(Key::fan, in.fan);
    in.housingArea = read.optionalNumber(Key::area, in.housingArea);
    in.ambient = read.number(Key::ambient, in.ambient);
    in.sumpLimit = read.optionalNumber(Key::sumpLimit, in.sumpLimit);
    in.bearingSpan = read.optionalNumber(Key::bearingSpan, in.bearingSpan);
    in.hardenedWorm = read.flag(Key::hardenedWorm, in.hardenedWorm);
    in.bendingAllowable = read.optionalNumber(Key::bendingAllowable, in.bendingAllowable);
    return read.ok() && !firstInvalid(in) ? in : RatingInputs{};
}

void keep(QSettings& settings, const RatingInputs& in) {
    settings.setValue(Key::given, int(in.given));
    settings.setValue(Key::load, optionalVariant(in.load));
    settings.setValue(Key::serviceFactor, in.serviceFactor);
    settings.setValue(Key::casting, int(in.casting));
    settings.setValue(Key::faceWidth, optionalVariant(in.faceWidth));
    settings.setValue(Key::friction, optionalVariant(in.friction));
    settings.setValue(Key::fan, in.fan);
    settings.setValue(Key::area, optionalVariant(in.housingArea));
    settings.setValue(Key::ambient, in.ambient);
    settings.setValue(Key::sumpLimit, optionalVariant(in.sumpLimit));
    settings.setValue(Key::bearingSpan, optionalVariant(in.bearingSpan));
    settings.setValue(Key::hardenedWorm, in.hardenedWorm);
    settings.setValue(Key::bendingAllowable, optionalVariant(in.bendingAllowable));
}

DesignAsk designAsk(const QSettings& settings, bool shopHasHobs) {
    DesignAsk defaults;
    defaults.worms = firstWorms(shopHasHobs);
    Reader read(settings);
    DesignAsk ask = defaults;
    ask.modules = read.numbers(Key::modules, ask.modules);
    QList<double> starts;
    for (const int z1 : ask.starts) {
        starts.append(z1);
    }
    ask.starts.clear();
    for (const double z1 : read.numbers(Key::starts, starts)) {
        ask.starts.append(int(z1));
    }
    ask.tolerance = read.number(Key::tolerance, ask.tolerance);
    ask.qLow = read.number(Key::qLow, ask.qLow);
    ask.qHigh = read.number(Key::qHigh, ask.qHigh);
    ask.shiftRange.low = read.number(Key::x2Low, ask.shiftRange.low);
    ask.shiftRange.high = read.number(Key::x2High, ask.shiftRange.high);
    ask.worms = WormChoice(read.choice(Key::worms, int(ask.worms), wormChoices));
    ask.n1 = read.optionalNumber(Key::inputSpeed, ask.n1);
    return read.ok() && !firstInvalid(ask) ? ask : defaults;
}

void keep(QSettings& settings, const DesignAsk& ask) {
    QList<double> starts;
    for (const int z1 : ask.starts) {
        starts.append(z1);
    }
    settings.setValue(Key::modules, variants(ask.modules));
    settings.setValue(Key::starts, variants(starts));
    settings.setValue(Key::tolerance, ask.tolerance);
    settings.setValue(Key::qLow, ask.qLow);
    settings.setValue(Key::qHigh, ask.qHigh);
    settings.setValue(Key::x2Low, ask.shiftRange.low);
    settings.setValue(Key::x2High, ask.shiftRange.high);
    settings.setValue(Key::worms, int(ask.worms));
    // Empty, no speed: the design then gives no efficiency.
    settings.setValue(Key::inputSpeed, optionalVariant(ask.n1));
}

CatalogueAsk catalogueAsk(const QSettings& settings, bool shopHasHobs) {
    CatalogueAsk defaults;
    defaults.design.worms = firstWorms(shopHasHobs);
    Reader read(settings);
    CatalogueAsk ask = defaults;
    ask.housings = read.numbers(Key::housings, ask.housings);
    ask.ratios = read.numbers(Key::ratios, ask.ratios);
    ask.speeds = read.numbers(Key::speeds, ask.speeds);
    ask.design.worms =
        WormChoice(read.choice(Key::catalogueWorms, int(ask.design.worms), wormChoices));
    ask.design.tolerance = read.number(Key::catalogueTolerance, ask.design.tolerance);
    ask.design.profileAngle = read.number(Key::profileAngle, ask.design.profileAngle);
    ask.casting = Casting(read.choice(Key::catalogueCasting, int(ask.casting), castings));
    ask.serviceFactor = read.number(Key::catalogueServiceFactor, ask.serviceFactor);
    ask.ambient = read.number(Key::catalogueAmbient, ask.ambient);
    ask.fan = read.flag(Key::catalogueFan, ask.fan);
    ask.sumpLimit = read.number(Key::catalogueSumpLimit, ask.sumpLimit);
    return read.ok() && !firstInvalid(ask) ? ask : defaults;
}

void keep(QSettings& settings, const CatalogueAsk& ask) {
    settings.setValue(Key::housings, variants(ask.housings));
    settings.setValue(Key::ratios, variants(ask.ratios));
    settings.setValue(Key::speeds, variants(ask.speeds));
    settings.setValue(Key::catalogueWorms, int(ask.design.worms));
    settings.setValue(Key::catalogueTolerance, ask.design.tolerance);
    settings.setValue(Key::profileAngle, ask.design.profileAngle);
    settings.setValue(Key::catalogueCasting, int(ask.casting));
    settings.setValue(Key::catalogueServiceFactor, ask.serviceFactor);
    settings.setValue(Key::catalogueAmbient, ask.ambient);
    settings.setValue(Key::catalogueFan, ask.fan);
    settings.setValue(Key::catalogueSumpLimit, ask.sumpLimit);
}

SelectionAsk selectionAsk(const QSettings& settings) {
    const SelectionAsk defaults;
    Reader read(settings);
    constexpr int poleChoices = 7; // 0 … 6; the calculation takes 2, 4 and 6
    SelectionAsk ask;
    ask.motors =
        motorsOf(read.numbers(Key::motorPowers, motorPowers(defaults.motors)),
                 read.choice(Key::motorPoles, defaults.motors.constFirst().poles, poleChoices));
    ask.leastFactor = read.number(Key::leastFactor, defaults.leastFactor);
    return read.ok() && !firstInvalid(ask) ? ask : defaults;
}

void keep(QSettings& settings, const SelectionAsk& ask) {
    settings.setValue(Key::motorPowers, variants(motorPowers(ask.motors)));
    settings.setValue(Key::motorPoles, ask.motors.isEmpty() ? 4 : ask.motors.constFirst().poles);
    settings.setValue(Key::leastFactor, ask.leastFactor);
}

} // namespace KeptChoices
