#include "graphemes.h"

#include <QTextBoundaryFinder>

namespace oltrave {

int graphemeCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int clusters = 0;
    while (finder.toNextBoundary() > 0)
        ++clusters;
    return clusters;
}

QString firstGraphemes(const QString& text, int n) {
    if (n <= 0)
        return {};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return text.left(end);
}

} // namespace oltrave
