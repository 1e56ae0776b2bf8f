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
// A link is followed when its owner may be trusted: the file it names is
// replaced and the link stays a link. In a sticky, world-writable folder (such
// as /tmp) a link owned by neither the user nor the folder's owner is refused,
// as the kernel's protected_symlinks does: another user could have planted it
// to have the user's file replaced.
//
// A device, pipe or socket is refused (writing into it could block or feed
// another program), except the program's own standard output, which is
// written into directly: a write error it reports, at the latest when the
// content is flushed, is a failure as any other.
//
// produce writes the content into the device and returns false (with a reason
// in its error argument, if it has one) when it could not. Returns an empty
// string on success, otherwise a message naming the path and the reason.
using FileProducer = std::function<bool(QIODevice& device, QString& error)>;
QString saveFile(const QString& path, const FileProducer& produce);

// The reason a producer gives when its content could not be allocated.
QString outOfMemory();

} // namespace oltrave
