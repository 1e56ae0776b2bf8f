// Loads modules as the program does, one for each line read from standard
// input, and says what came of it, so a test can change the files around a
// running program between two loads:
//   folder          the module folder the program found as it started
//   NAME            the module NAME from that folder
//   /PATH, ./PATH   the module at PATH
// Each answer is one line: "loaded", "loaded: WORDS" for the test modules, or
// "refused: REASON".
#include <QString>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/loadablemodule.h"

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const QString request = QString::fromStdString(line);
        if (request == QLatin1String("folder")) {
            std::printf("folder: %s\n", qUtf8Printable(oltrave::moduleFolder()));
        } else {
            QString problem;
            const bool isPath = request.contains(QLatin1Char('/'));
            const void* table = isPath ? oltrave::loadModuleFile(request, problem)
                                       : oltrave::loadModule(request, problem);
            if (!table)
                std::printf("refused: %s\n", qUtf8Printable(problem));
            else if (request.contains(QLatin1String("oltrave-test-")))
                std::printf("loaded: %s\n", *static_cast<const char* const*>(table));
            else
                std::printf("loaded\n");
        }
        std::fflush(stdout);
    }
    return 0;
}
