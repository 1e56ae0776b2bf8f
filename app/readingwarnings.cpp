#include "readingwarnings.h"

#include <cstdio>

#include "cliwords.h"
#include "commandline.h"
#include "model/form.h"
#include "model/numtext.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

QString boxName(const Form& form, const BoxNote& note) {
    const QString text = QLatin1Char('"') + QString::fromStdString(note.text) + QLatin1Char('"');
    switch (note.kind) {
    case BoxKind::Coefficient:
        return QString::fromStdString(form.caption(note.box)) + QLatin1Char(' ') + text;
    case BoxKind::X: return QStringLiteral("--at ") + text;
    case BoxKind::Zoom: return QStringLiteral("--zoom ") + text;
    }
    return text;
}

QString refusalWords(ExactRefusal refusal) {
    switch (refusal) {
    case ExactRefusal::None: break;
    case ExactRefusal::NotANumber:
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "not an exact number"));
    case ExactRefusal::DivisionByZero:
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "division by zero"));
    case ExactRefusal::NegativeRoot:
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "a root of a negative number"));
    case ExactRefusal::TooManyDigits:
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "too many digits"));
    case ExactRefusal::NoEngine:
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "exact values are not available"));
    }
    return {};
}

void say(const QString& line) {
    std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(line));
}

} // namespace

QString readingWarning(const Form& form, const BoxNote& note) {
    const BoxReading& reading = note.reading;
    const QString name = boxName(form, note);
    const QString used = QString::fromStdString(numtext(reading.used));
    if (reading.previousKept)
        return words(QT_TRANSLATE_NOOP("oltrave::cli",
                                       "%1 is too large: the previous value %2 is used"))
            .arg(name, used);
    if (reading.decimal == DecimalReading::Overflow)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "%1 is too large: it is read as %2"))
            .arg(name, used);
    if (reading.exactMode)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "%1 is read as %2 (%3)"))
            .arg(name, used, refusalWords(reading.refusal));
    return words(QT_TRANSLATE_NOOP("oltrave::cli", "%1 is read as %2")).arg(name, used);
}

std::optional<int> reportReadings(const Invocation& invocation, const Form& form,
                                  const std::vector<BoxNote>& notes) {
    for (const QString& warning : invocation.warnings)
        say(warning);
    if (invocation.strict && !notes.empty()) {
        say(readingWarning(form, notes.front()));
        std::fprintf(stderr, "\n%s", qUtf8Printable(usageText()));
        return kExitUsage;
    }
    for (const BoxNote& note : notes)
        say(readingWarning(form, note));
    return std::nullopt;
}

} // namespace oltrave::cli
