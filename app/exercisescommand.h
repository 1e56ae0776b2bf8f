#pragma once

namespace oltrave::cli {

struct Invocation;

// oltrave exercises: a practice set as a PDF, its answers at the end, and with
// --key the answers as a JSON list of analyse --json objects.
int runExercises(const Invocation& invocation, char* programPath);

} // namespace oltrave::cli
