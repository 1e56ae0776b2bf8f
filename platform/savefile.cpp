#include "savefile.h"

#include <QDir>
#include <QSaveFile>

namespace oltrave {

QString saveFile(const QString& path, const FileProducer& produce) {
    const auto failure = [&path](const QString& reason) {
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    QString reason;
    if (!produce(file, reason)) {
        file.cancelWriting();
        return failure(reason.isEmpty() ? file.errorString() : reason);
    }
    // commit() flushes and closes before the rename, so a late write error shows here.
    if (!file.commit())
        return failure(file.errorString());
    return {};
}

} // namespace oltrave
