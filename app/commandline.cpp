#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>
#include <utility>

#include "classifycommand.h"
#include "cliwords.h"
#include "familynames.h"
#include "model/familytable.h"
#include "model/language.h"
#include "parsersupport.h"
#include "platform/sessionfile.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

// A rendered picture larger than this either way is a typing mistake, and
// would not fit in memory.
constexpr int kLargestSide = 16384;

const QString kOutput = QStringLiteral("output");
const QString kSize = QStringLiteral("size");
const QString kKeypoints = QStringLiteral("keypoints");
const QString kMode = QStringLiteral("mode");
const QString kZoom = QStringLiteral("zoom");
const QString kAt = QStringLiteral("at");
const QString kExact = QStringLiteral("exact");
const QString kLang = QStringLiteral("lang");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kStrict = QStringLiteral("strict");
const QString kJson = QStringLiteral("json");
const QString kAnalysis = QStringLiteral("analysis");
const QString kSession = QStringLiteral("session");
const QString kModes = QStringLiteral("modes");
const QString kGrid = QStringLiteral("grid");
const QString kFields = QStringLiteral("fields");
const QString kCount = QStringLiteral("count");
const QString kSeed = QStringLiteral("seed");
const QString kFamilies = QStringLiteral("families");
const QString kKey = QStringLiteral("key");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");

// Every option the program knows; each command accepts some of them.
QList<QCommandLineOption> allOptions() {
    return {
        {{QStringLiteral("h"), kHelp}, words(QT_TRANSLATE_NOOP("oltrave::cli", "Show this help."))},
        {kVersion, words(QT_TRANSLATE_NOOP("oltrave::cli", "Show the version."))},
        {kLang, words(QT_TRANSLATE_NOOP("oltrave::cli", "Language of the words: en or zh_CN.")),
         QStringLiteral("LANG")},
        {kMode,
         words(
             QT_TRANSLATE_NOOP("oltrave::cli", "Absolute-value mode: 0 f(x), 1 |f(x)|, 2 f(|x|).")),
         QStringLiteral("N")},
        {kZoom, words(QT_TRANSLATE_NOOP("oltrave::cli", "The zoom box's text (default 10).")),
         QStringLiteral("TEXT")},
        {kAt,
         words(QT_TRANSLATE_NOOP("oltrave::cli",
                                 "After the plot, calculate at x = TEXT (repeatable).")),
         QStringLiteral("TEXT")},
        {kExact, words(QT_TRANSLATE_NOOP("oltrave::cli", "Exact values."))},
        {kStrict,
         words(QT_TRANSLATE_NOOP("oltrave::cli", "Refuse a box text that is not read whole."))},
        {{QStringLiteral("o"), kOutput},
         words(QT_TRANSLATE_NOOP("oltrave::cli", "The file to write.")),
         QStringLiteral("FILE")},
        {kSize, words(QT_TRANSLATE_NOOP("oltrave::cli", "Picture size in pixels (PNG).")),
         QStringLiteral("WxH")},
        {kKeypoints,
         words(QT_TRANSLATE_NOOP(
             "oltrave::cli", "Draw the key points: dots and dashed lines, as View > Key Points."))},
        {kJson, words(QT_TRANSLATE_NOOP("oltrave::cli", "Print the analysis as one JSON object."))},
        {kAnalysis,
         words(QT_TRANSLATE_NOOP("oltrave::cli", "Add the analysis to the worksheet (PDF)."))},
        {kSession,
         words(QT_TRANSLATE_NOOP("oltrave::cli",
                                 "Work from a saved session instead of FAMILY and C0...")),
         QStringLiteral("FILE")},
        {kGrid, words(QT_TRANSLATE_NOOP("oltrave::cli", "Draw a grid with labelled ticks."))},
        {kModes,
         words(QT_TRANSLATE_NOOP("oltrave::cli", "intersect: the mode of each curve, as --mode.")),
         QStringLiteral("N,M")},
        {kFields, words(QT_TRANSLATE_NOOP(
                      "oltrave::cli", "Add Name, Class and Date fields to the worksheet (PDF)."))},
        {kCount, words(QT_TRANSLATE_NOOP("oltrave::cli", "exercises: how many (default 6).")),
         QStringLiteral("N")},
        {kSeed, words(QT_TRANSLATE_NOOP("oltrave::cli", "exercises: the same seed, the same set.")),
         QStringLiteral("S")},
        {kFamilies,
         words(QT_TRANSLATE_NOOP("oltrave::cli",
                                 "exercises: the families, comma-separated (default all).")),
         QStringLiteral("LIST")},
        {kKey,
         words(QT_TRANSLATE_NOOP("oltrave::cli", "exercises: also write the answers as JSON.")),
         QStringLiteral("FILE.json")},
        {kFrom, words(QT_TRANSLATE_NOOP("oltrave::cli", "classify: p from A (default -10).")),
         QStringLiteral("A")},
        {kTo, words(QT_TRANSLATE_NOOP("oltrave::cli", "classify: p up to B (default 10).")),
         QStringLiteral("B")},
    };
}

} // namespace

