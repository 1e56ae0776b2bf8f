#include "scenario.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "model/familytable.h"
#include "platform/canvaswidget.h"
#include "ui/mainwindow.h"
#include "ui/sessionfiles.h"

namespace oltrave::scenario {

namespace {

const QStringList kBoxes{"tx0", "tx1", "tx2", "tx3", "setx", "setdata"};
const QStringList kButtons{"prt", "rprt", "cleara", "calc"};
const QStringList kMenuItems{"print",     "reprint",  "calculate", "clear", "exact",
                             "keypoints", "analysis", "undo",      "redo"};
constexpr int kLargestPixel = 9999;
constexpr int kMostNotches = 99;
const QStringList kKeys{"Enter", "Backspace"};

Parsed invalid(const QString& problem) {
    return {Parsed::Status::Invalid, Action(), problem};
}

Parsed accepted(Action action) {
    return {Parsed::Status::Action, std::move(action), {}};
}

// A whole number from first to last inclusive, written with digits only.
std::optional<int> smallNumber(const QString& word, int first, int last) {
    bool ok = false;
    const int value = word.toInt(&ok);
    const bool digits = !word.isEmpty() &&
                        std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
    if (!ok || !digits || value < first || value > last)
        return std::nullopt;
    return value;
}

// set and type: the box name, then everything after the next blank, verbatim.
Parsed textAction(Action::Kind kind, const QString& rest) {
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    Action action{kind};
    action.target = blank < 0 ? rest : rest.left(blank);
    action.text = blank < 0 ? QString() : rest.mid(blank + 1);
    if (!kBoxes.contains(action.target))
        return invalid(QStringLiteral("unknown box \"%1\"").arg(action.target));
    return accepted(action);
}

Parsed namedAction(Action::Kind kind, const QStringList& words, const QStringList& names) {
    if (words.size() != 2 || !names.contains(words[1]))
        return invalid(QStringLiteral("expected %1 followed by one of: %2")
                           .arg(words[0], names.join(QStringLiteral(", "))));
    Action action{kind};
    action.target = words[1];
    return accepted(action);
}

// Qt's text for a sequence, with the longer key names people write too
// ("PageDown" for Qt's "PgDown").
QKeySequence keySequence(QString text) {
    static const std::pair<const char*, const char*> kAliases[] = {
        {"PageDown", "PgDown"}, {"PageUp", "PgUp"}, {"Delete", "Del"},
        {"Insert", "Ins"},      {"Escape", "Esc"},
    };
    for (const auto& [alias, name] : kAliases) {
        const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QLatin1String(alias)),
                                      QRegularExpression::CaseInsensitiveOption);
        text.replace(word, QLatin1String(name));
    }
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

// A sequence Qt read whole: no key it did not know, and at least one key.
bool knownKeys(const QKeySequence& sequence) {
    if (sequence.isEmpty())
        return false;
    for (int i = 0; i < sequence.count(); ++i) {
        if (sequence[i].key() == Qt::Key_unknown)
            return false;
    }
    return true;
}

QWidget* child(MainWindow& window, const QString& name) {
    return window.findChild<QWidget*>(name);
}

// What a person does before typing: click into the box, go to the end.
QLineEdit* focusBox(MainWindow& window, const QString& name) {
    auto* box = window.findChild<QLineEdit*>(name);
    if (!box || !box->isVisibleTo(&window))
        return nullptr;
    box->setFocus(Qt::OtherFocusReason);
    box->end(false);
    return box;
}

void typeText(QLineEdit* box, const QString& text) {
    for (const uint codePoint : text.toUcs4()) {
        const QString key = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
        if (codePoint < 0x80)
            QTest::keyClick(box, static_cast<char>(codePoint));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

// Opens the chooser's list and picks the entry with the keyboard, which
// reports the choice even when the entry was already chosen.
bool chooseEntry(QComboBox* combo, int entry) {
    combo->setFocus(Qt::OtherFocusReason);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    // The offscreen platform does not hand activation back when the list
    // closes; a desktop does.
    QCoreApplication::processEvents();
    QWidget* window = combo->window();
    if (QApplication::activeWindow() == window)
        return true;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// A whole number with an optional minus sign, from -limit to limit.
std::optional<int> signedNumber(const QString& word, int limit) {
    const bool negative = word.startsWith(QLatin1Char('-'));
    const std::optional<int> size = smallNumber(negative ? word.mid(1) : word, 0, limit);
    if (!size)
        return std::nullopt;
    return negative ? -*size : *size;
}

// A pixel of the drawing rectangle in the area's own coordinates.
QPoint areaPoint(const CanvasWidget& canvas, int column, int row) {
    return canvas.contentsRect().topLeft() + QPoint(column, row);
}

QString notFound(const QString& name) {
    return QStringLiteral("%1 is hidden or missing: a person could not act on it").arg(name);
}

} // namespace

Parsed parseLine(const QString& raw) {
    QString line = raw;
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return {Parsed::Status::Nothing, Action(), {}};

    const QString body = line.mid(line.indexOf(trimmed.front()));
    const qsizetype blank = body.indexOf(QLatin1Char(' '));
    const QString verb = blank < 0 ? body : body.left(blank);
    const QString rest = blank < 0 ? QString() : body.mid(blank + 1);
    if (verb == QLatin1String("set"))
        return textAction(Action::Kind::Set, rest);
    if (verb == QLatin1String("type"))
        return textAction(Action::Kind::Type, rest);

    const QStringList words = body.split(QLatin1Char(' '));
    if (verb == QLatin1String("family") || verb == QLatin1String("mode")) {
        const bool family = verb == QLatin1String("family");
        const int last = (family ? familyCount() : kModeCount) - 1;
        const std::optional<int> n =
            words.size() == 2 ? smallNumber(words[1], 0, last) : std::nullopt;
        if (!n)
            return invalid(QStringLiteral("expected %1 followed by a number from 0 to %2")
                               .arg(verb)
                               .arg(last));
        Action action{family ? Action::Kind::Family : Action::Kind::Mode};
        action.number = *n;
        return accepted(action);
    }
    if (verb == QLatin1String("key")) {
        if (words.size() != 3 || !kBoxes.contains(words[1]) || !kKeys.contains(words[2]))
            return invalid(QStringLiteral("expected key BOX Enter or key BOX Backspace"));
        Action action{Action::Kind::Key};
        action.target = words[1];
        action.text = words[2];
        return accepted(action);
    }
    if (verb == QLatin1String("click"))
        return namedAction(Action::Kind::Click, words, kButtons);
    if (verb == QLatin1String("menu"))
        return namedAction(Action::Kind::Menu, words, kMenuItems);
    if (verb == QLatin1String("shortcut")) {
        // Everything after the verb, so "Ctrl+K, Ctrl+C" is one sequence of two keys.
        if (!knownKeys(keySequence(rest)))
            return invalid(QStringLiteral("expected shortcut followed by a key sequence"));
        Action action{Action::Kind::Shortcut};
        action.target = rest;
        return accepted(action);
    }
    if (verb == QLatin1String("hover") || verb == QLatin1String("doubleclick")) {
        const std::optional<int> column =
            words.size() == 3 ? smallNumber(words[1], 0, kLargestPixel) : std::nullopt;
        const std::optional<int> row =
            words.size() == 3 ? smallNumber(words[2], 0, kLargestPixel) : std::nullopt;
        if (!column || !row)
            return invalid(QStringLiteral("expected %1 followed by a column and a row").arg(verb));
        Action action{verb == QLatin1String("hover") ? Action::Kind::Hover
                                                     : Action::Kind::DoubleClick};
        action.number = *column;
        action.row = *row;
        return accepted(action);
    }
    if (verb == QLatin1String("leave")) {
        if (words.size() != 1)
            return invalid(QStringLiteral("leave takes nothing after it"));
        return accepted(Action{Action::Kind::Leave});
    }
    if (verb == QLatin1String("wheel")) {
        const std::optional<int> notches =
            words.size() == 2 ? signedNumber(words[1], kMostNotches) : std::nullopt;
        if (!notches)
            return invalid(QStringLiteral("expected wheel followed by a number of notches"));
        Action action{Action::Kind::Wheel};
        action.number = *notches;
        return accepted(action);
    }
    if (verb == QLatin1String("dump")) {
        if (words.size() != 1)
            return invalid(QStringLiteral("dump takes nothing after it"));
        return accepted(Action{Action::Kind::Dump});
    }
    if (verb == QLatin1String("save-window") || verb == QLatin1String("save-canvas")) {
        if (rest.isEmpty())
            return invalid(QStringLiteral("%1 needs a file name").arg(verb));
        Action action{verb == QLatin1String("save-window") ? Action::Kind::SaveWindow
                                                           : Action::Kind::SaveCanvas};
        action.target = rest;
        return accepted(action);
    }
    if (verb == QLatin1String("save-session") || verb == QLatin1String("open-session")) {
        if (rest.isEmpty())
            return invalid(QStringLiteral("%1 needs a file name").arg(verb));
        Action action{verb == QLatin1String("save-session") ? Action::Kind::SaveSession
                                                            : Action::Kind::OpenSession};
        action.target = rest;
        return accepted(action);
    }
    return invalid(QStringLiteral("unknown action \"%1\"").arg(verb));
}

std::optional<QString> perform(MainWindow& window, const Action& action) {
    switch (action.kind) {
    case Action::Kind::Family: {
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("combotype"));
        if (!combo)
            return notFound(QStringLiteral("combotype"));
        if (!chooseEntry(combo, action.number))
            return QStringLiteral("the main window did not become active again");
        break;
    }
    case Action::Kind::Mode: {
        const QString name = QStringLiteral("llabs%1").arg(action.number);
        QWidget* label = child(window, name);
        if (!label)
            return notFound(name);
        if (label->isEnabled()) // Qt would drop the click on a disabled label too
            QTest::mouseClick(label, Qt::LeftButton);
        break;
    }
    case Action::Kind::Set: {
        QLineEdit* box = focusBox(window, action.target);
        if (!box)
            return notFound(action.target);
        box->selectAll();
        box->insert(action.text); // a paste: one change, cut to the length limit
        break;
    }
    case Action::Kind::Type: {
        QLineEdit* box = focusBox(window, action.target);
        if (!box)
            return notFound(action.target);
        typeText(box, action.text);
        break;
    }
    case Action::Kind::Key: {
        QLineEdit* box = focusBox(window, action.target);
        if (!box)
            return notFound(action.target);
        QTest::keyClick(box,
                        action.text == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Backspace);
        break;
    }
    case Action::Kind::Click: {
        QWidget* button = child(window, action.target);
        if (!button)
            return notFound(action.target);
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
    case Action::Kind::Menu: {
        auto* item = window.findChild<QAction*>(action.target);
        if (!item)
            return notFound(action.target);
        item->trigger();
        break;
    }
    case Action::Kind::Shortcut: {
        const QKeySequence sequence = keySequence(action.target);
        // Each key goes wherever the one before it left the focus.
        for (int i = 0; i < sequence.count(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &window, sequence[i].key(),
                            sequence[i].keyboardModifiers());
        }
        break;
    }
    case Action::Kind::Hover:
    case Action::Kind::DoubleClick: {
        auto* canvas = window.findChild<CanvasWidget*>(QStringLiteral("pic"));
        if (!canvas)
            return notFound(QStringLiteral("pic"));
        const QPoint at = areaPoint(*canvas, action.number, action.row);
        QTest::mouseMove(canvas, at);
        if (action.kind == Action::Kind::DoubleClick)
            QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
        break;
    }
    case Action::Kind::Leave: {
        // The corner of the client area under the list, away from the plot.
        QWidget* client = window.centralWidget();
        QTest::mouseMove(client, QPoint(client->width() - 1, client->height() - 1));
        // Off screen no window system reports the crossing; a desktop does.
        if (auto* canvas = window.findChild<CanvasWidget*>(QStringLiteral("pic"))) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(canvas, &leave);
        }
        break;
    }
    case Action::Kind::Wheel: {
        auto* canvas = window.findChild<CanvasWidget*>(QStringLiteral("pic"));
        if (!canvas)
            return notFound(QStringLiteral("pic"));
        constexpr int kNotch = 120;
        const QPointF middle = QRectF(canvas->contentsRect()).center();
        const int direction = action.number > 0 ? 1 : -1;
        for (int notch = 0; notch < std::abs(action.number); ++notch) {
            QWheelEvent turn(middle, canvas->mapToGlobal(middle), QPoint(),
                             QPoint(0, kNotch * direction), Qt::NoButton, Qt::NoModifier,
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas, &turn);
        }
        break;
    }
    case Action::Kind::Dump: break;
    case Action::Kind::SaveWindow:
        if (!window.grab().save(action.target, "PNG"))
            return QStringLiteral("cannot write %1").arg(action.target);
        break;
    case Action::Kind::SaveCanvas: {
        auto* canvas = window.findChild<CanvasWidget*>(QStringLiteral("pic"));
        if (!canvas)
            return notFound(QStringLiteral("pic"));
        if (const QString error = canvas->saveImage(action.target); !error.isEmpty())
            return QStringLiteral("cannot write %1").arg(error);
        break;
    }
    case Action::Kind::SaveSession:
        // As typed into the file dialog: relative to the working folder.
        window.sessionFiles().saveTo(QFileInfo(action.target).absoluteFilePath());
        break;
    case Action::Kind::OpenSession:
        window.sessionFiles().openFrom(QFileInfo(action.target).absoluteFilePath());
        break;
    }
    QCoreApplication::processEvents();
    return std::nullopt;
}

} // namespace oltrave::scenario
