#pragma once

#include <string>

namespace oltrave {

// The ordered list of result lines. It never sorts.
class ResultList {
public:
    virtual ~ResultList() = default;

    virtual void clear() = 0;
    virtual void append(const std::string& line) = 0;
    // A line shown in exact form, with the decimal program's line behind it.
    virtual void appendExact(const std::string& line, const std::string& decimalLine) {
        (void)decimalLine;
        append(line);
    }
};

} // namespace oltrave
