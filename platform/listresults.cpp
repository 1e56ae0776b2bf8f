#include "listresults.h"

#include <QListWidget>

namespace oltrave {

void ListResults::clear() {
    view_.clear();
}

void ListResults::append(const std::string& line) {
    view_.addItem(QString::fromStdString(line));
}

} // namespace oltrave
