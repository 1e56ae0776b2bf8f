#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace oltrave {

// Holds a text box to a number of characters as a person sees them (grapheme
// clusters: an emoji, or a letter with its accents, is one), where Qt's own
// limit counts UTF-16 units and may cut a character in two. An insertion that
// would go over the limit keeps as many of its leading characters as fit,
// whether typed, pasted, dropped or inserted by a program.
class GraphemeLimit : public QValidator {
    Q_OBJECT
public:
    GraphemeLimit(int limit, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // Puts a limit of `limit` characters on the box.
    static void apply(QLineEdit& box, int limit);

    static int count(const QString& text);
    // The first `n` characters of text, never part of one.
    static QString first(const QString& text, int n);

private:
    int limit_;
    mutable QString last_; // the box's text after the previous change
};

} // namespace oltrave
