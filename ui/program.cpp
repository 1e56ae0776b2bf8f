#include "program.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "aboutscreen.h"
#include "art.h"
#include "mainwindow.h"
#include "platform/settings.h"
#include "platform/translation.h"
#include "sessionfiles.h"
#include "startupscreen.h"

namespace oltrave {

namespace {

const QString kExactValuesKey = QStringLiteral("view/exactValues");
const QString kKeyPointsKey = QStringLiteral("view/keyPoints");
const QString kGridKey = QStringLiteral("view/gridScale");
const QString kAnalysisKey = QStringLiteral("view/analysis");
const QString kPlotWindowKey = QStringLiteral("view/plotWindow");
const QString kReopenLastKey = QStringLiteral("view/reopenLastSession");
const QString kRecentKey = QStringLiteral("session/recent");

// Where the session is kept for View > Reopen Last Session at Start.
QString lastSessionPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/Oltrave");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/last.oltrave");
}

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
        window_ = std::make_unique<MainWindow>();
        connect(window_.get(), &MainWindow::aboutRequested, this, &Program::showAbout);
        connect(window_.get(), &MainWindow::languageChosen, this,
                [this](Language language) { settingNotKept(rememberLanguage(language)); });
        // The view options are remembered between runs.
        window_->setExactValues(programSettings().value(kExactValuesKey, false).toBool());
        connect(window_.get(), &MainWindow::exactValuesToggled, this,
                [this](bool on) { settingNotKept(rememberSetting(kExactValuesKey, on)); });
        window_->setKeyPoints(programSettings().value(kKeyPointsKey, false).toBool());
        connect(window_.get(), &MainWindow::keyPointsToggled, this,
                [this](bool on) { settingNotKept(rememberSetting(kKeyPointsKey, on)); });
        if (auto* grid = window_->findChild<QAction*>(QStringLiteral("gridscale"))) {
            grid->setChecked(programSettings().value(kGridKey, false).toBool());
            connect(grid, &QAction::toggled, this,
                    [this](bool on) { settingNotKept(rememberSetting(kGridKey, on)); });
        }
        if (auto* analysis = window_->findChild<QAction*>(QStringLiteral("analysis"))) {
            analysis->setChecked(programSettings().value(kAnalysisKey, false).toBool());
            connect(analysis, &QAction::toggled, this,
                    [this](bool on) { settingNotKept(rememberSetting(kAnalysisKey, on)); });
        }
        if (auto* plot = window_->findChild<QAction*>(QStringLiteral("plotwindow"))) {
            connect(plot, &QAction::toggled, this,
                    [this](bool on) { settingNotKept(rememberSetting(kPlotWindowKey, on)); });
            // Opened again once the main window is up: the start is not slowed.
            if (programSettings().value(kPlotWindowKey, false).toBool())
                QTimer::singleShot(0, plot, [plot] { plot->setChecked(true); });
        }
        keepSessions();
    }
    window_->show();
}

// Open Recent and Reopen Last Session at Start are remembered; with the
// latter on, the session is kept in a file when the program ends and shown
// again at the next start.
void Program::keepSessions() {
    SessionFiles& sessions = window_->sessionFiles();
    sessions.setRecent(programSettings().value(kRecentKey).toStringList());
    connect(&sessions, &SessionFiles::recentChanged, this, [this](const QStringList& paths) {
        settingNotKept(rememberSetting(kRecentKey, paths));
    });
    QAction* reopen = sessions.reopenLast();
    if (!reopen)
        return;
    reopen->setChecked(programSettings().value(kReopenLastKey, false).toBool());
    connect(reopen, &QAction::toggled, this,
            [this](bool on) { settingNotKept(rememberSetting(kReopenLastKey, on)); });
    if (reopen->isChecked())
        sessions.openLast(lastSessionPath());
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        SessionFiles& files = window_->sessionFiles();
        if (files.reopenLast() && files.reopenLast()->isChecked())
            files.keepLast(lastSessionPath());
    });
}

// Said once a run: the choices still hold for this run.
void Program::settingNotKept(const QString& reason) {
    if (reason.isEmpty() || settingsWarned_)
        return;
    settingsWarned_ = true;
    emit settingNotRemembered(reason);
    QMessageBox::warning(window_.get(), tr("Settings"),
                         tr("Your choices cannot be remembered for the next run: %1.").arg(reason));
}

// A new screen each time; the main window waits until it closes.
void Program::showAbout() {
    AboutScreen about(window_.get());
    about.exec();
}

} // namespace oltrave