QList<QCommandLineOption> optionsFor(const QStringList& names) {
    QList<QCommandLineOption> chosen;
    for (const QCommandLineOption& option : allOptions()) {
        if (names.contains(option.names().constLast()))
            chosen << option;
    }
    return chosen;
}

namespace {

ParseResult failed(const QString& error) {
    return {std::nullopt, error};
}

ParseResult parseWindow(const QStringList& arguments) {
    QCommandLineParser parser;
    if (const QString problem = parseArguments(parser, {kHelp, kVersion, kLang}, arguments);
        !problem.isEmpty())
        return failed(problem);
    if (!parser.positionalArguments().isEmpty())
        return failed(words(QT_TRANSLATE_NOOP("oltrave::cli", "unknown command \"%1\""))
                          .arg(parser.positionalArguments().constFirst()));
    Invocation invocation;
    if (parser.isSet(kHelp))
        invocation.kind = Invocation::Kind::Help;
    else if (parser.isSet(kVersion))
        invocation.kind = Invocation::Kind::Version;
    if (parser.isSet(kLang)) {
        invocation.lang = parser.value(kLang);
        if (!languageFromLocaleName(invocation.lang.toStdString()))
            return failed(
                words(QT_TRANSLATE_NOOP("oltrave::cli", "--lang takes en or zh_CN, not \"%1\""))
                    .arg(invocation.lang));
    }
    return {invocation, {}};
}

std::optional<QSize> readSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.isEmpty() || size.width() > kLargestSide || size.height() > kLargestSide)
        return std::nullopt;
    return size;
}

// FAMILY C0 [C1 [C2 [C3]]] into plot; why not, when they are not a curve.
QString readCurve(const QStringList& positional, PlotRequest& plot) {
    if (positional.isEmpty())
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "missing FAMILY"));
    plot.family = familyFromArgument(positional.constFirst());
    if (plot.family < 0)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "unknown family \"%1\""))
            .arg(positional.constFirst());
    plot.coefficients = positional.mid(1);
    if (plot.coefficients.isEmpty())
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "missing C0"));
    // A box the family does not show cannot be typed into.
    const auto& captions = familyDescription(plot.family)->captions;
    const auto shown = static_cast<qsizetype>(
        std::count_if(captions.begin(), captions.end(), [](auto c) { return !c.empty(); }));
    if (plot.coefficients.size() > shown)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "%1 takes at most %2 coefficients"))
            .arg(positional.constFirst())
            .arg(shown);
    return {};
}

// --session FILE: the file in place of the family and the boxes.
QString readSessionArgument(const QString& path, const QStringList& positional, PlotRequest& plot) {
    if (!positional.isEmpty())
        return words(
            QT_TRANSLATE_NOOP("oltrave::cli", "--session takes no FAMILY or coefficients"));
    SessionReading reading = readSessionFile(path);
    if (!reading.session)
        return reading.problem;
    plot.family = reading.session->family;
    plot.session = std::make_shared<const SavedSession>(std::move(*reading.session));
    return {};
}

