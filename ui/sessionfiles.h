#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "model/savedsession.h"

class QAction;
class QMainWindow;
class QMenu;

namespace oltrave {

// File > Save Session, Save Session As…, Open Session… and Open Recent. The
// window says what the session is and how to show an opened one; refusals
// are shown in a message and change nothing.
class SessionFiles : public QObject {
    Q_OBJECT
public:
    using Saved = std::function<SavedSession()>;
    using Show = std::function<void(SavedSession)>;

    SessionFiles(QMainWindow& window, Saved saved, Show show);

    // The file dialogs' work, without them.
    bool saveTo(const QString& path);
    bool openFrom(const QString& path);

    // The sessions offered under Open Recent, newest first.
    void setRecent(const QStringList& paths);
    QStringList recent() const { return recent_; }
    static constexpr qsizetype kMostRecent = 8;

    // View > Reopen Last Session at Start; off unless set.
    QAction* reopenLast() const { return reopenLast_; }
    // Saves or opens the session kept for that option, saying nothing when
    // it cannot; false then.
    bool keepLast(const QString& path);
    bool openLast(const QString& path);

signals:
    // A session was saved or opened: whoever remembers Open Recent stores the list.
    void recentChanged(const QStringList& paths);

private:
    void save();
    void saveAs();
    void open();
    void used(const QString& path);
    void fillRecent();
    void tell(const QString& title, const QString& text);
    bool write(const QString& path, bool quiet);

    QMainWindow& window_;
    Saved saved_;
    Show show_;
    QMenu* recentMenu_ = nullptr;
    QAction* reopenLast_ = nullptr;
    QString current_; // the file the session was last saved to or opened from
    QStringList recent_;
};

} // namespace oltrave
