#pragma once

// The choices each tool keeps for the next job and the next start, in the user's zorvandi.conf:
// the turner's α and wire, the rating's inputs, the design's ask and the catalogue's. Read and
// written here only, for the windows and the command line alike, with one rule for a value that
// is not what its tool takes (a hand edit, an older program): a value that does not read as its
// type, or a set that breaks a rule of its calculation, gives that tool's defaults as a whole, so
// that no tool starts from half of one set and half of another.

#include "calc/catalogue.h"
#include "calc/design.h"
#include "calc/rating.h"
#include "calc/selection.h"
#include "calc/turnerfigures.h"

#include <QSettings>

namespace KeptChoices {

// The turner's α and wire; the thread's thinning is the job's, never kept here.
WireGauge gauge(const QSettings& settings);
void keep(QSettings& settings, const WireGauge& gauge);

RatingInputs ratingInputs(const QSettings& settings);
void keep(QSettings& settings, const RatingInputs& inputs);

// The design's modules, starts, tolerance, q and x2 ranges, way of choosing worms and N1 (the
// housing and ratio are each design's own). Before any choice the worms are the shop's hobs
// when it has one, else a new diameter.
DesignAsk designAsk(const QSettings& settings, bool shopHasHobs);
void keep(QSettings& settings, const DesignAsk& ask);

// The catalogue's housings, ratios, speeds, worms, tolerance, α, casting, service factor,
// ambient, fan and oil limit; its worms default as the design's do.
CatalogueAsk catalogueAsk(const QSettings& settings, bool shopHasHobs);
void keep(QSettings& settings, const CatalogueAsk& ask);

// The selection tables' motors (their powers and the poles of the list) and least factor.
SelectionAsk selectionAsk(const QSettings& settings);
void keep(QSettings& settings, const SelectionAsk& ask);

} // namespace KeptChoices
