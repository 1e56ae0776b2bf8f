#pragma once

#include <QString>
#include <optional>

namespace oltrave {
class MainWindow;
}

namespace oltrave::scenario {

// One line of a scenario, read but not yet performed.
struct Action {
    enum class Kind {
        Family,
        Mode,
        Set,
        Type,
        Key,
        Click,
        Menu,
        Shortcut,
        Dump,
        SaveWindow,
        SaveCanvas,
        Hover,
        Leave,
        Wheel,
        DoubleClick,
        SaveSession,
        OpenSession,
    };
    explicit Action(Kind k = Kind::Dump) : kind(k) {}

    Kind kind;
    int number = 0; // family, mode, wheel notches or the pixel's column
    int row = 0;    // the pixel's row
    QString target; // box, picture button, menu item, key, sequence or file
    QString text;   // for set and type
};

struct Parsed {
    enum class Status { Action, Nothing, Invalid };
    Status status;
    Action action;
    QString problem; // why an invalid line is not an action
};

// Reads one line; blank lines and comments are Nothing.
Parsed parseLine(const QString& line);

// Performs an action on the window through its widgets, as a person would.
// Returns an error text when the action could not be carried out.
std::optional<QString> perform(MainWindow& window, const Action& action);

// The main text of a message the window shows, on one line, closing it as a
// person who read it does; nothing while no message is shown.
std::optional<QString> takeMessage(MainWindow& window);

// The state block the window shows, lines ending in "\n"; withReads adds
// the line on the boxes whose texts are not read whole.
QString stateBlock(const MainWindow& window, bool withReads = false);

} // namespace oltrave::scenario
