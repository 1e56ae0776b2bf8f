#include "keptpictures.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>

#include "savefile.h"

namespace oltrave {

namespace {

constexpr quint32 kMagic = 0x4f4c5450; // "OLTP"
constexpr quint32 kVersion = 1;
// Far above what the window keeps; anything larger is not this store.
constexpr qint64 kMostBytes = 4 << 20;
constexpr quint32 kMostPictures = 64;
constexpr qint32 kMostSide = 4096;
constexpr int kMostKey = 64;
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

QByteArray pixelsOf(const QImage& picture) {
    QByteArray pixels;
    const qsizetype row = qsizetype(picture.width()) * 4;
    pixels.reserve(row * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(picture.constScanLine(y)), row);
    return pixels;
}

} // namespace

KeptPictures::KeptPictures(QString file, Writing writing)
    : file_(std::move(file)), writing_(writing) {}

KeptPictures& KeptPictures::program() {
    static KeptPictures store(
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(QStringLiteral("Oltrave/pictures")),
        Writing::WhenIdle);
    return store;
}

// A store that is not wholly as written is dropped whole: a torn or foreign
// file only means drawing again.
std::optional<QHash<QByteArray, QImage>> readKeptPictures(const QByteArray& bytes) {
    if (bytes.size() > kMostBytes)
        return std::nullopt;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 version = 0;
    quint32 count = 0;
    in >> magic >> version >> count;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion ||
        count > kMostPictures)
        return std::nullopt;
    QHash<QByteArray, QImage> pictures;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray key;
        qint32 width = 0;
        qint32 height = 0;
        double ratio = 0;
        QByteArray pixels;
        in >> key >> width >> height >> ratio >> pixels;
        if (in.status() != QDataStream::Ok || key.isEmpty() || key.size() > kMostKey ||
            width <= 0 || height <= 0 || width > kMostSide || height > kMostSide ||
            !(ratio >= 0.25 && ratio <= 16) || pixels.size() != qsizetype(width) * height * 4)
            return std::nullopt;
        QImage picture(width, height, kFormat);
        const qsizetype row = qsizetype(width) * 4;
        for (int y = 0; y < height; ++y)
            std::memcpy(picture.scanLine(y), pixels.constData() + row * y, size_t(row));
        picture.setDevicePixelRatio(ratio);
        pictures.insert(key, picture);
    }
    if (!in.atEnd())
        return std::nullopt;
    return pictures;
}

QByteArray keptPicturesBytes(const QList<std::pair<QByteArray, QImage>>& pictures) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    const qsizetype count = std::min(pictures.size(), qsizetype(kMostPictures));
    out << kMagic << kVersion << quint32(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QImage picture = pictures[i].second.convertToFormat(kFormat);
        out << pictures[i].first << qint32(picture.width()) << qint32(picture.height())
            << picture.devicePixelRatio() << pixelsOf(picture);
    }
    return bytes;
}

void KeptPictures::read() {
    read_ = true;
    QFile file(file_);
    if (file_.isEmpty() || file.size() > kMostBytes || !file.open(QIODevice::ReadOnly))
        return;
    if (std::optional<QHash<QByteArray, QImage>> pictures = readKeptPictures(file.readAll()))
        pictures_ = std::move(*pictures);
}

QImage KeptPictures::find(const QByteArray& key) {
    if (!read_)
        read();
    const auto found = pictures_.constFind(key);
    if (found == pictures_.constEnd())
        return {};
    used_.insert(key);
    return *found;
}

void KeptPictures::keep(const QByteArray& key, const QImage& picture) {
    if (key.isEmpty() || key.size() > kMostKey || picture.isNull())
        return;
    if (!read_)
        read();
    pictures_.insert(key, picture.convertToFormat(kFormat));
    used_.insert(key);
    if (writing_ != Writing::WhenIdle || writePending_ || !QCoreApplication::instance())
        return;
    writePending_ = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            writePending_ = false;
            write();
        },
        Qt::QueuedConnection);
}

bool KeptPictures::write() {
    if (file_.isEmpty() || !QDir().mkpath(QFileInfo(file_).absolutePath()))
        return false;
    QList<std::pair<QByteArray, QImage>> kept;
    for (const QByteArray& key : std::as_const(used_)) {
        const auto found = pictures_.constFind(key);
        if (found != pictures_.constEnd())
            kept.append({key, *found});
    }
    const QByteArray bytes = keptPicturesBytes(kept);
    return saveFile(file_, [&bytes](QIODevice& device,
                                    QString&) { return device.write(bytes) == bytes.size(); })
        .isEmpty();
}

} // namespace oltrave
