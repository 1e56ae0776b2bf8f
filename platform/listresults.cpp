#include "listresults.h"

#include <QListWidget>

namespace oltrave {

void ListResults::clear() {
    view_.clear();
}

void ListResults::append(const std::string& line) {
    view_.addItem(QString::fromStdString(line));
}

void ListResults::appendExact(const std::string& line, const std::string& decimalLine) {
    auto* item = new QListWidgetItem(QString::fromStdString(line));
    item->setToolTip(QString::fromStdString(decimalLine));
    view_.addItem(item);
}

} // namespace oltrave
