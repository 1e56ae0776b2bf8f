#pragma once

#include "model/resultlist.h"

class QListWidget;

namespace oltrave {

// The result list shown in a list widget, in append order.
class ListResults : public ResultList {
public:
    explicit ListResults(QListWidget& view) : view_(view) {}

    void clear() override;
    void append(const std::string& line) override;
    // The decimal line becomes the item's tooltip.
    void appendExact(const std::string& line, const std::string& decimalLine) override;

private:
    QListWidget& view_;
};

} // namespace oltrave
