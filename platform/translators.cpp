#include "translators.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <vector>

namespace oltrave {

namespace {

// The one translator the application asks. It asks the translators of the
// language in use and keeps, for each word it hands out, what it was asked,
// so the words already shown can be said again in another language.
class ProgramTranslator : public QTranslator {
public:
    void speak(Language language) {
        std::vector<std::unique_ptr<QTranslator>> chosen;
        if (language == Language::Chinese) {
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            // Qt's own words, where Debian installed them.
            for (const char* catalogue : {"qtbase_zh_CN", "qtmultimedia_zh_CN"})
                add(chosen, QLatin1String(catalogue), qtFolder);
            add(chosen, QStringLiteral("oltrave_zh_CN"), QStringLiteral(":/i18n"));
        }
        const QMutexLocker lock(&mutex_);
        inner_ = std::move(chosen);
    }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        const QMutexLocker lock(&mutex_);
        QString translated;
        for (const auto& translator : inner_) {
            translated = translator->translate(context, sourceText, disambiguation, n);
            if (!translated.isEmpty())
                break;
        }
        const QString shown = translated.isEmpty() ? QString::fromUtf8(sourceText) : translated;
        seen_.insert(shown, {context, sourceText, disambiguation, n});
        return translated;
    }

    bool isEmpty() const override { return false; }

    std::optional<SourceText> sourceOf(const QString& shown) const {
        const QMutexLocker lock(&mutex_);
        const auto found = seen_.constFind(shown);
        if (found == seen_.constEnd())
            return std::nullopt;
        return *found;
    }

private:
    static void add(std::vector<std::unique_ptr<QTranslator>>& chosen, const QString& name,
                    const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, folder))
            chosen.push_back(std::move(translator));
    }

    mutable QMutex mutex_;
    std::vector<std::unique_ptr<QTranslator>> inner_;
    mutable QHash<QString, SourceText> seen_;
};

// Owned by the application: a new application gets a new one.
ProgramTranslator* programTranslator() {
    static QPointer<ProgramTranslator> translator;
    if (!translator) {
        translator = new ProgramTranslator;
        translator->setParent(QCoreApplication::instance());
    }
    return translator;
}

} // namespace

void installTranslators(Language language) {
    ProgramTranslator* translator = programTranslator();
    translator->speak(language);
    // Installing it again tells every widget that the language changed.
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::installTranslator(translator);
}

std::optional<SourceText> sourceOf(const QString& shown) {
    return programTranslator()->sourceOf(shown);
}

} // namespace oltrave
