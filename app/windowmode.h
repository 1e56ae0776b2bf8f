#pragma once

namespace oltrave::cli {

struct Invocation;

// Opens the window. Without a display it says so in one line and returns 1.
int runWindow(const Invocation& invocation, char* programPath);

// What the window mode says when it cannot open a display.
inline constexpr const char* kNoDisplay =
    "cannot open a display; `oltrave describe` works without one";

} // namespace oltrave::cli
