#pragma once

// Running the program as a script does, for the command-line tests.

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int status = -1; // -1 when the program did not end normally
    QString out;
    QString err;
};

// The program with these arguments, in folder when given, speaking English
// whatever the machine's locale says.
inline Run runProgram(const QString& program, const QStringList& arguments,
                      const QString& folder = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
