#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace oltrave {

// Every file the program writes goes through here: the content is written to a
// temporary file beside the target, which replaces the target only when every
// write, the flush and the close succeeded. On failure the old file is left as
// it was and nothing half-written remains.
//
// A link is followed: the file it names is replaced and the link stays a link.
// A device or pipe (say, a link to /dev/full or /dev/stdout) is written into
// directly, since renaming a file over it would destroy it; a write error it
// reports, at the latest when the content is flushed, is a failure as any other.
//
// produce writes the content into the device and returns false (with a reason
// in its error argument, if it has one) when it could not. Returns an empty
// string on success, otherwise a message naming the path and the reason.
using FileProducer = std::function<bool(QIODevice& device, QString& error)>;
QString saveFile(const QString& path, const FileProducer& produce);

} // namespace oltrave
