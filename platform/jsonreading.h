#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <rapidjson/document.h>

namespace oltrave {

// Where and why a text is not JSON, in Qt's words.
struct JsonDamage {
    int line = 1; // from 1
    QString reason;
};

// Reads the text into the document as Qt's reader takes it (no deeper than
// Qt nests, every byte read, numbers to the nearest double) without
// recursion, however deep the text nests; otherwise where and why not.
std::optional<JsonDamage> readJson(const QByteArray& json, rapidjson::Document& document);

} // namespace oltrave
