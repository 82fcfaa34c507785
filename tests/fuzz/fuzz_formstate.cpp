// libFuzzer target over the headless form: the input chooses the locale, the texts of all 22
// fields and a sequence of clicks (enabled or not) and edits, and every click is checked
// against what a user must be able to rely on, whatever was typed. After every step, every
// change-gear train found for the text of Z2_t is checked as exact and taken from the set, and
// the drive on the form is rated under inputs the input's size chooses: every figure finite,
// the efficiencies no more than 100 %, and the load's figures only where a load was given; and
// every other tool window's figures (the turner's, the lathe's leads and, once an input, the
// design for the form's housing and ratio) are finite numbers wherever they are shown.
//
// Input, line by line: the first byte of line 0 chooses the locale (odd: Turkish, comma;
// even: English, point); then lines "name=text" type a text into the field of that control
// name ("Z2_t=36"), until the line that starts with '!': the script, one byte an action:
// byte % 4 of 0, 1, 2 clicks HESAPLA, Command2, Command1, and 3 applies the next of the lines
// after it as an edit, again "name=text". A line that names no field is passed over, so the
// inputs stay valid when the fields change.
//
// The whole input is also read as a machine file and as a job file: no input may crash either
// reader, and a file one accepts must write out and read back as the same.

#include "calc/changegears.h"
#include "calc/design.h"
#include "calc/geartrains.h"
#include "calc/lathetrains.h"
#include "calc/rating.h"
#include "calc/turnerfigures.h"
#include "calc/wormstarts.h"
#include "flow/workflow.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"
#include "store/jobfile.h"
#include "store/machinefile.h"

#include <QByteArrayList>
#include <QList>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

class CountingSink final : public MessageSink {
public:
    void showMessage(const QString& /*text*/) override { ++count; }
    int count = 0;
};

[[noreturn]] void fail(const char* what, FieldId field = FieldId::m_t) {
    std::fprintf(stderr, "invariant broken: %s (%s)\n", what, qPrintable(fieldName(field)));
    std::abort();
}

// The fields each button's calculation writes, in the order it writes them.
QList<FieldId> writeOrder(ButtonId button) {
    using F = FieldId;
    switch (button) {
    case ButtonId::HESAPLA:
        return {F::d2_t, F::da2_t, F::df2_t, F::h2_t, F::d1_t, F::df1_t,
                F::h1_t, F::L_t,   F::P_t,   F::ba_t, F::A_t,  F::N2_t};
    case ButtonId::Command2:
        return {F::AASAĞ_t, F::AASOL_t};
    case ButtonId::Command1:
        return {F::KS_t, F::ÇD_t};
    }
    return {};
}

ButtonId enabledByCompleteRun(ButtonId button) {
    return button == ButtonId::HESAPLA ? ButtonId::Command2 : ButtonId::Command1;
}

void checkedClick(Workflow& flow, CountingSink& sink, ButtonId button) {
    FormState& form = flow.form();
    std::array<QString, fieldCount> before;
    for (const FieldId field : allFields) {
        before.at(indexOf(field)) = form.getText(field);
    }
    std::array<bool, buttonCount> wasEnabled{};
    for (const ButtonId b : allButtons) {
        wasEnabled.at(indexOf(b)) = form.isEnabled(b);
    }
    QList<FieldId> changed;
    const auto connection = QObject::connect(
        &form, &FormState::textChanged,
        [&changed](FieldId field, const QString& /*text*/) { changed.append(field); });
    const int messagesBefore = sink.count;

    flow.click(button);

    QObject::disconnect(connection);
    const int messages = sink.count - messagesBefore;
    if (messages > 1) {
        fail("more than one message for one click");
    }
    for (const ButtonId b : allButtons) {
        if (wasEnabled.at(indexOf(b)) && !form.isEnabled(b)) {
            fail("a button was disabled");
        }
    }
    if (!wasEnabled.at(indexOf(button))) {
        bool flagsKept = true;
        for (const ButtonId b : allButtons) {
            flagsKept = flagsKept && form.isEnabled(b) == wasEnabled.at(indexOf(b));
        }
        if (messages != 0 || !changed.isEmpty() || !flagsKept) {
            fail("a click on a disabled button did something");
        }
        return;
    }

    // Every field written holds a number that reads back, and the writes follow the steps.
    const QList<FieldId> order = writeOrder(button);
    qsizetype lastStep = -1;
    for (const FieldId field : changed) {
        const qsizetype step = order.indexOf(field);
        if (step < 0) {
            fail("a field the calculation does not own changed", field);
        }
        if (step < lastStep) {
            fail("fields written out of order", field);
        }
        lastStep = step;
        const QString text = form.getText(field);
        if (text.isEmpty() || text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            text.contains(QLatin1String("inf"), Qt::CaseInsensitive)) {
            fail("a field was written empty, nan or inf", field);
        }
        if (!FieldValues::readNumber(text, form.locale())) {
            fail("a written field does not read back as a number", field);
        }
    }

    const ButtonId next = enabledByCompleteRun(button);
    const bool opened = !wasEnabled.at(indexOf(next)) && form.isEnabled(next);
    if (messages == 1) {
        if (opened) {
            fail("a stopped click enabled the next section");
        }
        return;
    }
    // A complete run: every output it owns holds a number, and the next section is open
    // (Command1 opens nothing).
    for (const FieldId field : order) {
        if (!FieldValues::readNumber(form.getText(field), form.locale())) {
            fail("a complete run left an output without a number", field);
        }
    }
    if (button != ButtonId::Command1 && !form.isEnabled(next)) {
        fail("a complete run did not enable the next section");
    }
}

