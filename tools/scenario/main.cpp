// oltrave-scenario [--lang LANG] [--reads] FILE | -
// Performs the actions of a scenario on the real main window and prints the
// state blocks it asks for, then one more at the end.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "platform/translation.h"
#include "scenario.h"
#include "ui/mainwindow.h"

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int fail(const QString& message) {
    std::fflush(stdout);
    write(stderr, QStringLiteral("oltrave-scenario: ") + message + QLatin1Char('\n'));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // English unless asked otherwise, whatever the machine's locale or settings say,
    // so the golden outputs hold everywhere.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    // --reads adds the line on how the boxes are read, which the scenarios
    // written before it do not show.
    const bool withReads = arguments.removeAll(QStringLiteral("--reads")) > 0;
    oltrave::Language language = oltrave::Language::English;
    if (arguments.size() == 3 && arguments.first() == QLatin1String("--lang")) {
        const auto asked = oltrave::languageFromArgument(arguments.at(1));
        if (!asked)
            return fail(QStringLiteral("--lang takes en or zh_CN"));
        language = *asked;
        arguments.remove(0, 2);
    }
    if (arguments.size() != 1)
        return fail(QStringLiteral(
            "usage: oltrave-scenario [--lang LANG] [--reads] FILE (or - for standard "
            "input)"));
    oltrave::useLanguage(language);
    const QString source = arguments.constFirst();
    QFile file;
    const bool opened = source == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(source), file.open(QIODevice::ReadOnly));
    if (!opened)
        return fail(QStringLiteral("cannot read %1").arg(source));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the final line end

    oltrave::MainWindow window;
    window.show();
    window.activateWindow(); // without a window manager nobody else does
    if (!QTest::qWaitForWindowActive(&window))
        return fail(QStringLiteral("the main window did not become active"));

    using namespace oltrave::scenario;
    QString message; // shown by the last action, said before the next block
    const auto block = [&] {
        const QString said = message.isEmpty()
                                 ? QString()
                                 : QStringLiteral("message: ") + message + QLatin1Char('\n');
        message.clear();
        return said + stateBlock(window, withReads);
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("%1:%2: ").arg(source).arg(i + 1);
        const Parsed parsed = parseLine(lines[i]);
        if (parsed.status == Parsed::Status::Nothing)
            continue;
        if (parsed.status == Parsed::Status::Invalid)
            return fail(where + QStringLiteral("not a valid action: ") + parsed.problem);
        if (const std::optional<QString> problem = perform(window, parsed.action))
            return fail(where + *problem);
        if (const std::optional<QString> shown = takeMessage(window))
            message = *shown;
        if (parsed.action.kind == Action::Kind::Dump)
            write(stdout, block());
    }
    write(stdout, block());
    return 0;
}
