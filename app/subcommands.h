#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace oltrave::cli {

struct Invocation;

// A command word and what it needs. A new command is a new entry here.
struct Subcommand {
    QString word;
    // Options beyond those every command takes (--mode, --zoom, --at,
    // --exact, --lang): "output", "size", "keypoints".
    QStringList extraOptions;
    // The suffixes its output file may have; none when it writes no file.
    QStringList suffixes;
    int (*run)(const Invocation& invocation, char* programPath);
    // Two curves, FAMILY C0 … and FAMILY C0 …, rather than one.
    bool pair = false;
    bool takesFunction = true; // FAMILY C0 … after the options
    bool parameter = false;    // one coefficient is the letter p
};

const std::vector<Subcommand>& subcommands();
const Subcommand* findSubcommand(const QString& word);

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitShownFailure = 1; // the window would show a failure
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFile = 3;

} // namespace oltrave::cli
