#include <QApplication>
#include <QTextStream>

#include "platform/translation.h"
#include "program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::optional<oltrave::Language> asked;
    const QStringList arguments = QApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QLatin1String("--lang")); at > 0) {
        asked = at + 1 < arguments.size() ? oltrave::languageFromArgument(arguments.at(at + 1))
                                          : std::nullopt;
        if (!asked) {
            QTextStream(stderr) << "oltrave: --lang takes en or zh_CN\n";
            return 2;
        }
    }
    oltrave::useLanguage(oltrave::startupLanguage(asked));
    const oltrave::Program program;
    return QApplication::exec();
}
