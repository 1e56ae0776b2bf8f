#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace oltrave {

namespace {

// As many links in a row as the kernel follows before it gives up.
constexpr int kMostLinks = 40;

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Qt says "Unknown error" when the system gave no reason it kept; errno, when
// it still holds one, is the better word.
QString deviceReason(const QFileDevice& file, int error) {
    // Qt's own words, in the language Qt speaks.
    static const char* const kQtUnknown = "Unknown error";
    const QString said = file.errorString();
    if (file.error() != QFileDevice::NoError &&
        said != QCoreApplication::translate("QIODevice", kQtUnknown))
        return said;
    return systemReason(error != 0 ? error : EIO);
}

struct Target {
    QByteArray path; // with no link left at its end
    QString refusal;
};

// A link in a folder anyone may write into, where only owners may delete, can
// have been planted by another user: it is trusted only when the user or the
// folder's owner made it.
bool plantedByAnother(const struct stat& link, const QByteArray& folder) {
    struct stat dir {};
    if (::stat(folder.constData(), &dir) != 0)
        return false;
    const bool shared = (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != dir.st_uid;
}

// Follows the links at the end of path as opening it would, one at a time, so
// that every link on the way is judged.
Target resolve(const QString& path) {
    QByteArray current = QFile::encodeName(path);
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat node {};
        if (::lstat(current.constData(), &node) != 0 || !S_ISLNK(node.st_mode))
            return {current, {}};
        const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(current)).path());
        if (plantedByAnother(node, folder))
            return {
                {},
                QCoreApplication::translate(
                    "oltrave::SaveFile", "refused: a link another user made in a shared folder")};
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(current.constData(), buffer, sizeof buffer);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer)
            return {{}, systemReason(length < 0 ? errno : ENAMETOOLONG)};
        const QByteArray next(buffer, length);
        current = next.startsWith('/') ? next : folder + '/' + next;
    }
    return {{}, systemReason(ELOOP)};
}

bool isStandardOutput(const struct stat& node) {
    struct stat out {};
    return ::fstat(STDOUT_FILENO, &out) == 0 && out.st_dev == node.st_dev &&
           out.st_ino == node.st_ino;
}

// Standard output is written into as it is: it holds no old content to keep,
// and replacing it by a renamed file would destroy it.
QString writeInPlace(const QString& path, const FileProducer& produce) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    QString reason;
    errno = 0;
    const bool produced = produce(file, reason);
    // The last buffered bytes are written here; a full device says so now.
    const bool flushed = file.flush();
    const int error = errno;
    const bool failed = !produced || !flushed || file.error() != QFileDevice::NoError;
    const QString written = failed ? deviceReason(file, error) : QString();
    file.close();
    if (!produced)
        return failure(path, reason.isEmpty() ? written : reason);
    if (failed)
        return failure(path, written);
    return {};
}

} // namespace

QString outOfMemory() {
    return QCoreApplication::translate("oltrave::SaveFile", "out of memory");
}

QString saveFile(const QString& path, const FileProducer& produce) {
    const Target target = resolve(path);
    if (!target.refusal.isEmpty())
        return failure(path, target.refusal);
    const QString resolved = QFile::decodeName(target.path);
    // Asked of the path itself: the kernel follows links a text cannot name,
    // such as /dev/stdout's.
    struct stat node {};
    if (::stat(QFile::encodeName(path).constData(), &node) == 0 && !S_ISREG(node.st_mode) &&
        !S_ISDIR(node.st_mode)) {
        if (isStandardOutput(node))
            return writeInPlace(path, produce);
        return failure(
            path, QCoreApplication::translate("oltrave::SaveFile",
                                              "refused: a device, pipe or socket, not a file"));
    }

    QSaveFile file(resolved);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    QString reason;
    errno = 0;
    if (!produce(file, reason)) {
        const QString written = deviceReason(file, errno);
        file.cancelWriting();
        return failure(path, reason.isEmpty() ? written : reason);
    }
    // QSaveFile::commit() renames even when its final flush failed, so the
    // last buffered bytes are written, and the data pushed to the disk, here:
    // a file system that is full or failing says so before the old file goes.
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError || ::fsync(file.handle()) != 0) {
        const QString written = deviceReason(file, errno);
        file.cancelWriting();
        return failure(path, written);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return {};
}

} // namespace oltrave
