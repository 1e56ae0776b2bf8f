#pragma once

#include <string>

namespace oltrave {

// The ordered list of result lines. It never sorts.
class ResultList {
public:
    virtual ~ResultList() = default;

    virtual void clear() = 0;
    virtual void append(const std::string& line) = 0;
};

} // namespace oltrave
