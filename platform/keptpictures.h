#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>
#include <utility>

namespace oltrave {

// Pictures drawn once and kept between runs, so that a start shows them
// without drawing them again: the buttons' captions are laid out and filled
// as outlines, which costs more than all the rest of their first paint. Each
// picture is kept under a key that names everything it was drawn from; a
// store that cannot be read or written is only slower.
class KeptPictures {
public:
    // When the store is written by itself: the program's when it is next
    // idle, any other only when asked.
    enum class Writing { WhenIdle, WhenAsked };
    explicit KeptPictures(QString file, Writing writing = Writing::WhenAsked);

    // The picture kept under key, or a null image.
    QImage find(const QByteArray& key);
    // Keeps picture under key. The store written holds the pictures this run
    // has asked for.
    void keep(const QByteArray& key, const QImage& picture);
    // Writes the store now; false when it could not be written.
    bool write();

    // The program's store, in the person's cache folder.
    static KeptPictures& program();

private:
    void read();

    QString file_;
    Writing writing_;
    bool read_ = false;
    bool writePending_ = false;
    QHash<QByteArray, QImage> pictures_;
    QSet<QByteArray> used_;
};

// A store's bytes and back. Bytes that are not wholly a store give nothing; at
// most the first 64 pictures are written.
std::optional<QHash<QByteArray, QImage>> readKeptPictures(const QByteArray& bytes);
QByteArray keptPicturesBytes(const QList<std::pair<QByteArray, QImage>>& pictures);

} // namespace oltrave
