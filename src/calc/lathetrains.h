#pragma once

// The change gears that cut a worm's lead on a lathe. The lead pz = z1 × π × m is no ratio of
// whole numbers, so no train gives it exactly: the finder returns the trains whose leads come
// nearest, over every position of the lathe's gearbox. A simple train is A → B (an idler between
// them does not change the ratio); a compound one is A → B with C, on B's stud, driving D. The
// lead is the screw's pitch × the gearbox ratio × A ÷ B, or × (A × C) ÷ (B × D), each physical
// gear used at most once. The search runs over the sorted products of gear pairs, so that a box
// of a hundred gears is searched without enumerating every train.

#include "calc/geartrains.h"
#include "calc/lathe.h"
#include "model/fault.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <variant>

class FormState;

// One lead that the lathe can cut: the positions of its gearbox that give it, and at the first
// of them a ratio of whole numbers.
struct LeadRow {
    int position = 0;           // in Lathe::positions(): the first that gives the lead
    QList<int> positions;       // every position that gives it, in the gearbox's order
    std::int64_t numerator = 1; // the train's ratio at `position`, in lowest terms
    std::int64_t denominator = 1;
    GearTrain train;            // the simplest train that gives it, in an order that fits
    qsizetype others = 0;       // further trains that give the same ratio
    double lead = 0;            // mm
    double error = 0;           // lead − wanted, mm: a plus is a longer lead
    double micronsPer100mm = 0; // the error over 100 mm of thread
    std::optional<double> micronsOverLength; // over the worm's length, when it is known

    // Whether the starts can be indexed by turning the spindle: A a multiple of z1.
    bool indexable(int z1) const { return z1 > 1 && train.a % z1 == 0; }
};

class LatheTrainFinder {
public:
    explicit LatheTrainFinder(Lathe lathe);

    const Lathe& lathe() const { return m_lathe; }

    // The `count` nearest distinct leads to `wanted` mm, nearest first (then by lead). Two trains
    // give the same lead when their ratios are equal at one position, or their leads agree to
    // twelve digits at two; such a lead is one row, its train shown for the first position.
    // Trains that the banjo does not reach are left out.
    QList<LeadRow> nearest(double wanted, std::optional<double> length, qsizetype count = 20) const;

    // Every train of the ratio numerator ÷ denominator, each in its first order that fits.
    QList<GearTrain> trainsOf(std::int64_t numerator, std::int64_t denominator) const;

private:
    struct Pair {
        std::int64_t product = 0;
        int low = 0;
        int high = 0;
    };

    struct Position {
        int index = 0;
        double scale = 1; // the screw's pitch × the gearbox ratio
    };
    class Best;

    bool holds(std::initializer_list<int> gears) const;
    // The walks outwards from the ratio a position needs, offering each lead to `best` until
    // it can take no nearer one.
    void walkSimple(const Position& position, double wanted, Best& best) const;
    void walkCompound(const Position& position, double wanted, Best& best) const;
    // The row for a lead: its simplest train and how many others give it.
    LeadRow rowFor(int position, std::int64_t numerator, std::int64_t denominator, double lead,
                   double wanted, std::optional<double> length) const;
    // The first of a compound train's four orders that fits, if any.
    std::optional<GearTrain> fitting(int a, int b, int c, int d) const;

    Lathe m_lathe;
    std::map<int, int> m_counts; // how many gears of each count the box holds
    QList<int> m_teeth;          // each count once, ascending
    QList<Pair> m_pairs;         // every pair of two gears of the box, by product
};

// The lead the worm needs: z1 × π × m, with the full π.
double wormLead(double module, int starts);

// The form's worm as the lathe cuts it, or the fault of m or z1: m that does not read or is not
// above zero, z1 that is no number of starts, or a lead too large to be a number.
struct LatheWorm {
    double module = 0;
    int starts = 1;
    double lead = 0; // mm
};
std::variant<LatheWorm, Fault> latheWorm(const FormState& form);

// Beyond this share of the lead the nearest train cuts another worm: the lathe cannot cut it.
inline constexpr double largestLeadMiss = 0.01;

// How far the nearest lead misses `wanted`, as a share of it; nothing when it is within
// largestLeadMiss, infinity when the lathe has no train at all.
std::optional<double> leadOutOfReach(const QList<LeadRow>& rows, double wanted);

// The row of the lead chosen (the first where it is not among them).
qsizetype chosenRow(const QList<LeadRow>& rows, std::optional<double> lead);

// The gearbox positions of a row, as "A, C".
QString positionNames(const Lathe& lathe, const QList<int>& positions, const QLocale& locale);

// "This lathe cannot cut the worm: …", with the nearest lead and by how much it misses.
QString leadOutOfReachText(const QList<LeadRow>& rows, double wanted, double miss,
                           const QLocale& locale);

// An error to 0.1 µm with its sign: a plus means the cut lead is longer.
QString signedFigure(double x, const QLocale& locale);
