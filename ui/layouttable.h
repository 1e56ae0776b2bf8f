#pragma once

#include <QRect>
#include <array>

namespace oltrave::layout {

// Positions in twips from the client area's top-left corner; 15 twips make
// one pixel at 100 % scale, Qt scales the rest.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline QRect pixels(const Twips& t) {
    constexpr double kTwipsPerPixel = 15;
    return {qRound(t.left / kTwipsPerPixel), qRound(t.top / kTwipsPerPixel),
            qRound(t.width / kTwipsPerPixel), qRound(t.height / kTwipsPerPixel)};
}

inline constexpr Twips kClient{0, 0, 12510, 6165};
inline constexpr Twips kTypeCaption{120, 120, 735, 375};
inline constexpr Twips kChooser{840, 120, 2295, 375};
inline constexpr Twips kFormula{3240, 120, 4845, 315};
inline constexpr Twips kCanvas{120, 600, 6420, 5415};
inline constexpr std::array<Twips, 3> kModeLabels{{
    {6630, 600, 495, 285},
    {7110, 600, 495, 285},
    {7590, 600, 495, 285},
}};
inline constexpr std::array<Twips, 4> kBoxLabels{{
    {6645, 960, 450, 375},
    {6645, 1440, 450, 375},
    {6645, 1920, 450, 375},
    {6645, 2400, 450, 375},
}};
inline constexpr std::array<Twips, 4> kBoxes{{
    {7120, 960, 960, 375},
    {7120, 1440, 960, 375},
    {7120, 1920, 960, 375},
    {7120, 2400, 960, 375},
}};
inline constexpr Twips kPrint{6630, 2880, 1470, 390};
inline constexpr Twips kReprint{6630, 3360, 1470, 390};
inline constexpr Twips kClear{6630, 3840, 1470, 390};
inline constexpr Twips kXFrame{6630, 4320, 1455, 735};
inline constexpr Twips kXBox{120, 240, 1215, 330}; // inside the frame
inline constexpr Twips kCalculate{6630, 5160, 1470, 390};
inline constexpr Twips kZoomCaption{6660, 5650, 615, 255};
inline constexpr Twips kZoomBox{7320, 5650, 645, 330};
inline constexpr Twips kList{8160, 120, 4215, 5910};

} // namespace oltrave::layout
