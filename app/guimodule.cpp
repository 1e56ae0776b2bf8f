#include "guimodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

#include "subcommands.h"

namespace oltrave::cli {

namespace {

// Beside the program in the build tree; under the library folder once installed.
QStringList moduleCandidates() {
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return {
        QDir(programDir).filePath(QStringLiteral(OLTRAVE_MODULE_NAME)),
        QDir(programDir).filePath(QStringLiteral(OLTRAVE_MODULE_INSTALLED)),
    };
}

int runInModule(const char* entry, const Invocation& invocation, char* programPath) {
    QString problem;
    for (const QString& path : moduleCandidates()) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        const auto run = reinterpret_cast<ModuleEntry>(module.resolve(entry));
        if (run)
            return run(invocation, programPath);
        problem = module.errorString();
        break;
    }
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
