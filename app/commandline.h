#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "model/savedsession.h"

namespace oltrave::cli {

// What the person asked the window to do before Print, and after it.
struct PlotRequest {
    int family = 0;
    QStringList coefficients; // the boxes' texts, from box 0
    AbsMode mode = AbsMode::Plain;
    QString zoom = QStringLiteral("10");
    QStringList at; // x box texts, each followed by Calculate
    bool exact = false;
    // --session FILE: the saved session instead of the steps above.
    std::shared_ptr<const SavedSession> session;
};

// What exercises makes.
struct PracticeRequest {
    int count = 6;
    std::optional<quint64> seed; // none: a new one, printed on the set
    QList<int> families;         // chooser numbers; all when none were named
    QString key;                 // where the answers go as JSON; empty: nowhere
};

// What classify looks at: the box written as p, and p's range as typed.
struct ClassifyRequest {
    int parameter = -1;
    double from = -10;
    double to = 10;
};

// One run of the program as the command line describes it.
struct Invocation {
    enum class Kind { Window, Help, Version, Command };
    Kind kind = Kind::Window;
    QString command; // the command word, for Kind::Command
    PlotRequest plot;
    std::optional<PlotRequest> other; // intersect: the second curve
    QString lang;                     // empty: the environment's
    QString output;
    QSize size; // empty: the plotting area's
    bool keypoints = false;
    bool strict = false;   // a box text not read whole is a usage error
    QStringList warnings;  // said on standard error before the command runs
    bool json = false;     // analyse, intersect: one JSON object
    bool analysis = false; // render: the analysis on the worksheet
    bool grid = false;     // render: a grid with labelled ticks under the plot
    bool fields = false;   // render: Name, Class and Date on the worksheet
    PracticeRequest practice;
    ClassifyRequest classify;
};

struct ParseResult {
    std::optional<Invocation> invocation;
    QString error; // why the arguments are not a valid use, when they are not
};

// Reads the arguments after the program's name.
ParseResult parseCommandLine(const QStringList& arguments);

// The synopsis and options, for --help and usage errors.
QString usageText();

// Whether an argument is a negative number rather than an option.
bool looksNegative(const QString& argument);

} // namespace oltrave::cli
