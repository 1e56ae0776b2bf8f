#include "parsersupport.h"

#include <QCommandLineParser>
#include <optional>
#include <utility>

#include "cliwords.h"
#include "commandline.h"

namespace oltrave::cli {

namespace {

// An option with its value in the same argument: "--name=VALUE" or, for a
// one-letter option, "-nVALUE".
std::optional<std::pair<QString, QString>> attachedValue(const QString& argument,
                                                         const QStringList& valued) {
    if (!argument.startsWith(QLatin1Char('-')) || valued.contains(argument) ||
        looksNegative(argument))
        return std::nullopt;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (argument.startsWith(QLatin1String("--")) && equals > 2) {
        if (valued.contains(argument.left(equals)))
            return std::pair{argument.left(equals), argument.mid(equals + 1)};
        return std::nullopt;
    }
    const QString letter = argument.left(2);
    if (!argument.startsWith(QLatin1String("--")) && argument.size() > 2 && valued.contains(letter))
        return std::pair{letter, argument.mid(2)};
    return std::nullopt;
}

} // namespace

// QCommandLineParser takes every argument that starts with "-" for an option.
// Negative coefficients are not, so they go after a "--" with the other
// positional arguments; an option's separate value stays beside it.
// An option left without its value at the end is reported here: the parser
// would take the "--" for its value.
QStringList orderForParser(const QStringList& arguments, const QList<QCommandLineOption>& options,
                           QString& error) {
    QStringList valued;
    for (const QCommandLineOption& option : options) {
        if (option.valueName().isEmpty())
            continue;
        for (const QString& name : option.names())
            valued << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    QStringList flags;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // "--output=FILE" and "-oFILE" are "-o FILE".
        if (const std::optional<std::pair<QString, QString>> split =
                attachedValue(argument, valued)) {
            flags << split->first << split->second;
            continue;
        }
        if (argument == QLatin1String("--")) {
            positional += arguments.mid(i + 1);
            break;
        }
        if (valued.contains(argument) && i + 1 == arguments.size()) {
            error =
                words(QT_TRANSLATE_NOOP("oltrave::cli", "missing value after '%1'")).arg(argument);
            return {};
        }
        if (valued.contains(argument)) {
            flags << argument << arguments[i + 1];
            ++i;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1 &&
                   !looksNegative(argument)) {
            flags << argument;
        } else {
            positional << argument;
        }
    }
    return QStringList{QStringLiteral("oltrave")} + flags + QStringList{QStringLiteral("--")} +
           positional;
}

QString parserError(const QCommandLineParser& parser) {
    QString error = parser.errorText();
    if (error.endsWith(QLatin1Char('.')))
        error.chop(1);
    return error.isEmpty() ? error : error.at(0).toLower() + error.mid(1);
}

QString parseArguments(QCommandLineParser& parser, const QStringList& names,
                       const QStringList& arguments) {
    const QList<QCommandLineOption> options = optionsFor(names);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    QString error;
    const QStringList ordered = orderForParser(arguments, options, error);
    if (!error.isEmpty())
        return error;
    if (!parser.parse(ordered))
        return parserError(parser);
    return {};
}

} // namespace oltrave::cli
