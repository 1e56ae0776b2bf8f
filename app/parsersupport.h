#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace oltrave::cli {

struct ParseResult;
struct Subcommand;

// The options of allOptions() with these names.
QList<QCommandLineOption> optionsFor(const QStringList& names);

// The arguments as QCommandLineParser takes them: negative numbers after a
// "--", attached values split off. Sets error for an option missing its value.
QStringList orderForParser(const QStringList& arguments, const QList<QCommandLineOption>& options,
                           QString& error);

// The parser's complaint in the style of the program's other messages.
QString parserError(const QCommandLineParser& parser);

// Reads arguments with the options of these names into parser; the reason
// when they are not a valid use, empty otherwise.
QString parseArguments(QCommandLineParser& parser, const QStringList& names,
                       const QStringList& arguments);

// A command that takes no function: exercises.
ParseResult parsePracticeCommand(const Subcommand& command, const QStringList& arguments);

} // namespace oltrave::cli
