#include "keptpictures.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstring>

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
void KeptPictures::read() {
    read_ = true;
    QFile file(file_);
    if (file_.isEmpty() || file.size() > kMostBytes || !file.open(QIODevice::ReadOnly))
        return;
    QDataStream in(file.readAll());
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 version = 0;
    quint32 count = 0;
    in >> magic >> version >> count;
    if (magic != kMagic || version != kVersion || count > kMostPictures)
        return;
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
            return;
        QImage picture(width, height, kFormat);
        const qsizetype row = qsizetype(width) * 4;
        for (int y = 0; y < height; ++y)
            std::memcpy(picture.scanLine(y), pixels.constData() + row * y, size_t(row));
        picture.setDevicePixelRatio(ratio);
        pictures.insert(key, picture);
    }
    if (!in.atEnd())
        return;
    pictures_ = std::move(pictures);
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
    QSaveFile file(file_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    QList<QHash<QByteArray, QImage>::const_iterator> kept;
    for (const QByteArray& key : std::as_const(used_)) {
        const auto found = pictures_.constFind(key);
        if (found != pictures_.constEnd() && kept.size() < qsizetype(kMostPictures))
            kept.append(found);
    }
    out << kMagic << kVersion << quint32(kept.size());
    for (const auto& found : std::as_const(kept)) {
        out << found.key() << qint32(found->width()) << qint32(found->height())
            << found->devicePixelRatio() << pixelsOf(*found);
    }
    return out.status() == QDataStream::Ok && file.commit();
}

} // namespace oltrave
