// The options of exercises, which takes no function of its own.
#include <QCommandLineParser>
#include <QFileInfo>

#include "cliwords.h"
#include "commandline.h"
#include "familynames.h"
#include "model/familytable.h"
#include "model/language.h"
#include "parsersupport.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

// More would make a book, not a worksheet.
constexpr int kMostExercises = 200;

ParseResult refused(const QString& error) {
    return {std::nullopt, error};
}

} // namespace

ParseResult parsePracticeCommand(const Subcommand& command, const QStringList& arguments) {
    const QStringList names =
        QStringList{QStringLiteral("help"), QStringLiteral("lang")} + command.extraOptions;
    QCommandLineParser parser;
    if (const QString problem = parseArguments(parser, names, arguments); !problem.isEmpty())
        return refused(problem);

    Invocation invocation;
    invocation.command = command.word;
    if (parser.isSet(QStringLiteral("help"))) {
        invocation.kind = Invocation::Kind::Help;
        return {invocation, {}};
    }
    invocation.kind = Invocation::Kind::Command;
    if (!parser.positionalArguments().isEmpty())
        return refused(words(QT_TRANSLATE_NOOP("oltrave::cli", "unexpected argument \"%1\""))
                           .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(QStringLiteral("lang"))) {
        invocation.lang = parser.value(QStringLiteral("lang"));
        if (!languageFromLocaleName(invocation.lang.toStdString()))
            return refused(
                words(QT_TRANSLATE_NOOP("oltrave::cli", "--lang takes en or zh_CN, not \"%1\""))
                    .arg(invocation.lang));
    }

    PracticeRequest& practice = invocation.practice;
    if (parser.isSet(QStringLiteral("count"))) {
        bool ok = false;
        practice.count = parser.value(QStringLiteral("count")).toInt(&ok);
        if (!ok || practice.count < 1 || practice.count > kMostExercises)
            return refused(words(QT_TRANSLATE_NOOP("oltrave::cli",
                                                   "--count takes a whole number from 1 to %1, "
                                                   "not \"%2\""))
                               .arg(kMostExercises)
                               .arg(parser.value(QStringLiteral("count"))));
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        practice.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            return refused(
                words(QT_TRANSLATE_NOOP("oltrave::cli",
                                        "--seed takes a whole number from 0 up, not \"%1\""))
                    .arg(parser.value(QStringLiteral("seed"))));
    }
    if (parser.isSet(QStringLiteral("families"))) {
        for (const QString& name :
             parser.value(QStringLiteral("families")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int family = familyFromArgument(name.trimmed());
            if (family < 0)
                return refused(
                    words(QT_TRANSLATE_NOOP("oltrave::cli", "unknown family \"%1\"")).arg(name));
            if (!practice.families.contains(family))
                practice.families << family;
        }
    }
    if (practice.families.isEmpty()) {
        for (int family = 0; family < familyCount(); ++family)
            practice.families << family;
    }
    practice.key = parser.value(QStringLiteral("key"));

    invocation.output = parser.value(QStringLiteral("output"));
    if (invocation.output.isEmpty())
        return refused(words(QT_TRANSLATE_NOOP("oltrave::cli", "missing -o FILE")));
    const QString suffix = QFileInfo(invocation.output).suffix().toLower();
    if (!command.suffixes.contains(suffix))
        return refused(
            words(QT_TRANSLATE_NOOP("oltrave::cli", "cannot tell the format of \"%1\": use %2"))
                .arg(invocation.output, command.suffixes.join(QStringLiteral(", "))));
    return {invocation, {}};
}

} // namespace oltrave::cli
