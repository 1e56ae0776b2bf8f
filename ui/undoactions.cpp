#include "undoactions.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>

#include "platform/longlistview.h"

namespace oltrave {

UndoActions::UndoActions(QMainWindow& window, Form& form, Session& session, LongListView& list,
                         QList<QLineEdit*> boxes, std::function<void()> shown)
    : QObject(&window), history_(std::make_unique<History>(form, session)), list_(list),
      boxes_(std::move(boxes)), shown_(std::move(shown)) {
    history_->listPosition = [this] { return list_.verticalScrollBar()->value(); };
    history_->showListPosition = [this](int position) { listPosition_ = position; };

    undo_ = new QAction(&window);
    undo_->setObjectName(QStringLiteral("undo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = new QAction(&window);
    redo_->setObjectName(QStringLiteral("redo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    window.addAction(undo_);
    window.addAction(redo_);
    if (auto* edit = window.findChild<QMenu*>(QStringLiteral("edit"))) {
        QAction* first = edit->actions().value(0);
        edit->insertAction(first, undo_);
        edit->insertAction(first, redo_);
        edit->insertSeparator(first)->setObjectName(QStringLiteral("menu_line_undo"));
    }
    connect(undo_, &QAction::triggered, this, &UndoActions::undo);
    connect(redo_, &QAction::triggered, this, &UndoActions::redo);
    for (QLineEdit* box : boxes_)
        box->installEventFilter(this);
    refresh();
}

UndoActions::~UndoActions() = default;

QString UndoActions::commandName(UndoableCommand command) {
    switch (command) {
    case UndoableCommand::Print: return tr("Print");
    case UndoableCommand::RePrint: return tr("RePrint");
    case UndoableCommand::Clear: return tr("Clear");
    case UndoableCommand::Calculate: return tr("Calculate");
    case UndoableCommand::Zoom: return tr("Zoom");
    case UndoableCommand::Family: return tr("Family Change");
    case UndoableCommand::Mode: return tr("Mode Change");
    case UndoableCommand::OpenSession: return tr("Open Session");
    }
    return {};
}

void UndoActions::record(UndoableCommand command, const std::function<void()>& run) {
    history_->record(command, run);
    forgetTyping();
    refresh();
}

void UndoActions::undo() {
    step(false);
}

void UndoActions::redo() {
    step(true);
}

void UndoActions::forget() {
    history_->forget();
    refresh();
}

void UndoActions::step(bool forward) {
    listPosition_.reset();
    bool stepped = false;
    {
        const LongListView::Batch lines(list_);
        stepped = forward ? history_->redo() : history_->undo();
    }
    if (!stepped)
        return;
    shown_();
    if (listPosition_)
        list_.verticalScrollBar()->setValue(*listPosition_);
    forgetTyping();
    refresh();
}

void UndoActions::refresh() {
    const std::optional<UndoableCommand> back = history_->nextUndo();
    const std::optional<UndoableCommand> again = history_->nextRedo();
    undo_->setText(back ? tr("Undo %1(&U)").arg(commandName(*back)) : tr("Undo(&U)"));
    redo_->setText(again ? tr("Redo %1(&D)").arg(commandName(*again)) : tr("Redo(&D)"));
    undo_->setEnabled(back.has_value());
    redo_->setEnabled(again.has_value());
}

void UndoActions::forgetTyping() {
    for (QLineEdit* box : boxes_) {
        if (!box->isUndoAvailable() && !box->isRedoAvailable())
            continue;
        // Setting the text anew empties the box's own history; the cursor and
        // the text stay.
        const QSignalBlocker quiet(box);
        const int cursor = box->cursorPosition();
        box->setText(box->text());
        box->setCursorPosition(cursor);
    }
}

// A box takes Ctrl+Z for its own typing while it has some to take back;
// otherwise the key is Edit > Undo's.
bool UndoActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!box)
        return false;
    const bool undoKey = key->matches(QKeySequence::Undo);
    const bool redoKey = key->matches(QKeySequence::Redo) ||
                         redo_->shortcuts().contains(QKeySequence(key->keyCombination()));
    if ((undoKey && !box->isUndoAvailable()) || (redoKey && !box->isRedoAvailable())) {
        event->ignore(); // not the box's: the window's item runs
        return true;
    }
    return false;
}

} // namespace oltrave
