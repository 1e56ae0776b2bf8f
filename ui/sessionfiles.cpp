#include "sessionfiles.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>

#include "platform/sessionfile.h"

namespace oltrave {

namespace {

QString filter() {
    return SessionFiles::tr("Oltrave sessions (*.oltrave)");
}

} // namespace

SessionFiles::SessionFiles(QMainWindow& window, Saved saved, Show show)
    : QObject(&window), window_(window), saved_(std::move(saved)), show_(std::move(show)) {
    setObjectName(QStringLiteral("sessionfiles"));
    auto* file = window.findChild<QMenu*>(QStringLiteral("file"));
    if (!file)
        return;
    QAction* first = file->actions().value(0);
    const auto item = [&](const char* name, const QString& caption, const QKeySequence& keys,
                          void (SessionFiles::*handler)()) {
        auto* action = new QAction(caption, file);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        file->insertAction(first, action);
        window.addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    item("opensession", tr("Open Session(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O),
         &SessionFiles::open);
    recentMenu_ = new QMenu(tr("Open Recent(&R)"), file);
    recentMenu_->setObjectName(QStringLiteral("openrecent"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("openrecent"));
    file->insertMenu(first, recentMenu_);
    item("savesession", tr("Save Session(&V)"), QKeySequence(Qt::CTRL | Qt::Key_S),
         &SessionFiles::save);
    item("savesessionas", tr("Save Session As(&A)..."), QKeySequence(), &SessionFiles::saveAs);
    file->insertSeparator(first)->setObjectName(QStringLiteral("file_line_session"));
    fillRecent();

    if (auto* view = window.findChild<QMenu*>(QStringLiteral("view"))) {
        reopenLast_ = new QAction(tr("Reopen Last Session at Start"), view);
        reopenLast_->setObjectName(QStringLiteral("reopenlast"));
        reopenLast_->setCheckable(true);
        const auto* languages = view->findChild<QMenu*>(QStringLiteral("language"));
        view->insertAction(languages ? languages->menuAction() : nullptr, reopenLast_);
    }
}

bool SessionFiles::saveTo(const QString& path) {
    if (!write(path, false))
        return false;
    used(path);
    return true;
}

bool SessionFiles::keepLast(const QString& path) {
    return write(path, true);
}

bool SessionFiles::openLast(const QString& path) {
    SessionReading reading = readSessionFile(path);
    if (!reading.session)
        return false;
    show_(std::move(*reading.session));
    return true;
}

bool SessionFiles::write(const QString& path, bool quiet) {
    const QString error = writeSessionFile(path, saved_());
    if (!error.isEmpty() && !quiet)
        tell(tr("Save Session"), tr("The session could not be saved. %1").arg(error));
    return error.isEmpty();
}

bool SessionFiles::openFrom(const QString& path) {
    SessionReading reading = readSessionFile(path);
    if (!reading.session) {
        tell(tr("Open Session"), reading.problem);
        return false;
    }
    show_(std::move(*reading.session));
    used(path);
    return true;
}

void SessionFiles::setRecent(const QStringList& paths) {
    recent_ = paths.mid(0, kMostRecent);
    fillRecent();
}

void SessionFiles::save() {
    if (current_.isEmpty())
        saveAs();
    else
        saveTo(current_);
}

void SessionFiles::saveAs() {
    QString path = QFileDialog::getSaveFileName(
        &window_, tr("Save Session"), current_.isEmpty() ? QDir::homePath() : current_, filter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kSessionSuffix);
    saveTo(path);
}

void SessionFiles::open() {
    const QString path = QFileDialog::getOpenFileName(
        &window_, tr("Open Session"),
        current_.isEmpty() ? QDir::homePath() : QFileInfo(current_).path(), filter());
    if (!path.isEmpty())
        openFrom(path);
}

void SessionFiles::used(const QString& path) {
    current_ = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(current_);
    recent_.prepend(current_);
    recent_ = recent_.mid(0, kMostRecent);
    fillRecent();
    emit recentChanged(recent_);
}

void SessionFiles::fillRecent() {
    if (!recentMenu_)
        return;
    recentMenu_->clear();
    for (const QString& path : recent_) {
        QAction* action = recentMenu_->addAction(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { openFrom(path); });
    }
    recentMenu_->setEnabled(!recent_.isEmpty());
}

// Shown without waiting: the window stays as it was behind it.
void SessionFiles::tell(const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("sessionmessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace oltrave
