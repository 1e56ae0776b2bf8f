#include "appearance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPalette>

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
    return QApplication::palette("QMenuBar").color(QPalette::Window);
}

} // namespace oltrave
