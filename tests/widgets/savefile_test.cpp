#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/savefile.h"

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

    // A link to a full device: the error is reported, the device and the link
    // stay what they were. As root the device is a private copy of /dev/full
    // on a tmpfs, so a fault here cannot replace the system's.
    void aLinkToAFullDeviceReportsTheError() {
        SmallTmpfs fs("size=1m");
        QTemporaryDir fallback;
        QString device = QStringLiteral("/dev/full");
        QString dir = fallback.path();
        if (::geteuid() == 0) {
            MOUNT_OR_SKIP(fs);
            dir = fs.path();
            device = fs.path("full");
            QCOMPARE(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)),
                     0);
        }
        const QString link = dir + "/plot.png";
        QVERIFY(QFile::link(device, link));

        const QString error = saveFile(link, writing(kNew));
        QVERIFY2(error.startsWith(link + ": "), qPrintable(error));
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(error));
        struct stat node {};
        QCOMPARE(::stat(QFile::encodeName(device).constData(), &node), 0);
        QVERIFY(S_ISCHR(node.st_mode));
        QCOMPARE(QFileInfo(link).symLinkTarget(), device);
        QStringList expected{"plot.png"};
        if (device != QLatin1String("/dev/full"))
            expected.prepend("full");
        QCOMPARE(entries(dir), expected);
    }

    // A link to a picture: the picture is replaced, the link stays a link.
    void aLinkToAFileReplacesTheFile() {
        QTemporaryDir dir;
        const QString target = dir.filePath("real.png");
        const QString link = dir.filePath("plot.png");
        QVERIFY(writeFile(target, kOld));
        QVERIFY(QFile::link(target, link));
        QCOMPARE(saveFile(link, writing(kNew)), QString());
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
