#pragma once

#include <QString>
#include <string_view>

namespace oltrave::cli {

// Writes text to standard output as UTF-8.
void writeOut(const QString& text);
// Writes UTF-8 bytes to standard output as they are.
void writeOut(std::string_view text);

// Flushes standard output. When that or an earlier write failed (a full disk,
// a closed pipe), says why on standard error and gives kExitFile; else status.
int finishOutput(int status);

} // namespace oltrave::cli
