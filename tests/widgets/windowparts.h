#pragma once

#include <QAbstractItemView>
#include <QTest>
#include <memory>

#include "ui/mainwindow.h"

// A main window shown and active, as a person finds it after start-up.
inline std::unique_ptr<oltrave::MainWindow> openMainWindow() {
    auto window = std::make_unique<oltrave::MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the main window did not become active");
    return window;
}

// A control of the window by its name; a missing one ends the test run.
template <typename Widget = QWidget> Widget* part(oltrave::MainWindow& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

// A list's rows as it shows them.
inline int rowCount(const QAbstractItemView& list) {
    return list.model()->rowCount();
}
inline QString rowText(const QAbstractItemView& list, int row, int role = Qt::DisplayRole) {
    return list.model()->index(row, 0).data(role).toString();
}
inline QStringList rowTexts(const QAbstractItemView& list) {
    QStringList shown;
    for (int row = 0; row < rowCount(list); ++row)
        shown << rowText(list, row);
    return shown;
}