// The trains for Z2_t: each exact for its ratio, of different gears of the set, simple ones
// first, then by ascending teeth.
void checkTrains(const FormState& form) {
    const auto found = gearTrainsFor(form.getText(FieldId::Z2_t), form.getText(FieldId::z1_t),
                                     builtInMachine(), form.locale());
    const auto* search = std::get_if<TrainSearch>(&found);
    const QList<GearTrain>* trains = search != nullptr ? &search->trains : nullptr;
    if (!trains || trains->isEmpty()) {
        return;
    }
    const double z2Value =
        FieldValues::readNumber(form.getText(FieldId::Z2_t), form.locale()).value_or(0);
    const int z1 = std::get<int>(wormStarts(form.getText(FieldId::z1_t), form.locale()));
    if (!(z2Value >= 1 && z2Value <= 1000 * z1)) {
        fail("trains for a tooth count that can have none", FieldId::Z2_t);
    }
    const auto z2 = static_cast<std::int64_t>(z2Value);
    const GearTrain* before = nullptr;
    for (const GearTrain& t : *trains) {
        QList<int> gears = {t.a, t.b};
        if (t.isCompound()) {
            gears += {t.c, t.d};
        }
        for (const int g : gears) {
            if (!hasGear(builtInMachine(), g) || gears.count(g) != 1) {
                fail("a train uses a gear outside the set, or one twice", FieldId::Z2_t);
            }
        }
        const std::int64_t drivers = std::int64_t{t.a} * (t.isCompound() ? t.c : 1);
        const std::int64_t driven = std::int64_t{t.b} * (t.isCompound() ? t.d : 1);
        if (drivers * z2 != 24 * z1 * driven) {
            fail("a train is not exact", FieldId::Z2_t);
        }
        if (before && (before->isCompound() > t.isCompound() ||
                       (before->isCompound() == t.isCompound() && before->teeth() > t.teeth()))) {
            fail("trains out of order", FieldId::Z2_t);
        }
        before = &t;
    }
}

void checkRating(const FormState& form, const RatingInputs& inputs) {
    const auto rated = rateFields(form.texts(), form.locale(), 20, inputs);
    const auto* r = std::get_if<DriveRating>(&rated);
    if (r == nullptr) {
        return;
    }
    for (const RatingFigure& f : r->figures) {
        if (!std::isfinite(f.value)) {
            fail("a rating figure is not finite", FieldId::d1_t);
        }
        if ((f.id == RatingFigureId::Efficiency || f.id == RatingFigureId::BackEfficiency) &&
            f.value > 100 + 1e-9) {
            fail("an efficiency above 100 %", FieldId::d1_t);
        }
        if (f.id == RatingFigureId::OutputTorque && !inputs.load) {
            fail("a load's figure without a load", FieldId::d1_t);
        }
    }
    for (const RatingWarning& w : r->warnings) {
        if (!std::isfinite(w.value) || !std::isfinite(w.limit) ||
            ratingWarningText(w, form.locale()).isEmpty()) {
            fail("a rating warning not finite or without words", FieldId::d1_t);
        }
    }
}

// The turner's window: every figure it shows, the wire's included, is a number.
void checkTurner(const FormState& form, const WireGauge& gauge) {
    const auto made = turnerFigures(form, gauge);
    const auto* t = std::get_if<TurnerFigures>(&made);
    if (t == nullptr) {
        return;
    }
    for (const Figure& f : t->figures) {
        if (!std::isfinite(f.value)) {
            fail("a turner's figure is not finite", FieldId::da1_t);
        }
    }
    for (const BlankWarning& w : t->warnings) {
        if (!std::isfinite(w.value) || !std::isfinite(w.limit)) {
            fail("a blank warning is not finite", FieldId::da1_t);
        }
    }
}