ParseResult parseCommand(const Subcommand& command, const QStringList& arguments) {
    const QStringList names =
        QStringList{kHelp, kLang, kMode, kZoom, kAt, kExact, kStrict} + command.extraOptions;
    QCommandLineParser parser;
    if (const QString problem = parseArguments(parser, names, arguments); !problem.isEmpty())
        return failed(problem);

    Invocation invocation;
    invocation.command = command.word;
    if (parser.isSet(kHelp)) {
        invocation.kind = Invocation::Kind::Help;
        return {invocation, {}};
    }
    invocation.kind = Invocation::Kind::Command;
    PlotRequest& plot = invocation.plot;

    QStringList positional = parser.positionalArguments();
    if (command.pair) {
        // FAMILY C0 … and FAMILY C0 …
        const qsizetype split = positional.indexOf(QStringLiteral("and"));
        if (split < 0)
            return failed(words(QT_TRANSLATE_NOOP("oltrave::cli", "missing \"and\" FAMILY")));
        invocation.other = PlotRequest();
        if (const QString error = readCurve(positional.mid(split + 1), *invocation.other);
            !error.isEmpty())
            return failed(error);
        positional = positional.mid(0, split);
    }
    const QString problem = command.extraOptions.contains(kSession) && parser.isSet(kSession)
                                ? readSessionArgument(parser.value(kSession), positional, plot)
                                : readCurve(positional, plot);
    if (!problem.isEmpty())
        return failed(problem);
    if (command.parameter) {
        if (const QString error = takeParameter(plot, invocation.classify); !error.isEmpty())
            return failed(error);
        if (const QString error = readRange(parser, invocation); !error.isEmpty())
            return failed(error);
    }

    std::optional<QString> modes[2];
    if (parser.isSet(kMode))
        modes[0] = modes[1] = parser.value(kMode);
    if (command.extraOptions.contains(kModes) && parser.isSet(kModes)) {
        const QStringList both = parser.value(kModes).split(QLatin1Char(','));
        if (both.size() != 2)
            return failed(words(QT_TRANSLATE_NOOP("oltrave::cli", "--modes takes N,M, not \"%1\""))
                              .arg(parser.value(kModes)));
        modes[0] = both[0];
        modes[1] = both[1];
    }
    PlotRequest* requests[2] = {&plot, invocation.other ? &*invocation.other : nullptr};
    for (int i = 0; i < 2; ++i) {
        if (!requests[i] || !modes[i])
            continue;
        const QString& mode = *modes[i];
        if (mode.size() != 1 || mode.at(0) < QLatin1Char('0') || mode.at(0) > QLatin1Char('2'))
            return failed(
                words(QT_TRANSLATE_NOOP("oltrave::cli", "--mode takes 0, 1 or 2, not \"%1\""))
                    .arg(mode));
        requests[i]->mode = modeAt(mode.toInt());
        // The window ignores a click on a disabled mode; say so rather than ignore it silently.
        if (requests[i]->mode != AbsMode::Plain && !requests[i]->session &&
            !familyDescription(requests[i]->family)->hasModes)
            invocation.warnings
                << words(QT_TRANSLATE_NOOP("oltrave::cli",
                                           "--mode is ignored: %1 has no absolute-value modes"))
                       .arg(QString::fromUtf8(
                           familyDescription(requests[i]->family)->name.data(),
                           static_cast<qsizetype>(
                               familyDescription(requests[i]->family)->name.size())));
    }
    if (parser.isSet(kZoom))
        plot.zoom = parser.value(kZoom);
    plot.at = parser.values(kAt);
    plot.exact = parser.isSet(kExact);
    invocation.strict = parser.isSet(kStrict);
    if (invocation.other) {
        invocation.other->zoom = plot.zoom;
        invocation.other->exact = plot.exact;
    }
    if (parser.isSet(kLang)) {
        invocation.lang = parser.value(kLang);
        if (!languageFromLocaleName(invocation.lang.toStdString()))
            return failed(
                words(QT_TRANSLATE_NOOP("oltrave::cli", "--lang takes en or zh_CN, not \"%1\""))
                    .arg(invocation.lang));
    }
    invocation.keypoints =
        (command.extraOptions.contains(kKeypoints) && parser.isSet(kKeypoints)) ||
        (plot.session && plot.session->keyPoints);
    invocation.json = command.extraOptions.contains(kJson) && parser.isSet(kJson);
    invocation.analysis = command.extraOptions.contains(kAnalysis) && parser.isSet(kAnalysis);
    invocation.grid = command.extraOptions.contains(kGrid) && parser.isSet(kGrid);
    invocation.fields = command.extraOptions.contains(kFields) && parser.isSet(kFields);
    if (command.extraOptions.contains(kSize) && parser.isSet(kSize)) {
        const std::optional<QSize> size = readSize(parser.value(kSize));
        if (!size)
            return failed(words(QT_TRANSLATE_NOOP("oltrave::cli",
                                                  "--size takes WIDTHxHEIGHT in pixels, each 1 "
                                                  "to %1, not \"%2\""))
                              .arg(kLargestSide)
                              .arg(parser.value(kSize)));
        invocation.size = *size;
    }
    if (command.extraOptions.contains(kOutput)) {
        invocation.output = parser.value(kOutput);
        if (invocation.output.isEmpty())
            return failed(words(QT_TRANSLATE_NOOP("oltrave::cli", "missing -o FILE")));
        const QString suffix = QFileInfo(invocation.output).suffix().toLower();
        if (!command.suffixes.contains(suffix))
            return failed(
                words(QT_TRANSLATE_NOOP("oltrave::cli", "cannot tell the format of \"%1\": use %2"))
                    .arg(invocation.output, command.suffixes.join(QStringLiteral(", "))));
    }
    return {invocation, {}};
}

} // namespace

