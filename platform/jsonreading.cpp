#include "jsonreading.h"

#include <QJsonDocument>
#include <charconv>
#include <cstdint>
#include <rapidjson/encodedstream.h>
#include <rapidjson/memorystream.h>
#include <string_view>
#include <system_error>

namespace oltrave {

namespace {

// The line of the text at which the reading stopped, from 1.
int lineAt(const QByteArray& json, qint64 offset) {
    return 1 + static_cast<int>(json.left(offset).count('\n'));
}

// Builds the document as Qt's reader would take the text: no deeper than Qt
// nests, every byte read.
class QtLimits {
public:
    explicit QtLimits(rapidjson::Document& document) : document_(document) {}

    bool Null() { return document_.Null(); }
    bool Bool(bool b) { return document_.Bool(b); }
    bool Int(int i) { return document_.Int(i); }
    bool Uint(unsigned u) { return document_.Uint(u); }
    bool Int64(std::int64_t i) { return document_.Int64(i); }
    bool Uint64(std::uint64_t u) { return document_.Uint64(u); }
    bool Double(double d) { return document_.Double(d); }
    // Numbers come as text and are converted here: the reader's own
    // full-precision conversion has undefined behaviour on a zero with a
    // large exponent ("0e+71").
    bool RawNumber(const char* text, rapidjson::SizeType length, bool) {
        const std::string_view number(text, length);
        const char* end = text + length;
        if (number.find_first_of(".eE") == std::string_view::npos) {
            std::int64_t whole = 0;
            if (std::from_chars(text, end, whole).ec == std::errc{})
                return document_.Int64(whole);
            std::uint64_t large = 0;
            if (std::from_chars(text, end, large).ec == std::errc{})
                return document_.Uint64(large);
        }
        double value = 0;
        const auto [stop, error] = std::from_chars(text, end, value);
        // Out of a double's range: Qt's reader says what it makes of it.
        return error == std::errc{} && stop == end && document_.Double(value);
    }
    bool String(const char* text, rapidjson::SizeType length, bool copy) {
        return document_.String(text, length, copy);
    }
    bool Key(const char* text, rapidjson::SizeType length, bool copy) {
        return document_.Key(text, length, copy);
    }
    bool StartObject() { return deeper() && document_.StartObject(); }
    bool EndObject(rapidjson::SizeType members) {
        --depth_;
        return document_.EndObject(members);
    }
    bool StartArray() { return deeper() && document_.StartArray(); }
    bool EndArray(rapidjson::SizeType items) {
        --depth_;
        return document_.EndArray(items);
    }

private:
    static constexpr int kQtDeepest = 1024;
    bool deeper() { return ++depth_ <= kQtDeepest; }

    rapidjson::Document& document_;
    int depth_ = 0;
};

// Parses without recursion, however deep the text nests, to the nearest
// doubles, refusing text that is not UTF-8. False when the text is not JSON
// as Qt reads it.
bool parse(const QByteArray& json, rapidjson::Document& document) {
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag |
                                rapidjson::kParseNumbersAsStringsFlag |
                                rapidjson::kParseValidateEncodingFlag;
    bool parsed = false;
    auto generate = [&](rapidjson::Document& into) {
        rapidjson::MemoryStream bytes(json.constData(), static_cast<std::size_t>(json.size()));
        rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> text(bytes);
        QtLimits limits(into);
        rapidjson::Reader reader;
        // A NUL byte ends the text for this reader, but not for Qt's.
        parsed = !reader.Parse<kFlags>(text, limits).IsError() &&
                 text.Tell() == static_cast<std::size_t>(json.size());
        return parsed;
    };
    document.Populate(generate);
    return parsed;
}

} // namespace

std::optional<JsonDamage> readJson(const QByteArray& json, rapidjson::Document& document) {
    if (parse(json, document))
        return std::nullopt;
    // The fast reader took the text for damaged: Qt's reader names the place
    // and the reason, or, where it reads the text after all, writes it anew
    // as the fast reader takes it.
    QJsonParseError error;
    const QJsonDocument qt = QJsonDocument::fromJson(json, &error);
    if (error.error == QJsonParseError::NoError &&
        parse(qt.toJson(QJsonDocument::Compact), document))
        return std::nullopt;
    if (error.error == QJsonParseError::NoError)
        error.error = QJsonParseError::IllegalValue;
    return JsonDamage{lineAt(json, error.offset), error.errorString()};
}

} // namespace oltrave
