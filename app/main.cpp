// oltrave: the window with no arguments; with a command word, the command
// line's commands, which need no display.
#include <QStringList>
#include <cstdio>

#include "commandline.h"
#include "exactmodule.h"
#include "guimodule.h"
#include "subcommands.h"

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// Qt's notes about the session (a missing runtime folder and the like) are
// not a command's output: scripts read its standard error.
void onlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        write(stderr, message + QLatin1Char('\n'));
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace oltrave::cli;
    useExactModule();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const ParseResult parsed = parseCommandLine(arguments);
    if (!parsed.invocation) {
        write(stderr, QStringLiteral("oltrave: %1\n\n").arg(parsed.error) + usageText());
        return kExitUsage;
    }
    const Invocation& invocation = *parsed.invocation;
    switch (invocation.kind) {
    case Invocation::Kind::Help: write(stdout, usageText()); return kExitOk;
    case Invocation::Kind::Version:
        write(stdout, QStringLiteral("Oltrave %1\n").arg(QLatin1String(OLTRAVE_VERSION)));
        return kExitOk;
    case Invocation::Kind::Window: return runWindowInModule(invocation, argv[0]);
    case Invocation::Kind::Command: break;
    }
    qInstallMessageHandler(onlyErrors);
    return findSubcommand(invocation.command)->run(invocation, argv[0]);
}
