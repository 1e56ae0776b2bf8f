#include "windowmode.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "commandline.h"
#include "platform/translation.h"
#include "subcommands.h"
#include "ui/program.h"

namespace oltrave::cli {

namespace {

[[noreturn]] void noDisplay() {
    std::fprintf(stderr, "%s\n", kNoDisplay);
    std::fflush(stderr);
    std::_Exit(kExitShownFailure);
}

// Without a platform named, Qt looks for X11 or Wayland; with neither set
// there is nothing to try.
bool displayNamed() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// While the application starts, Qt's messages are held back: when no
// platform can be opened, Qt explains at length and then aborts, and the
// person gets one line and a plain exit instead.
std::vector<std::pair<QtMsgType, QString>> heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        noDisplay();
    heldMessages.emplace_back(type, message);
}

} // namespace

int runWindow(const Invocation& invocation, char* programPath) {
    if (!displayNamed())
        noDisplay();
    // Qt's own arguments are not the program's: none reach it.
    static int argc = 1;
    static char* argv[] = {programPath, nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : std::exchange(heldMessages, {}))
        qt_message_output(type, QMessageLogContext(), message);

    std::optional<Language> asked;
    if (!invocation.lang.isEmpty())
        asked = languageFromArgument(invocation.lang);
    useLanguage(startupLanguage(asked));
    const Program program;
    return QApplication::exec();
}

} // namespace oltrave::cli
