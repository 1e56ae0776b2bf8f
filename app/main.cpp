// oltrave: the window with no arguments; with a command word, the command
// line's commands, which need no display.
#include <QStringList>
#include <csignal>
#include <cstdio>

#include "cliwords.h"
#include "commandline.h"
#include "exactmodule.h"
#include "guimodule.h"
#include "plotsteps.h"
#include "standardoutput.h"
#include "subcommands.h"

namespace {

// Qt's notes about the session (a missing runtime folder and the like) are
// not a command's output: scripts read its standard error.
void onlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace oltrave::cli;
    useExactModule();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Usage errors and the help speak the language asked for, even when the
    // rest of the arguments are wrong.
    speak(commandLanguage(askedLanguage(arguments)));

    const ParseResult parsed = parseCommandLine(arguments);
    if (!parsed.invocation) {
        std::fprintf(stderr, "oltrave: %s\n\n%s", qUtf8Printable(parsed.error),
                     qUtf8Printable(usageText()));
        return kExitUsage;
    }
    const Invocation& invocation = *parsed.invocation;
    if (invocation.kind == Invocation::Kind::Window)
        return runWindowInModule(invocation, argv[0]);
    // A closed pipe is a write error to report, not a signal to die of.
    std::signal(SIGPIPE, SIG_IGN);
    switch (invocation.kind) {
    case Invocation::Kind::Help: writeOut(usageText()); return finishOutput(kExitOk);
    case Invocation::Kind::Version:
        writeOut(QStringLiteral("Oltrave %1\n").arg(QLatin1String(OLTRAVE_VERSION)));
        return finishOutput(kExitOk);
    case Invocation::Kind::Window:
    case Invocation::Kind::Command: break;
    }
    qInstallMessageHandler(onlyErrors);
    return findSubcommand(invocation.command)->run(invocation, argv[0]);
}
