#include "exactmodule.h"

#include <cstdio>

#include "exact/exactengine.h"
#include "platform/loadablemodule.h"

namespace oltrave::cli {

namespace {

const ExactEngine* loadEngine() {
    QString problem;
    if (const void* table = loadModule(QStringLiteral(OLTRAVE_EXACT_MODULE_NAME), problem))
        return static_cast<const ExactEngine*>(table);
    std::fprintf(stderr, "oltrave: no exact values: %s\n", qUtf8Printable(problem));
    return nullptr;
}

} // namespace

void useExactModule() {
    setExactEngineLoader(loadEngine);
}

} // namespace oltrave::cli
