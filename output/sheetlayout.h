#pragma once

#include <cstddef>
#include <vector>

namespace oltrave {

// The printable rectangle of every page and the room page 1 keeps above the
// list, in device units. Plain numbers so the choices can be tested alone.
struct SheetFrame {
    double width = 0;
    double height = 0;    // down to the page number's band
    double firstTop = 0;  // below the heading and the plot on page 1
    double columnGap = 0; // between two columns of short lines
};

// Where one block (a result line or a table row) goes.
struct Placement {
    int page = 0;
    double x = 0;
    double y = 0;
    double width = 0;
};

struct SheetPlan {
    std::vector<Placement> lines;
    std::vector<Placement> rows;
    int pages = 1;
    bool twoColumns = false;
};

// The width of each of two columns.
double halfWidth(const SheetFrame& frame);

// Two columns only for a list too long for the rest of page 1 whose lines
// all fit half the width: a short list keeps its single column.
bool wantsTwoColumns(const SheetFrame& frame, const std::vector<double>& lineWidths,
                     double lineHeight);

// Lays the lines (their heights at the chosen width) down the pages, column
// by column, the last page's columns evened out; then the table's rows below
// them across the full width. A block never straddles a page break.
SheetPlan planSheet(const SheetFrame& frame, const std::vector<double>& lineHeights,
                    bool twoColumns, const std::vector<double>& rowHeights);

} // namespace oltrave
