#pragma once

// What the catalogue's tests share: an ask of housings, ratios and speeds at a service factor of
// 1,25, so that the unit's own limit and the catalogue's differ in every figure.

#include "calc/catalogue.h"

inline CatalogueAsk askOf(QList<double> housings, QList<double> ratios, QList<double> speeds) {
    CatalogueAsk ask;
    ask.housings = std::move(housings);
    ask.ratios = std::move(ratios);
    ask.speeds = std::move(speeds);
    ask.serviceFactor = 1.25;
    return ask;
}
