#pragma once

#include <QString>

namespace oltrave {

// The program's modules all live in one folder, placed relative to the
// program the same way in the build tree as once installed. Empty when the
// program's own folder could not be learnt as it started: modules are then
// never searched for anywhere else.
QString moduleFolder();

// The table a module offers, once the file is a whole shared object of this
// machine, opens, and carries the stamp of this program's version. Null
// otherwise, with the reason in problem. The module stays loaded: what it
// made may live until the end.
const void* loadModule(const QString& name, QString& problem);
const void* loadModuleFile(const QString& path, QString& problem);

} // namespace oltrave
