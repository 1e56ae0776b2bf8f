#pragma once

#include <QRectF>
#include <vector>

class QPainter;

namespace oltrave {

// Where the lines of a grid from -reach to reach go, and which carry a
// number: every whole unit up to a reach of 12, then 1, 2 or 5 times a power
// of ten, about ten lines each side.
struct GridTicks {
    double step = 1;        // between lines
    int labelEvery = 1;     // a number on every n-th line
    std::vector<double> at; // the lines, ascending, 0 among them
};
GridTicks gridTicks(double reach);

// A blank grid a student draws on: light lines, the axes, their numbers
// outside the grid on the left and below; square of side target's smaller side.
void paintBlankGrid(QPainter& painter, const QRectF& target, double reach, double lineWidth);

} // namespace oltrave
