#include "fuzzcheck.h"
#include "platform/keptpictures.h"

using namespace oltrave;

// Any bytes: read as a store of kept pictures they give nothing, or pictures
// of the sizes a store allows that are written and read back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QHash<QByteArray, QImage>> pictures = readKeptPictures(bytes);
    if (!pictures)
        return 0;
    QList<std::pair<QByteArray, QImage>> kept;
    for (auto it = pictures->cbegin(); it != pictures->cend(); ++it) {
        const QImage& picture = it.value();
        stopOn(picture.isNull() || picture.width() > 4096 || picture.height() > 4096
                   ? "a picture of an impossible size was read"
                   : "");
        kept.append({it.key(), picture});
    }
    const std::optional<QHash<QByteArray, QImage>> again =
        readKeptPictures(keptPicturesBytes(kept));
    stopOn(again ? "" : "a written store was refused");
    for (auto it = pictures->cbegin(); it != pictures->cend(); ++it) {
        const QImage back = again->value(it.key());
        stopOn(back == it.value() && back.devicePixelRatio() == it.value().devicePixelRatio()
                   ? ""
                   : "a picture changed on its way through a store");
    }
    return 0;
}
