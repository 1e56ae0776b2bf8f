#pragma once

#include <QRgb>

namespace oltrave::colours {

// The window's own colours, beside the layout table. The text boxes, the list
// and the plotting area take the platform's menu-bar colour instead
// (menuBarColour()), and the axes the plotting area's text colour.
inline constexpr QRgb kHighlight = qRgb(0xC0, 0xC0, 0xFF); // chooser, formula, chosen mode
inline constexpr QRgb kChooserFrame = qRgb(0x90, 0x90, 0xC8);
inline constexpr QRgb kChooserFocus = qRgb(0x20, 0x20, 0x70); // its frame when Tab reached it
inline constexpr QRgb kXFrame = qRgb(0xC0, 0xCF, 0xFF);       // behind the x box
inline constexpr QRgb kCaptionGrey = qRgb(0x80, 0x80, 0x80);  // "Type*"
inline constexpr QRgb kSkyTop = qRgb(0xCF, 0xE2, 0xFF);       // the background, at its top
inline constexpr QRgb kSkyBottom = qRgb(0xE6, 0xE1, 0xFA);    // and at its foot
inline constexpr QRgb kWindowGrey = qRgb(0xE0, 0xE0, 0xE0);   // where the background ends
inline constexpr QRgb kAboutOutline = qRgb(0x80, 0x80, 0xFF); // the About screen's edge
inline constexpr QRgb kReadingMark = qRgb(0xE0, 0x90, 0x00);  // a box not read whole

} // namespace oltrave::colours
