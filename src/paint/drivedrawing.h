#pragma once

// The to-scale drawing of the drive on the job sheet: the wheel seen along its axis (circles
// da2, d2, df2) with the worm below it at the centre distance A (length L, thread pitch P,
// diameters da1, d1, df1), and beside it a side view of the wheel blank as it is turned (face
// width ba, outer diameter de2, the throat of radius rk about the worm's axis) and the worm's
// circles. Every dimension carries its symbol and its field's text. The scale is the largest
// drafting scale at which everything fits the area.

#include "calc/jobsheet.h"

#include <QLocale>
#include <QPointF>
#include <QRectF>

class QPainter;

struct DrawingLayout {
    double pointsPerMm = 0;  // page points per millimetre of the drive
    double paperPerMm = 0;   // the drafting scale: millimetres on paper per millimetre of drive
    QPointF wheelCentre;     // front view, the wheel's axis
    QPointF wormCentre;      // front view, the middle of the worm's axis
    QPointF sideWheelCentre; // side view, the middle of the wheel's width on its axis
    QPointF sideWormCentre;  // side view, the worm's axis
};

// Where the views go in `area` (page points), or nothing when the area is too small or no
// drafting scale down to 1:10000 fits the drive into it.
std::optional<DrawingLayout> layoutDrawing(const DriveDimensions& drive, const QRectF& area);

// "Ölçek 1:2", "Ölçek 2:1" or "Ölçek 1:2,5", in the locale's number format.
QString scaleCaption(double paperPerMm, const QLocale& locale);

// Paints both views with their dimensions; the painter works in page points.
void paintDrawing(QPainter& painter, const DriveDimensions& drive, const DrawingLayout& layout);
