#include "sessionfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

#include "savefile.h"
#include "sessionnames.h"

namespace oltrave {

namespace {

constexpr char kFormatName[] = "oltrave-session";

QString tr(const char* text) {
    return QCoreApplication::translate("SessionFile", text);
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// JSON has no infinities: they are written as text.
QJsonValue number(double v) {
    if (std::isfinite(v))
        return v;
    if (std::isnan(v))
        return QStringLiteral("nan");
    return v > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
}

QJsonObject curveJson(const DrawnCurve& curve) {
    QJsonArray coef;
    for (const double c : curve.coef)
        coef.append(number(c));
    return {{"family", curve.family}, {"mode", curve.absmode}, {"coefficients", coef}};
}

QJsonObject lineJson(const SessionLine& line) {
    QJsonObject json{{"text", qs(line.text)}};
    if (!line.decimalText.empty())
        json.insert(QStringLiteral("decimal"), qs(line.decimalText));
    if (!line.marks.empty()) {
        QJsonArray marks;
        for (const Mark& mark : line.marks)
            marks.append(QJsonObject{{"kind", markKindName(mark.kind)},
                                     {"shape", markShapeName(mark.shape)},
                                     {"x", number(mark.x)},
                                     {"y", number(mark.y)},
                                     {"step", number(mark.step)},
                                     {"yOdd", number(mark.yOdd)}});
        json.insert(QStringLiteral("marks"), marks);
    }
    if (line.stretch)
        json.insert(QStringLiteral("stretch"), QJsonObject{{"low", number(line.stretch->low)},
                                                           {"high", number(line.stretch->high)},
                                                           {"step", number(line.stretch->step)}});
    if (line.curve)
        json.insert(QStringLiteral("curve"), curveJson(*line.curve));
    return json;
}

// A field that is not what the format says: reading stops there.
struct Damaged {
    QString field;
    QString reason;
};

// Reads the fields of one object, naming each by its path for the message.
class Fields {
public:
    Fields(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

    QString name(const char* key) const {
        return path_.isEmpty() ? QLatin1String(key) : path_ + QLatin1Char('.') + QLatin1String(key);
    }
    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    QJsonValue value(const char* key) const {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isUndefined())
            throw Damaged{name(key), tr(QT_TRANSLATE_NOOP("SessionFile", "missing"))};
        return v;
    }
    double real(const char* key) const { return realOf(value(key), name(key)); }
    static double realOf(const QJsonValue& v, const QString& field) {
        if (v.isDouble())
            return v.toDouble();
        if (v.isString()) {
            const QString text = v.toString();
            if (text == QLatin1String("inf"))
                return std::numeric_limits<double>::infinity();
            if (text == QLatin1String("-inf"))
                return -std::numeric_limits<double>::infinity();
            if (text == QLatin1String("nan"))
                return std::numeric_limits<double>::quiet_NaN();
        }
        throw Damaged{field, tr(QT_TRANSLATE_NOOP("SessionFile", "expected a number"))};
    }
    int whole(const char* key) const {
        const double v = real(key);
        if (v != std::floor(v) || std::fabs(v) > 1e9)
            throw Damaged{name(key),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected a whole number"))};
        return static_cast<int>(v);
    }
    bool flag(const char* key) const {
        const QJsonValue v = value(key);
        if (!v.isBool())
            throw Damaged{name(key),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected true or false"))};
        return v.toBool();
    }
    std::string text(const char* key) const {
        const QJsonValue v = value(key);
        if (!v.isString())
            throw Damaged{name(key), tr(QT_TRANSLATE_NOOP("SessionFile", "expected a text"))};
        return v.toString().toStdString();
    }
    QJsonArray array(const char* key) const {
        const QJsonValue v = value(key);
        if (!v.isArray())
            throw Damaged{name(key), tr(QT_TRANSLATE_NOOP("SessionFile", "expected a list"))};
        return v.toArray();
    }
    Fields object(const char* key) const { return objectOf(value(key), name(key)); }
    static Fields objectOf(const QJsonValue& v, const QString& field) {
        if (!v.isObject())
            throw Damaged{field, tr(QT_TRANSLATE_NOOP("SessionFile", "expected an object"))};
        return {v.toObject(), field};
    }

private:
    QJsonObject object_;
    QString path_;
};

QString item(const QString& list, qsizetype index) {
    return list + QStringLiteral("[%1]").arg(index);
}

Coefficients coefficientsOf(const Fields& fields) {
    const QJsonArray list = fields.array("coefficients");
    const QString name = fields.name("coefficients");
    if (list.size() != kBoxCount)
        throw Damaged{name,
                      tr(QT_TRANSLATE_NOOP("SessionFile", "expected %1 numbers")).arg(kBoxCount)};
    Coefficients coef{};
    for (qsizetype i = 0; i < list.size(); ++i)
        coef[static_cast<std::size_t>(i)] = Fields::realOf(list[i], item(name, i));
    return coef;
}

DrawnCurve curveOf(const Fields& fields) {
    return {fields.whole("family"), fields.whole("mode"), coefficientsOf(fields)};
}

template <typename Enum>
Enum named(const Fields& fields, const char* key, std::optional<Enum> (*find)(const QString&)) {
    const std::optional<Enum> found = find(QString::fromStdString(fields.text(key)));
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
        const QJsonArray marks = fields.array("marks");
        for (qsizetype i = 0; i < marks.size(); ++i) {
            const Fields mark = Fields::objectOf(marks[i], item(fields.name("marks"), i));
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
    saved.absmode = root.whole("mode");
    const QJsonArray boxes = root.array("boxes");
    if (boxes.size() != kBoxCount)
        throw Damaged{QStringLiteral("boxes"),
                      tr(QT_TRANSLATE_NOOP("SessionFile", "expected %1 texts")).arg(kBoxCount)};
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        if (!boxes[i].isString())
            throw Damaged{item(QStringLiteral("boxes"), i),
                          tr(QT_TRANSLATE_NOOP("SessionFile", "expected a text"))};
        saved.boxes[static_cast<std::size_t>(i)] = boxes[i].toString().toStdString();
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

    const QJsonArray curves = root.array("curves");
    for (qsizetype i = 0; i < curves.size(); ++i)
        saved.curves.push_back(
            curveOf(Fields::objectOf(curves[i], item(QStringLiteral("curves"), i))));
    const QJsonArray area = root.array("area");
    for (qsizetype i = 0; i < area.size(); ++i) {
        const Fields stroke = Fields::objectOf(area[i], item(QStringLiteral("area"), i));
        if (stroke.has("curve"))
            saved.area.push_back(
                {AreaStroke::Kind::Curve, stroke.real("zoom"), curveOf(stroke.object("curve"))});
        else
            saved.area.push_back({AreaStroke::Kind::Axes, stroke.real("zoom"), {}});
    }
    const QJsonArray lines = root.array("lines");
    saved.lines.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        saved.lines.push_back(lineOf(Fields::objectOf(lines[i], item(QStringLiteral("lines"), i))));
    return saved;
}

// The line of the text at which the reading stopped, from 1.
int lineAt(const QByteArray& json, int offset) {
    return 1 + static_cast<int>(json.left(offset).count('\n'));
}

SessionReading refused(const QString& problem) {
    return {std::nullopt, problem};
}

} // namespace

QByteArray sessionJson(const SavedSession& saved) {
    QJsonArray boxes;
    for (const std::string& box : saved.boxes)
        boxes.append(qs(box));
    QJsonArray coef;
    for (const double c : saved.coef)
        coef.append(number(c));
    QJsonArray curves;
    for (const DrawnCurve& curve : saved.curves)
        curves.append(curveJson(curve));
    QJsonArray area;
    for (const AreaStroke& stroke : saved.area) {
        QJsonObject json{{"zoom", number(stroke.zoom)}};
        if (stroke.kind == AreaStroke::Kind::Curve)
            json.insert(QStringLiteral("curve"), curveJson(stroke.curve));
        area.append(json);
    }
    QJsonArray lines;
    for (const SessionLine& line : saved.lines)
        lines.append(lineJson(line));
    const QJsonObject root{
        {"format", QLatin1String(kFormatName)},
        {"version", kSessionFormat},
        {"family", saved.family},
        {"mode", saved.absmode},
        {"boxes", boxes},
        {"x", qs(saved.xText)},
        {"zoom", qs(saved.zoomText)},
        {"zoomValue", number(saved.zoom)},
        {"plotted", saved.plotted},
        {"status", statusName(saved.status)},
        {"coefficients", coef},
        {"view", QJsonObject{{"exactValues", saved.exactValues}, {"keyPoints", saved.keyPoints}}},
        {"curves", curves},
        {"area", area},
        {"lines", lines},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

SessionReading readSessionJson(const QByteArray& json) {
    const QByteArray start = json.trimmed().left(1);
    if (start != "{")
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile", "Not a session file: it does not hold a session's text.")));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return refused(
            tr(QT_TRANSLATE_NOOP("SessionFile", "The session file is damaged: line %1: %2."))
                .arg(lineAt(json, error.offset))
                .arg(error.errorString()));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kFormatName))
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile", "Not a session file: it does not say it holds an Oltrave session.")));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != std::floor(version.toDouble()))
        return refused(tr(QT_TRANSLATE_NOOP(
            "SessionFile",
            "The session file is damaged: field version: expected a whole number.")));
    if (version.toDouble() > kSessionFormat)
        return refused(
            tr(QT_TRANSLATE_NOOP("SessionFile",
                                 "The session was saved by a newer version of Oltrave (format %1); "
                                 "this one reads format %2 and older."))
                .arg(version.toDouble())
                .arg(kSessionFormat));
    SavedSession saved;
    try {
        saved = sessionOf(Fields(root, QString()));
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
