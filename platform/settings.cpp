#include "settings.h"

#include <QCoreApplication>
#include <QDir>

namespace oltrave {

QString rememberSetting(const QString& key, const QVariant& value) {
    QSettings settings = programSettings();
    const QString where = QDir::toNativeSeparators(settings.fileName());
    // QSettings writes the whole store back, and a value it could not read
    // comes back as @Invalid(): better not remember than lose the person's own.
    const QStringList keys = settings.allKeys();
    if (settings.status() == QSettings::FormatError)
        return QCoreApplication::translate("oltrave::Settings",
                                           "%1 cannot be read; it is left as it is")
            .arg(where);
    for (const QString& other : keys) {
        if (other != key && !settings.value(other).isValid())
            return QCoreApplication::translate(
                       "oltrave::Settings",
                       "%1 holds a value that cannot be read (%2); it is left as it is")
                .arg(where, other);
    }
    if (settings.value(key) == value)
        return {};
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return QCoreApplication::translate("oltrave::Settings", "%1 cannot be written").arg(where);
    return {};
}

} // namespace oltrave
