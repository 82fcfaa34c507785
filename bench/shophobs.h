#pragma once

// The shop the design and catalogue benchmarks assume: 50 hobs of the standard worms' sizes,
// one to four starts in turn.

#include "calc/hob.h"
#include "calc/standardworms.h"

inline QList<Hob> fiftyHobs() {
    QList<Hob> hobs;
    const QList<StandardWorm> worms = standardWorms();
    for (int h = 0; h < 50; ++h) {
        const StandardWorm& worm = worms.at(h % worms.size());
        Hob hob;
        hob.name = QStringLiteral("H%1").arg(h);
        hob.module = worm.module;
        hob.starts = 1 + h % 4;
        hob.pitchDiameter = worm.d1;
        hobs.append(hob);
    }
    return hobs;
}
