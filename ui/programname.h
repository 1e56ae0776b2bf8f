#pragma once

#include <QString>

namespace oltrave {

// The program's name as its windows and worksheets show it.
inline QString programName() {
    return QStringLiteral("Oltrave 函数计算器");
}

} // namespace oltrave
