#include "program.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include "aboutscreen.h"
#include "art.h"
#include "mainwindow.h"
#include "platform/translation.h"
#include "startupscreen.h"

namespace oltrave {

namespace {

const QString kOrganisation = QStringLiteral("Oltrave");
const QString kApplication = QStringLiteral("Oltrave");
const QString kExactValuesKey = QStringLiteral("view/exactValues");

} // namespace

Program::Program(int startupIntervalMs, QObject* parent) : QObject(parent) {
    initArt();
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.oltrave.oltrave"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));

    auto* startup = new StartupScreen(startupIntervalMs);
    connect(startup, &StartupScreen::handOver, this, &Program::openMainWindow);
    startup->show();
}

Program::~Program() = default;

void Program::openMainWindow() {
    // The window's start-up steps run as it is made, so it is made here, once.
    if (!window_) {
        window_ = std::make_unique<MainWindow>(nullptr, MainWindow::Options::Remembered);
        connect(window_.get(), &MainWindow::aboutRequested, this, &Program::showAbout);
        connect(window_.get(), &MainWindow::languageChosen, this, &rememberLanguage);
        // The view options are remembered between runs.
        window_->setExactValues(
            QSettings(kOrganisation, kApplication).value(kExactValuesKey, false).toBool());
        connect(window_.get(), &MainWindow::exactValuesToggled, this, [](bool on) {
            QSettings(kOrganisation, kApplication).setValue(kExactValuesKey, on);
        });
    }
    window_->show();
}

// A new screen each time; the main window waits until it closes.
void Program::showAbout() {
    AboutScreen about(window_.get());
    about.exec();
}

} // namespace oltrave
