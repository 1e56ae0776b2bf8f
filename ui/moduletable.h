#pragma once

#include <QMessageBox>
#include <QString>

#include "platform/loadablemodule.h"

namespace oltrave {

// The table of the module named, opened on its first use and kept. One that
// cannot be opened is reported over parent, message's %1 giving the reason,
// and tried again next time, so a module put back in place works without a
// restart.
template <typename Table>
const Table* moduleTable(const char* name, QWidget& parent, const QString& title,
                         const QString& message) {
    static const Table* found = nullptr;
    if (found)
        return found;
    QString problem;
    found = static_cast<const Table*>(loadModule(QString::fromLatin1(name), problem));
    if (!found)
        QMessageBox::warning(&parent, title, message.arg(problem));
    return found;
}

} // namespace oltrave
