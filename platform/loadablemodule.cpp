#include "loadablemodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace oltrave {

QStringList moduleCandidates(const QString& name, const QString& installedPath,
                             const QString& builtPath) {
    const QDir programDir(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    QStringList candidates{programDir.filePath(name), programDir.filePath(installedPath)};
    if (!builtPath.isEmpty())
        candidates << builtPath;
    return candidates;
}

QFunctionPointer resolveModuleEntry(const QStringList& candidates, const char* entry,
                                    QString& problem) {
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: what it made may live until the end.
        QLibrary module(path);
        const QFunctionPointer found = module.resolve(entry);
        if (!found)
            problem = module.errorString();
        return found;
    }
    return nullptr;
}

} // namespace oltrave
