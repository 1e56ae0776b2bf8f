#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/rowmarks.h"
#include "analysischecks.h"
#include "overlay/keypoints.h"

namespace oltrave::testing {
namespace {

constexpr double kZoom = 10;

// What one analysis row draws in the view ±10: the marks as the state block
// writes them and the stretches' ends.
struct RowCase {
    std::string family;
    int mode;
    std::vector<std::string> boxes;
    AnalysisProperty row;
    std::vector<std::string> marks;
    std::vector<std::pair<double, double>> stretches; // low, high
};

void expectRow(const RowCase& c) {
    SCOPED_TRACE(c.family + " mode " + std::to_string(c.mode) + " row " +
                 std::to_string(static_cast<int>(c.row)));
    const std::optional<Analysis> analysis = analysisOf(c.family, c.mode, c.boxes, true);
    ASSERT_TRUE(analysis);
    std::vector<MarkedLine> lines;
    for (MarkedLine& line : analysisMarkedLines(*analysis, DrawnCurve{}))
        if (line.row == static_cast<int>(c.row))
            lines.push_back(line);
    std::vector<std::string> marks;
    for (const MarkInstance& mark : marksInView(lines, kZoom, {}))
        marks.push_back(markText(mark));
    EXPECT_EQ(marks, c.marks);
    std::vector<std::pair<double, double>> stretches;
    for (const MarkedLine& line : lines)
        if (line.stretch)
            stretches.emplace_back(line.stretch->low, line.stretch->high);
    EXPECT_EQ(stretches, c.stretches);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(AnalysisMarks, EachRowNamesItsPointsLinesAndStretches) {
    using P = AnalysisProperty;
    const RowCase cases[] = {
        // x ^ 3 - 3 x: zeros -√3, 0, √3; max (-1, 2), min (1, -2); odd about (0, 0)
        {"cubic",
         0,
         {"1", "0", "-3", "0"},
         P::Zeros,
         {"point -1.73205080756888 , 0", "point 0 , 0", "point 1.73205080756888 , 0"},
         {}},
        {"cubic", 0, {"1", "0", "-3", "0"}, P::Extrema, {"point -1 , 2", "point 1 , -2"}, {}},
        {"cubic", 0, {"1", "0", "-3", "0"}, P::Parity, {"point 0 , 0"}, {}},
        {"cubic", 0, {"1", "0", "-3", "0"}, P::Increasing, {}, {{-kInf, -1}, {1, kInf}}},
        {"cubic", 0, {"1", "0", "-3", "0"}, P::Decreasing, {}, {{-1, 1}}},
        {"cubic", 0, {"1", "0", "-3", "0"}, P::Inflections, {"point 0 , 0"}, {}},
        // |x ^ 2 - 2 x - 3|: even about nothing, axis x = 1, range from 0
        {"quadratic", 1, {"1", "-2", "-3"}, P::Axes, {"vertical 1"}, {}},
        {"quadratic", 1, {"1", "-2", "-3"}, P::Range, {"horizontal 0"}, {}},
        {"quadratic", 1, {"1", "-2", "-3"}, P::YIntercept, {"point 0 , 3"}, {}},
        {"quadratic",
         1,
         {"1", "-2", "-3"},
         P::Extrema,
         {"point -1 , 0", "point 1 , 4", "point 3 , 0"},
         {}},
        // x ^ 2 in f(|x|) is even: the y axis
        {"quadratic", 2, {"1", "0", "-1"}, P::Parity, {"vertical 0"}, {}},
        // 2 ^ x - 3: y = -3 approached as x → -∞, no parity, nothing drawn for it
        {"exponential", 0, {"2", "-3"}, P::Asymptotes, {"horizontal -3"}, {}},
        {"exponential", 0, {"2", "-3"}, P::Parity, {}, {}},
        {"exponential", 0, {"2", "-3"}, P::Domain, {}, {{-kInf, kInf}}},
        // log2 x: the domain from 0, the y axis its asymptote
        {"logarithmic", 0, {"2", "0"}, P::Domain, {}, {{0, kInf}}},
        {"logarithmic", 0, {"2", "0"}, P::Asymptotes, {"vertical 0"}, {}},
        // tan x: the gaps at π/2 + kπ are both the domain's and the asymptotes'
        {"tangent",
         0,
         {"1", "1", "0", "0"},
         P::Domain,
         {"vertical -7.85398163397448", "vertical -4.71238898038469", "vertical -1.5707963267949",
          "vertical 1.5707963267949", "vertical 4.71238898038469", "vertical 7.85398163397448"},
         {}},
        // sin x: one period from 0, the maxima at π/2 + 2kπ
        {"sine", 0, {"1", "1", "0", "0"}, P::Period, {}, {{0, 6.283185307179586}}},
        {"sine",
         0,
         {"1", "1", "0", "0"},
         P::Extrema,
         {"point -7.85398163397448 , -1", "point -1.5707963267949 , -1",
          "point 4.71238898038469 , -1", "point -4.71238898038469 , 1", "point 1.5707963267949 , 1",
          "point 7.85398163397448 , 1"},
         {}},
    };
    for (const RowCase& c : cases)
        expectRow(c);
}

// Key Points adds the extrema, asymptotes and inflections to the selected rows.
TEST(AnalysisMarks, KeyPointsShowTheTurningRowsBesideTheSelectedOnes) {
    const std::optional<Analysis> analysis = analysisOf("cubic", 0, {"1", "0", "-3", "0"}, true);
    ASSERT_TRUE(analysis);
    const auto rowsOf = [](const std::vector<MarkedLine>& lines) {
        std::vector<int> rows;
        for (const MarkedLine& line : lines)
            rows.push_back(line.row);
        return rows;
    };
    const int zeros = static_cast<int>(AnalysisProperty::Zeros);
    const int extrema = static_cast<int>(AnalysisProperty::Extrema);
    const int inflections = static_cast<int>(AnalysisProperty::Inflections);
    EXPECT_EQ(rowsOf(analysisLinesShown(*analysis, {}, {}, false)), std::vector<int>{});
    EXPECT_EQ(rowsOf(analysisLinesShown(*analysis, {}, {zeros}, false)), std::vector<int>{zeros});
    EXPECT_EQ(rowsOf(analysisLinesShown(*analysis, {}, {zeros}, true)),
              (std::vector<int>{zeros, extrema, inflections}));
}

} // namespace
} // namespace oltrave::testing