// The lathe's window: the leads offered for the form's worm.
void checkLathe(const FormState& form) {
    const auto worm = latheWorm(form);
    const auto* w = std::get_if<LatheWorm>(&worm);
    if (w == nullptr) {
        return;
    }
    static const LatheTrainFinder finder(builtInLathe());
    for (const LeadRow& row : finder.nearest(w->lead, std::nullopt, 3)) {
        if (!std::isfinite(row.lead) || !std::isfinite(row.error) ||
            !std::isfinite(row.micronsPer100mm)) {
            fail("a lathe's lead is not finite", FieldId::m_t);
        }
    }
}

// The design window, asked for the housing and ratio of the form's drive.
void checkDesign(const FormState& form) {
    const auto a = FieldValues::readNumber(form.getText(FieldId::A_t), form.locale());
    const auto z2 = FieldValues::readNumber(form.getText(FieldId::Z2_t), form.locale());
    const auto n1 = FieldValues::readNumber(form.getText(FieldId::N1_t), form.locale());
    if (!a || !z2) {
        return;
    }
    DesignAsk ask;
    ask.centreDistance = *a;
    ask.ratio = *z2;
    ask.starts = {1, 2};
    ask.modules = {1, 2.5, 4};
    ask.n1 = n1;
    if (firstInvalid(ask)) {
        return;
    }
    for (const DesignRow& row : designDrives(ask, {}).rows) {
        const bool finite = std::isfinite(row.ratio) && std::isfinite(row.error) &&
                            std::isfinite(row.d1) && std::isfinite(row.da1) &&
                            std::isfinite(row.q) && std::isfinite(row.efficiency.value_or(0));
        if (!finite) {
            fail("a design row is not finite", FieldId::A_t);
        }
    }
}

// "name=text": the text into the field of that name; anything else does nothing.
void type(FormState& form, const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) {
        return;
    }
    if (const std::optional<FieldId> field = fieldNamed(QString::fromUtf8(line.left(eq)))) {
        form.setText(*field, QString::fromUtf8(line.mid(eq + 1)));
    }
}

void checkMachineFile(const QByteArray& bytes) {
    const auto read = parseMachineFile(bytes);
    const auto* book = std::get_if<MachineBook>(&read);
    if (book == nullptr) {
        return;
    }
    const auto again = parseMachineFile(machineFileText(*book));
    const auto* reread = std::get_if<MachineBook>(&again);
    if (reread == nullptr || reread->machines != book->machines || reread->lathes != book->lathes) {
        fail("a machine file that reads does not read back the same once written");
    }
}

// The same for a job file: a job that reads writes out and reads back as the same job.
void checkJobFile(const QByteArray& bytes) {
    const auto read = parseJobFile(bytes);
    const auto* job = std::get_if<JobDocument>(&read);
    if (job == nullptr) {
        return;
    }
    const auto again = parseJobFile(jobFileText(*job));
    const auto* reread = std::get_if<JobDocument>(&again);
    if (reread == nullptr || !(*reread == *job)) {
        fail("a job file that reads does not read back the same once written");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    checkMachineFile(input);
    checkJobFile(input);
    const QByteArrayList lines = input.split('\n');
    const bool commaLocale = !lines.isEmpty() && !lines[0].isEmpty() && (lines[0][0] & 1);
    const QLocale locale = commaLocale ? QLocale(QLocale::Turkish, QLocale::Turkey)
                                       : QLocale(QLocale::English, QLocale::UnitedStates);
    CountingSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    form.Form_Load();
    qsizetype next = 1;
    while (next < lines.size() && !lines[next].startsWith('!')) {
        type(form, lines[next++]);
    }

    RatingInputs rating;
    rating.given = (size & 1) != 0 ? LoadGiven::InputPower : LoadGiven::OutputTorque;
    rating.casting = Casting(size % 3);
    rating.fan = (size & 2) != 0;
    rating.load = size % 5 == 0 ? std::nullopt : std::optional(double(size % 997) + 0.5);
    rating.friction = size % 7 == 0 ? std::optional(0.3) : std::nullopt;
    rating.sumpLimit = 80;

    const WireGauge gauge{10 + double(size % 21),
                          size % 11 == 0 ? std::optional(3.0) : std::nullopt};

    checkTrains(form);
    checkRating(form, rating);
    checkDesign(form);
    const QByteArray script = lines.value(next++).mid(1);
    for (const char action : script) {
        const int kind = static_cast<unsigned char>(action) % 4;
        if (kind < 3) {
            checkedClick(flow, sink, allButtons.at(std::size_t(kind)));
        } else if (next < lines.size()) {
            type(form, lines[next++]);
        }
        checkTrains(form);
        checkRating(form, rating);
        checkTurner(form, gauge);
        checkLathe(form);
    }
    return 0;
}
