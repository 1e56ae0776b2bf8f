#include "guimodule.h"

#include <cstdio>

#include "platform/loadablemodule.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

int runInModule(const char* entry, const Invocation& invocation, char* programPath) {
    QString problem;
    const auto run = reinterpret_cast<ModuleEntry>(
        resolveModuleEntry(moduleCandidates(QStringLiteral(OLTRAVE_MODULE_NAME),
                                            QStringLiteral(OLTRAVE_MODULE_INSTALLED)),
                           entry, problem));
    if (run)
        return run(invocation, programPath);
    if (problem.isEmpty())
        problem = QStringLiteral("%1 is not installed").arg(QStringLiteral(OLTRAVE_MODULE_NAME));
    std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(problem));
    return kExitShownFailure;
}

} // namespace

int runWindowInModule(const Invocation& invocation, char* programPath) {
    return runInModule(kWindowEntry, invocation, programPath);
}

int runRenderInModule(const Invocation& invocation, char* programPath) {
    return runInModule(kRenderEntry, invocation, programPath);
}

} // namespace oltrave::cli
