#include "exactmodule.h"

#include <cstdio>

#include "exact/exactengine.h"
#include "platform/loadablemodule.h"

namespace oltrave::cli {

namespace {

const ExactEngine* loadEngine() {
    QString problem;
    const auto entry = reinterpret_cast<const ExactEngine* (*)()>(
        resolveModuleEntry(moduleCandidates(QStringLiteral(OLTRAVE_EXACT_MODULE_NAME),
                                            QStringLiteral(OLTRAVE_EXACT_MODULE_INSTALLED),
                                            QStringLiteral(OLTRAVE_EXACT_MODULE_BUILT)),
                           kExactEngineEntry, problem));
    if (entry)
        return entry();
    if (problem.isEmpty())
        problem =
            QStringLiteral("%1 is not installed").arg(QStringLiteral(OLTRAVE_EXACT_MODULE_NAME));
    std::fprintf(stderr, "oltrave: no exact values: %s\n", qUtf8Printable(problem));
    return nullptr;
}

} // namespace

void useExactModule() {
    setExactEngineLoader(loadEngine);
}

} // namespace oltrave::cli
