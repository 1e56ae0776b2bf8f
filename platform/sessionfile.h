#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/savedsession.h"

namespace oltrave {

// The suffix of session files.
inline constexpr char kSessionSuffix[] = "oltrave";
// What a session file says it holds.
inline constexpr char kSessionFormatName[] = "oltrave-session";
// A session file larger than this is refused before it is read.
inline constexpr qint64 kLargestSessionFile = qint64(256) * 1024 * 1024;

// A session as JSON, with the format's name and number.
QByteArray sessionJson(const SavedSession& saved);

// What reading a session gave: the session, or why it was refused.
struct SessionReading {
    std::optional<SavedSession> session;
    QString problem; // one line: which kind of refusal, then why
};

// Reads a session from JSON; refuses a text that is not a session, is damaged
// (the line or the field named), is of a newer format or holds a value the
// program could never have written.
SessionReading readSessionJson(const QByteArray& json);

// The same from a file, refusing one that is too large to be a session.
SessionReading readSessionFile(const QString& path);
// Writes through the program's one file writer; empty on success, otherwise
// the path and the reason.
QString writeSessionFile(const QString& path, const SavedSession& saved);

} // namespace oltrave
