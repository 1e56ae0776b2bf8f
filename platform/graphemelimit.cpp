#include "graphemelimit.h"

#include "graphemes.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace oltrave {

GraphemeLimit::GraphemeLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

void GraphemeLimit::apply(QLineEdit& box, int limit) {
    box.setMaxLength(32767); // Qt's default; the count that matters is done here
    box.setValidator(new GraphemeLimit(limit, &box));
}

int GraphemeLimit::count(const QString& text) {
    return graphemeCount(text);
}

QString GraphemeLimit::first(const QString& text, int n) {
    return firstGraphemes(text, n);
}

QValidator::State GraphemeLimit::validate(QString& input, int& pos) const {
    if (count(input) <= limit_) {
        last_ = input;
        return Acceptable;
    }
    // The text after the cursor is what followed the insertion before it; what
    // both texts share in front of the insertion came before it.
    const qsizetype after = input.size() - pos;
    qsizetype before = 0;
    const qsizetype most = std::min<qsizetype>(pos, last_.size() - after);
    while (before < most && input[before] == last_[before])
        ++before;
    const QString kept = input.left(before) + input.right(after);
    const bool insertion = after >= 0 && after <= last_.size() &&
                           QStringView(last_).right(after) == QStringView(input).right(after) &&
                           count(kept) <= limit_;
    if (!insertion) {
        // Not an insertion at the cursor: keep the start of the text.
        input = first(input, limit_);
        pos = static_cast<int>(std::min<qsizetype>(pos, input.size()));
    } else {
        const QString inserted = first(input.mid(before, pos - before), limit_ - count(kept));
        input = input.left(before) + inserted + input.right(after);
        pos = static_cast<int>(before + inserted.size());
    }
    last_ = input;
    return Acceptable;
}

} // namespace oltrave
