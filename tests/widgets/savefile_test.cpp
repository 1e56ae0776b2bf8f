#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/savefile.h"
#include "platform/soundfile.h"

using oltrave::saveFile;

namespace {

const QByteArray kOld = QByteArray("old picture, kept byte for byte\n").repeated(300);
const QByteArray kNew = QByteArray("new picture\n").repeated(20000); // 240 KB

oltrave::FileProducer writing(const QByteArray& content) {
    return
        [content](QIODevice& device, QString&) { return device.write(content) == content.size(); };
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// A small file system of its own, mounted for one test and gone after it.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const char* options) {
        if (!dir_.isValid())
            return;
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options) == 0)
            mounted_ = true;
        else
            why_ = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallTmpfs() {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    QString path(const QString& name = {}) const {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }
    bool readOnly() {
        return ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};

#define MOUNT_OR_SKIP(fs)                                                                          \
    if (!(fs).mounted())                                                                           \
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs (%1); it needs root with "     \
                                        "CAP_SYS_ADMIN")                                           \
                             .arg((fs).why())));

} // namespace

// Every failure leaves the old file as it was, nothing half-written beside it,
// and a message naming the path and the system's reason.
class SaveFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesAndReplaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath("plot.png");
        QCOMPARE(saveFile(path, writing(kOld)), QString());
        QCOMPARE(contents(path), kOld);
        QCOMPARE(saveFile(path, writing(kNew)), QString());
        QCOMPARE(contents(path), kNew);
        QCOMPARE(entries(dir.path()), QStringList{"plot.png"});
    }

    void aFullDiskKeepsTheOldFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("fails while written") << kNew;
        QTest::newRow("fails only when flushed") << kNew.left(100);
    }
    void aFullDiskKeepsTheOldFile() {
        QFETCH(QByteArray, content);
        SmallTmpfs fs("size=128k");
        MOUNT_OR_SKIP(fs);
        const QString path = fs.path("plot.png");
        QVERIFY(writeFile(path, kOld));
        // Fill what is left: the new picture cannot fit.
        QFile filler(fs.path("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        const QString error = saveFile(path, writing(content));
        QVERIFY2(error.startsWith(path + ": "), qPrintable(error));
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(error));
        QCOMPARE(contents(path), kOld);
        QCOMPARE(entries(fs.path()), (QStringList{"filler", "plot.png"}));
    }

    // The sound writer's short write names the system's reason, not Qt's
    // "Unknown error".
    void aSoundOnAFullDiskSaysWhy() {
        SmallTmpfs fs("size=64k");
        MOUNT_OR_SKIP(fs);
        const QString path = fs.path("sweep.wav");
        const oltrave::sound::Samples samples(100000, 0); // 200 KB
        const QString error = oltrave::saveSoundFile(path, samples);
        QVERIFY2(error.startsWith(path + ": "), qPrintable(error));
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(error));
        QCOMPARE(entries(fs.path()), QStringList());
    }

    void aReadOnlyPlaceKeepsTheOldFile() {
        SmallTmpfs fs("size=1m");
        QTemporaryDir fallback;
        const bool mounted = fs.mounted();
        const QString dir = mounted ? fs.path() : fallback.path();
        const QString path = dir + "/plot.png";
        QVERIFY(writeFile(path, kOld));
        if (mounted) {
            QVERIFY(fs.readOnly());
        } else {
            if (::geteuid() == 0)
                QSKIP("as root without mounting, a directory's permissions do not stop writes");
            QVERIFY(QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QString error = saveFile(path, writing(kNew));
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        QVERIFY2(error.startsWith(path + ": "), qPrintable(error));
        QCOMPARE(contents(path), kOld);
        QCOMPARE(entries(dir), QStringList{"plot.png"});
    }

    // Standard output on a full device, reached through a link: the error is
    // reported, whether the write or only the last flush meets it, and the
    // device and the link stay what they were. The device is a private node
    // on a tmpfs, so a fault here cannot replace the system's /dev/full.
    void standardOutputOnAFullDeviceReportsTheError_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("fails while written") << kNew;
        QTest::newRow("fails only when flushed") << kNew.left(100);
    }
    void standardOutputOnAFullDeviceReportsTheError() {
        QFETCH(QByteArray, content);
        if (::geteuid() != 0)
            QSKIP("a private device node needs root (mknod)");
        SmallTmpfs fs("size=1m");
        MOUNT_OR_SKIP(fs);
        const QString device = fs.path("full");
        QCOMPARE(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
        const QString link = fs.path("plot.png");
        QVERIFY(QFile::link(device, link));

        std::fflush(stdout);
        const int saved = ::dup(STDOUT_FILENO);
        const int full = ::open(QFile::encodeName(device).constData(), O_WRONLY);
        QVERIFY(saved >= 0 && full >= 0);
        ::dup2(full, STDOUT_FILENO);
        const QString error = saveFile(link, writing(content));
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        ::close(full);

        QVERIFY2(error.startsWith(link + ": "), qPrintable(error));
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(error));
        struct stat node {};
        QCOMPARE(::stat(QFile::encodeName(device).constData(), &node), 0);
        QVERIFY(S_ISCHR(node.st_mode));
        QCOMPARE(QFileInfo(link).symLinkTarget(), device);
        QCOMPARE(entries(fs.path()), (QStringList{"full", "plot.png"}));
    }

    // Any other device, a pipe or a socket is refused at once: nothing blocks
    // on a pipe without a reader, nothing is fed to another program.
    void aDeviceOrPipeIsRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("device") << "device";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to a pipe") << "link";
    }
    void aDeviceOrPipeIsRefused() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString node = dir.filePath("node");
        const QByteArray name = QFile::encodeName(node);
        if (kind == QLatin1String("device")) {
            if (::geteuid() != 0)
                QSKIP("a private device node needs root (mknod)");
            QCOMPARE(::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)), 0); // as /dev/null
        } else {
            QCOMPARE(::mkfifo(name.constData(), 0666), 0);
        }
        const QString path = kind == QLatin1String("link") ? dir.filePath("plot.png") : node;
        if (path != node)
            QVERIFY(QFile::link(node, path));
        const QString error = saveFile(path, writing(kNew));
        QVERIFY2(error.startsWith(path + ": refused"), qPrintable(error));
        struct stat after {};
        QCOMPARE(::stat(name.constData(), &after), 0);
        QVERIFY(S_ISCHR(after.st_mode) || S_ISFIFO(after.st_mode));
    }

    // In a sticky folder anyone may write into, a link made by another user
    // than the writer or the folder's owner is not followed, dangling or not.
    void aLinkPlantedInASharedFolder_data() {
        QTest::addColumn<uid_t>("linkOwner");
        QTest::addColumn<uid_t>("folderOwner");
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<bool>("followed");
        const uid_t me = ::geteuid();
        const uid_t other = 4242;
        const uid_t third = 4343;
        QTest::newRow("another user's link") << other << third << false << false;
        QTest::newRow("another user's dangling link") << other << third << true << false;
        QTest::newRow("the folder owner's link") << other << other << false << true;
        QTest::newRow("the user's own link") << me << third << false << true;
        QTest::newRow("the user's own dangling link") << me << third << true << true;
    }
    void aLinkPlantedInASharedFolder() {
        QFETCH(uid_t, linkOwner);
        QFETCH(uid_t, folderOwner);
        QFETCH(bool, dangling);
        QFETCH(bool, followed);
        if (::geteuid() != 0)
            QSKIP("links and folders of other users need root (lchown)");
        QTemporaryDir dir;
        const QString shared = dir.filePath("shared");
        QVERIFY(QDir().mkdir(shared));
        const QByteArray sharedName = QFile::encodeName(shared);
        QCOMPARE(::chmod(sharedName.constData(), 01777), 0);
        QCOMPARE(::chown(sharedName.constData(), folderOwner, folderOwner), 0);
        const QString target = dir.filePath("mine.txt");
        if (!dangling)
            QVERIFY(writeFile(target, kOld));
        const QString link = shared + "/plot.png";
        QVERIFY(QFile::link(target, link));
        QCOMPARE(::lchown(QFile::encodeName(link).constData(), linkOwner, linkOwner), 0);

        const QString error = saveFile(link, writing(kNew));
        QVERIFY(QFileInfo(link).isSymLink());
        if (followed) {
            QCOMPARE(error, QString());
            QCOMPARE(contents(target), kNew);
        } else {
            QVERIFY2(error.startsWith(link + ": refused"), qPrintable(error));
            QCOMPARE(QFile::exists(target), !dangling);
            if (!dangling)
                QCOMPARE(contents(target), kOld);
        }
        QCOMPARE(entries(shared), QStringList{"plot.png"});
    }

    // A link to a picture: the picture is replaced, the link stays a link. A
    // relative link is read from its own folder, not from the working one.
    void aLinkToAFileReplacesTheFile_data() {
        QTest::addColumn<bool>("relative");
        QTest::newRow("absolute") << false;
        QTest::newRow("relative") << true;
    }
    void aLinkToAFileReplacesTheFile() {
        QFETCH(bool, relative);
        QTemporaryDir dir;
        const QString target = dir.filePath("real.png");
        const QString link = dir.filePath("plot.png");
        QVERIFY(writeFile(target, kOld));
        const QByteArray pointsTo = relative ? QByteArray("real.png") : QFile::encodeName(target);
        QCOMPARE(::symlink(pointsTo.constData(), QFile::encodeName(link).constData()), 0);
        // Elsewhere, so that a link read from the working folder shows.
        QTemporaryDir elsewhere;
        const QString was = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QString error = saveFile(link, writing(kNew));
        QVERIFY(QDir::setCurrent(was));
        QCOMPARE(error, QString());
        QVERIFY(QDir(elsewhere.path()).isEmpty());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(target), kNew);
        QCOMPARE(entries(dir.path()), (QStringList{"plot.png", "real.png"}));
    }

    void aFailingProducerKeepsTheOldFile_data() {
        QTest::addColumn<QString>("reason");
        QTest::newRow("with its reason") << "the picture is empty";
        QTest::newRow("without one") << "";
    }
    void aFailingProducerKeepsTheOldFile() {
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("plot.png");
        QVERIFY(writeFile(path, kOld));
        const QString error = saveFile(path, [&reason](QIODevice& device, QString& why) {
            device.write(kNew.left(1000));
            why = reason;
            return false;
        });
        QVERIFY2(error.startsWith(path + ": "), qPrintable(error));
        QVERIFY(error.size() > path.size() + 2);
        if (!reason.isEmpty())
            QCOMPARE(error, path + ": " + reason);
        QCOMPARE(contents(path), kOld);
        QCOMPARE(entries(dir.path()), QStringList{"plot.png"});
    }

    void aDirectoryIsNotReplaced() {
        QTemporaryDir dir;
        const QString error = saveFile(dir.path(), writing(kNew));
        QVERIFY2(error.startsWith(dir.path() + ": "), qPrintable(error));
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_MAIN(SaveFileTest)
#include "savefile_test.moc"