bool looksNegative(const QString& argument) {
    if (argument.size() < 2 || argument.at(0) != QLatin1Char('-'))
        return false;
    const QChar next = argument.at(1);
    return next.isDigit() || next == QLatin1Char('.') || next == QChar(0x03C0) ||
           next == QChar(0x221A) || argument.mid(1).startsWith(QLatin1String("pi"));
}

ParseResult parseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.constFirst().startsWith(QLatin1Char('-')))
        return parseWindow(arguments);
    const QString& word = arguments.constFirst();
    const Subcommand* command = findSubcommand(word);
    if (!command)
        return failed(words(QT_TRANSLATE_NOOP("oltrave::cli", "unknown command \"%1\"")).arg(word));
    if (command->takesFunction)
        return parseCommand(*command, arguments.mid(1));
    return parsePracticeCommand(*command, arguments.mid(1));
}

QString usageText() {
    QString text = words(QT_TRANSLATE_NOOP(
        "oltrave::cli", "Usage:\n"
                        "  oltrave [--lang LANG]                  open the window\n"
                        "  oltrave describe [OPTIONS] FAMILY C0 [C1 [C2 [C3]]]\n"
                        "  oltrave render   [OPTIONS] -o FILE FAMILY C0 [C1 [C2 [C3]]]\n"
                        "  oltrave sound    [OPTIONS] -o FILE.wav FAMILY C0 [C1 [C2 [C3]]]\n"));
    text += words(QT_TRANSLATE_NOOP(
        "oltrave::cli", "  oltrave analyse  [OPTIONS] [--json] FAMILY C0 [C1 [C2 [C3]]]\n"));
    text += words(QT_TRANSLATE_NOOP(
        "oltrave::cli",
        "  oltrave intersect [OPTIONS] [--json] FAMILY C0 ... and FAMILY C0 ...\n"));
    text += words(QT_TRANSLATE_NOOP(
        "oltrave::cli", "  oltrave classify [OPTIONS] [--json] FAMILY C0 ... (one of them p)\n"));
    text += words(QT_TRANSLATE_NOOP(
        "oltrave::cli", "  oltrave exercises [OPTIONS] -o FILE.pdf [--key FILE.json]\n"));
    text += words(QT_TRANSLATE_NOOP(
        "oltrave::cli", "  oltrave --help | --version\n"
                        "\n"
                        "FAMILY is 0 to 7 or linear, quadratic, cubic, sine, cosine, tangent,\n"
                        "exponential, logarithmic. C0 ... C3 are the coefficient boxes' texts; an\n"
                        "argument such as -4, -.5, -π or -√2 is a coefficient, and after -- every\n"
                        "argument is one.\n"
                        "\n"
                        "Options:\n"));
    for (const QCommandLineOption& option : allOptions()) {
        QString names;
        for (const QString& name : option.names()) {
            if (!names.isEmpty())
                names += QStringLiteral(", ");
            names += (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        }
        if (!option.valueName().isEmpty())
            names += QLatin1Char(' ') + option.valueName();
        text += QStringLiteral("  %1 %2\n").arg(names, -20).arg(option.description());
    }
    text += words(QT_TRANSLATE_NOOP(
        "oltrave::cli",
        "\nrender writes .png, .svg or .pdf (a worksheet) by FILE's suffix.\n"
        "sound writes the curve swept from -zoom to zoom in 3 seconds as a WAV file.\n"));
    return text;
}

} // namespace oltrave::cli
