#pragma once

#include "art.h"

#include <QDialog>

namespace oltrave {

// The About screen: the About picture, its words in the window's language, in a
// thin frame, shown modally; any click or key press closes it.
class AboutScreen : public QDialog {
    Q_OBJECT
public:
    explicit AboutScreen(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CachedArt picture_{QString()};
};

} // namespace oltrave
