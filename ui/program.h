#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace oltrave {

class MainWindow;

// The program's windows from start to end: the start-up screen first, and at its
// hand-over the main window, whose About command opens the About screen. Keep it
// alive for the whole run.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(int startupIntervalMs = 1000, QObject* parent = nullptr);
    ~Program() override;

    // Null until the start-up screen has handed over.
    MainWindow* mainWindow() const { return window_.get(); }

signals:
    // Before the message that says so, once a run.
    void settingNotRemembered(const QString& reason);

private:
    void openMainWindow();
    void showAbout();
    void keepSessions();
    void settingNotKept(const QString& reason);

    std::unique_ptr<MainWindow> window_;
    bool settingsWarned_ = false;
};

} // namespace oltrave
