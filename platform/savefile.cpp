#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace oltrave {

namespace {

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

// A device or pipe is written into as it is: it holds no old content to keep,
// and replacing it by a renamed file would destroy it.
QString writeInPlace(const QString& path, const FileProducer& produce) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    QString reason;
    const bool produced = produce(file, reason);
    // The last buffered bytes are written here; a full device says so now.
    const bool flushed = file.flush();
    const QString written = file.error() == QFileDevice::NoError ? QString() : file.errorString();
    file.close();
    if (!produced)
        return failure(path, reason.isEmpty() ? written : reason);
    if (!flushed || !written.isEmpty())
        return failure(path, written);
    return {};
}

} // namespace

QString saveFile(const QString& path, const FileProducer& produce) {
    // Follows links: a link to a regular file keeps being a link, and the file
    // it names is replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, produce);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    QString reason;
    if (!produce(file, reason)) {
        const QString written = file.errorString();
        file.cancelWriting();
        return failure(path, reason.isEmpty() ? written : reason);
    }
    // QSaveFile::commit() renames even when its final flush failed, so the
    // last buffered bytes are written, and the data pushed to the disk, here:
    // a file system that is full or failing says so before the old file goes.
    if (!file.flush() || ::fsync(file.handle()) != 0) {
        const QString written = file.error() != QFileDevice::NoError
                                    ? file.errorString()
                                    : QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return failure(path, written);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return {};
}

} // namespace oltrave
