#pragma once

#include <QComboBox>

namespace oltrave {

// The family chooser. A family change empties the boxes, so the wheel only
// turns it while it has the focus; a focus reached from the keyboard shows as
// a darker, thicker border.
class ChooserBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChooserBox(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showKeyboardFocus(bool shown);
    // Whether Qt has made the open list yet.
    bool listMade() const;
};

} // namespace oltrave
