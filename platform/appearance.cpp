#include "appearance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace oltrave {

namespace {

const char* const kFontFile = "Data/Font/Segoe UI Semibold.ttf";

QString fallbackFamily() {
    const QStringList installed = QFontDatabase::families();
    // Debian's fonts-open-sans lists the semibold face under both names.
    for (const char* family : {"Open Sans Semibold", "Open Sans"}) {
        if (installed.contains(QLatin1String(family)))
            return QLatin1String(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Dark text on a light ground.
bool isLight(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() >
               palette.color(QPalette::WindowText).lightness() &&
           palette.color(QPalette::Base).lightness() > palette.color(QPalette::Text).lightness();
}

} // namespace

QString registerProductFont(const QString& appDir) {
    const QString path = QDir(appDir).filePath(QLatin1String(kFontFile));
    if (QFileInfo::exists(path)) {
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.front();
    }
    return fallbackFamily();
}

QColor menuBarColour() {
    const QPalette desktop = QApplication::palette("QMenuBar");
    return (isLight(desktop) ? desktop : designedPalette()).color(QPalette::Window);
}

QPalette designedPalette() {
    const QPalette desktop = QApplication::palette();
    if (isLight(desktop))
        return desktop;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : desktop;
}

} // namespace oltrave
