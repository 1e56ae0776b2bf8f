#pragma once

namespace oltrave::cli {

struct Invocation;

// intersect: where two curves meet, as rows or one JSON object.
int runIntersect(const Invocation& invocation, char* programPath);

} // namespace oltrave::cli
