#pragma once

namespace oltrave::cli {

struct Invocation;

// oltrave sound: the plotted curve's sweep as a WAV file; no window, no display,
// no sound device.
int runSound(const Invocation& invocation, char* programPath);

} // namespace oltrave::cli
