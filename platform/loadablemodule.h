#pragma once

#include <QString>
#include <QStringList>

namespace oltrave {

// The program's loadable modules live beside the program in the build tree and
// under its library folder once installed; builtPath, when given, is where
// this build tree made the module, for programs that run from elsewhere in it.
// installedPath is relative to the program's folder.
QStringList moduleCandidates(const QString& name, const QString& installedPath,
                             const QString& builtPath = {});

// The entry point of the first candidate that exists, opened and kept open.
// Null when it has no such entry, with the reason in problem, or when no
// candidate exists, with problem left empty for the caller to word.
QFunctionPointer resolveModuleEntry(const QStringList& candidates, const char* entry,
                                    QString& problem);

} // namespace oltrave
