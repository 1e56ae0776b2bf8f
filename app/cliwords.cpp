#include "cliwords.h"

#include <QTranslator>
#include <memory>

namespace oltrave::cli {

namespace {

std::unique_ptr<QTranslator>& translator() {
    static std::unique_ptr<QTranslator> loaded;
    return loaded;
}

} // namespace

void speak(Language language) {
    translator().reset();
    if (language == Language::English)
        return; // the words in the code
    auto chinese = std::make_unique<QTranslator>();
    if (chinese->load(QStringLiteral(":/cli/oltrave_zh_CN.qm")))
        translator() = std::move(chinese);
}

QString words(const char* source) {
    if (const auto& loaded = translator()) {
        const QString translated = loaded->translate("oltrave::cli", source);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}

QString askedLanguage(const QStringList& arguments) {
    const QString option = QStringLiteral("--lang");
    QString asked;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if ((argument == option || argument == QLatin1String("-lang")) && i + 1 < arguments.size())
            asked = arguments[++i];
        else if (argument.startsWith(option + QLatin1Char('=')))
            asked = argument.mid(option.size() + 1);
    }
    return asked;
}

} // namespace oltrave::cli
