#pragma once

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
