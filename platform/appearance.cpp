#include "appearance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <initializer_list>
#include <memory>

namespace oltrave {

namespace {

const char* const kFontFile = "Data/Font/Segoe UI Semibold.ttf";

// The first of the families that is installed, else the default sans.
QString firstInstalled(std::initializer_list<const char*> families) {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : families) {
        if (installed.contains(QLatin1String(family)))
            return QLatin1String(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Debian's fonts-open-sans lists the semibold face under both names.
QString fallbackFamily() {
    return firstInstalled({"Open Sans Semibold", "Open Sans"});
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

QString regularFamily() {
    return firstInstalled({"Segoe UI", "Open Sans"});
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
