#include "sessionfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <cmath>
#include <limits>
#include <rapidjson/document.h>
#include <string_view>
#include <unordered_map>

#include "exact/exactreader.h"
#include "jsonreading.h"
#include "savefile.h"
#include "sessionnames.h"

namespace oltrave {

namespace {

using JsonValue = rapidjson::Value;

QString tr(const char* text) {
    return QCoreApplication::translate("SessionFile", text);
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// A field that is not what the format says: reading stops there.
struct Damaged {
    QString field;
    QString reason;
};

// Reads the fields of one object. Each knows its path ("lines[3].marks[0]")
// but spells it only for a message: a session has tens of thousands of them.
class Fields {
public:
    Fields(const JsonValue& object, const Fields* parent, const char* key, qsizetype index = -1)
        : object_(object), parent_(parent), key_(key), index_(index) {}

    QString path() const {
        QString path = parent_ ? parent_->path() : QString();
        if (key_) {
            if (!path.isEmpty())
                path += QLatin1Char('.');
            path += QLatin1String(key_);
        }
        if (index_ >= 0)
            path += QStringLiteral("[%1]").arg(index_);
        return path;
    }
    QString name(const char* key) const {
        const QString here = path();
        return here.isEmpty() ? QLatin1String(key) : here + QLatin1Char('.') + QLatin1String(key);
    }
    // As a JSON object reads: of a key given twice, the last.
    const JsonValue* find(const char* key) const {
        for (auto member = object_.MemberEnd(); member != object_.MemberBegin();) {
            --member;
            if (std::string_view(member->name.GetString(), member->name.GetStringLength()) == key)
                return &member->value;
        }
        return nullptr;
    }
    bool has(const char* key) const { return find(key) != nullptr; }
    const JsonValue& value(const char* key) const {
        const JsonValue* v = find(key);
        if (!v)
            throw Damaged{name(key), tr(QT_TRANSLATE_NOOP("SessionFile", "missing"))};
        return *v;
    }
    double real(const char* key) const {
        return realOf(value(key), [this, key] { return name(key); });
    }
    template <typename Name> static double realOf(const JsonValue& v, Name field) {
        if (v.IsNumber())
            return v.GetDouble();
        if (v.IsString()) {
            const std::string_view text(v.GetString(), v.GetStringLength());
            if (text == "inf")
                return std::numeric_limits<double>::infinity();
            if (text == "-inf")
                return -std::numeric_limits<double>::infinity();
            if (text == "nan")
                return std::numeric_limits<double>::quiet_NaN();
        }
        throw Damaged{field(), tr(QT_TRANSLATE_NOOP("SessionFile", "expected a number"))};
    }
    int whole(const char* key) const {
        const double v = real(key);
        if (v != std::floor(v) || std::fabs(v) > 1e9)
            throw Damaged{name(key),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected a whole number"))};
        return static_cast<int>(v);
    }
    bool flag(const char* key) const {
        const JsonValue& v = value(key);
        if (!v.IsBool())
            throw Damaged{name(key),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected true or false"))};
        return v.GetBool();
    }
    static std::string textOf(const JsonValue& v) { return {v.GetString(), v.GetStringLength()}; }
    std::string text(const char* key) const {
        const JsonValue& v = value(key);
        if (!v.IsString())
            throw Damaged{name(key), tr(QT_TRANSLATE_NOOP("SessionFile", "expected a text"))};
        return textOf(v);
    }
    const JsonValue& array(const char* key) const {
        const JsonValue& v = value(key);
        if (!v.IsArray())
            throw Damaged{name(key), tr(QT_TRANSLATE_NOOP("SessionFile", "expected a list"))};
        return v;
    }
    // The object under key, or the index-th item of the list under key.
    Fields object(const char* key, qsizetype index = -1) const {
        const JsonValue& v =
            index < 0 ? value(key) : array(key)[static_cast<rapidjson::SizeType>(index)];
        if (!v.IsObject())
            throw Damaged{Fields(v, this, key, index).path(),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected an object"))};
        return {v, this, key, index};
    }

private:
    const JsonValue& object_;
    const Fields* parent_;
    const char* key_;
    qsizetype index_;
};

qsizetype sizeOf(const JsonValue& list) {
    return static_cast<qsizetype>(list.Size());
}

Coefficients coefficientsOf(const Fields& fields) {
    const JsonValue& list = fields.array("coefficients");
    if (sizeOf(list) != kBoxCount)
        throw Damaged{fields.name("coefficients"),
                      tr(QT_TRANSLATE_NOOP("SessionFile", "expected %1 numbers")).arg(kBoxCount)};
    Coefficients coef{};
    for (rapidjson::SizeType i = 0; i < list.Size(); ++i)
        coef[i] = Fields::realOf(list[i], [&fields, i] {
            return fields.name("coefficients") + QStringLiteral("[%1]").arg(i);
        });
    return coef;
}

DrawnCurve curveOf(const Fields& fields) {
    return {fields.whole("family"), modeAt(fields.whole("mode")), coefficientsOf(fields)};
}

// What the boxes of a curve read in exact mode, where the file names a
// reading that gives the very number saved; otherwise the decimals stand, as
// for a curve printed in decimal mode.
ExactCoefficients exactOf(const Fields& fields, const Coefficients& coef,
                          std::unordered_map<std::string, ExactAttempt>& read) {
    ExactCoefficients exact{};
    const JsonValue* list = fields.has("exact") ? &fields.value("exact") : nullptr;
    if (!list || !list->IsArray() || sizeOf(*list) != kBoxCount)
        return exact;
    for (rapidjson::SizeType i = 0; i < list->Size(); ++i) {
        const JsonValue& text = (*list)[i];
        if (!text.IsString() || text.GetStringLength() == 0)
            continue;
        // A long session repeats its coefficients: each text is read once.
        auto [found, isNew] = read.try_emplace(Fields::textOf(text));
        if (isNew)
            found->second = attemptExact(found->first);
        const std::optional<ExactReading>& reading = found->second.reading;
        if (reading && reading->nearest == coef[i])
            exact[i] = reading->value;
    }
    return exact;
}

template <typename Enum>
Enum named(const Fields& fields, const char* key, std::optional<Enum> (*find)(std::string_view)) {
    const std::optional<Enum> found = find(fields.text(key));
    if (!found)
        throw Damaged{fields.name(key),
                      tr(QT_TRANSLATE_NOOP("SessionFile", "not a name this format knows"))};
    return *found;
}

SessionLine lineOf(const Fields& fields) {
    SessionLine line;
    line.text = fields.text("text");
    if (fields.has("decimal"))
        line.decimalText = fields.text("decimal");
    if (fields.has("marks")) {
        const qsizetype marks = sizeOf(fields.array("marks"));
        for (qsizetype i = 0; i < marks; ++i) {
            const Fields mark = fields.object("marks", i);
            line.marks.push_back({named(mark, "kind", markKindNamed),
                                  named(mark, "shape", markShapeNamed), mark.real("x"),
                                  mark.real("y"), mark.real("step"), mark.real("yOdd")});
        }
    }
    if (fields.has("stretch")) {
        const Fields stretch = fields.object("stretch");
        line.stretch = Stretch{stretch.real("low"), stretch.real("high"), stretch.real("step")};
    }
    if (fields.has("curve"))
        line.curve = curveOf(fields.object("curve"));
    return line;
}

SavedSession sessionOf(const Fields& root) {
    SavedSession saved;
    saved.family = root.whole("family");
    saved.absmode = modeAt(root.whole("mode"));
    const JsonValue& boxes = root.array("boxes");
    if (sizeOf(boxes) != kBoxCount)
        throw Damaged{QStringLiteral("boxes"),
                      tr(QT_TRANSLATE_NOOP("SessionFile", "expected %1 texts")).arg(kBoxCount)};
    for (rapidjson::SizeType i = 0; i < boxes.Size(); ++i) {
        if (!boxes[i].IsString())
            throw Damaged{QStringLiteral("boxes[%1]").arg(i),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected a text"))};
        saved.boxes[i] = Fields::textOf(boxes[i]);
    }
    saved.xText = root.text("x");
    saved.zoomText = root.text("zoom");
    saved.zoom = root.real("zoomValue");
    saved.plotted = root.flag("plotted");
    saved.status = named(root, "status", statusNamed);
    saved.coef = coefficientsOf(root);
    const Fields view = root.object("view");
    saved.exactValues = view.flag("exactValues");
    saved.keyPoints = view.flag("keyPoints");

    const qsizetype curves = sizeOf(root.array("curves"));
    std::unordered_map<std::string, ExactAttempt> exactRead;
    for (qsizetype i = 0; i < curves; ++i) {
        const Fields curve = root.object("curves", i);
        saved.curves.push_back(curveOf(curve));
        saved.curves.back().exact = exactOf(curve, saved.curves.back().coef, exactRead);
    }
    const qsizetype area = sizeOf(root.array("area"));
    for (qsizetype i = 0; i < area; ++i) {
        const Fields stroke = root.object("area", i);
        if (stroke.has("curve"))
            saved.area.push_back(
                {AreaStroke::Kind::Curve, stroke.real("zoom"), curveOf(stroke.object("curve"))});
        else
            saved.area.push_back({AreaStroke::Kind::Axes, stroke.real("zoom"), {}});
    }
    const qsizetype lines = sizeOf(root.array("lines"));
    saved.lines.reserve(static_cast<std::size_t>(lines));
    for (qsizetype i = 0; i < lines; ++i)
        saved.lines.push_back(lineOf(root.object("lines", i)));
    return saved;
}

SessionReading refused(const QString& problem) {
    return {std::nullopt, problem};
}

// The document of a text that is JSON; otherwise why not, in Qt's words.
std::optional<QString> read(const QByteArray& json, rapidjson::Document& document) {
    const std::optional<JsonDamage> damage = readJson(json, document);
    if (!damage)
        return std::nullopt;
    return tr(QT_TRANSLATE_NOOP("SessionFile", "The session file is damaged: line %1: %2."))
        .arg(damage->line)
        .arg(damage->reason);
}

} // namespace

SessionReading readSessionJson(const QByteArray& json) {
    const QByteArray start = json.trimmed().left(1);
    if (start != "{")
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile", "Not a session file: it does not hold a session's text.")));
    rapidjson::Document document;
    if (const std::optional<QString> damaged = read(json, document))
        return refused(*damaged);
    const Fields root(document, nullptr, nullptr);
    const JsonValue* format = root.find("format");
    if (!format || !format->IsString() || Fields::textOf(*format) != kSessionFormatName)
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile", "Not a session file: it does not say it holds an Oltrave session.")));
    const JsonValue* version = root.find("version");
    if (!version || !version->IsNumber() || version->GetDouble() < 1 ||
        version->GetDouble() != std::floor(version->GetDouble()))
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile",
            "The session file is damaged: field version: expected a whole number.")));
    if (version->GetDouble() > kSessionFormat)
        return refused(
            tr(QT_TRANSLATE_NOOP("SessionFile",
                                 "The session was saved by a newer version of Oltrave (format %1); "
                                 "this one reads format %2 and older."))
                .arg(version->GetDouble())
                .arg(kSessionFormat));
    SavedSession saved;
    try {
        saved = sessionOf(root);
    } catch (const Damaged& damaged) {
        return refused(
            tr(QT_TRANSLATE_NOOP("SessionFile", "The session file is damaged: field %1: %2."))
                .arg(damaged.field, damaged.reason));
    }
    if (const std::optional<SessionProblem> problem = impossibleValue(saved))
        return refused(
            tr(QT_TRANSLATE_NOOP("SessionFile",
                                 "The session holds a value Oltrave never writes: field %1: %2."))
                .arg(qs(problem->field), qs(problem->reason)));
    return {std::move(saved), {}};
}

SessionReading readSessionFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(
            tr(QT_TRANSLATE_NOOP("SessionFile", "The session file could not be read: %1."))
                .arg(file.errorString()));
    if (file.size() > kLargestSessionFile)
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile", "Not a session file: it is far larger than any session.")));
    return readSessionJson(file.readAll());
}

QString writeSessionFile(const QString& path, const SavedSession& saved) {
    const QByteArray json = sessionJson(saved);
    return saveFile(path, [&json](QIODevice& device, QString& error) {
        if (device.write(json) != json.size()) {
            error = device.errorString();
            return false;
        }
        return true;
    });
}

} // namespace oltrave
