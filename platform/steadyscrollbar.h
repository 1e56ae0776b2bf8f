#pragma once

#include <QRect>
#include <QScrollBar>

namespace oltrave {

// A scroll bar that repaints only when what it shows changes. A long list
// that grows by a few lines at its end changes the bar's range and value on
// every command, yet the handle stays where it was to the pixel; the plain bar
// repaints all the same, and in the Fusion style that costs more than the
// lines themselves. Changes made under a Hold are judged once, at its end, so
// a range that grows before the value follows it is never painted half way.
class SteadyScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit SteadyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    class Hold {
    public:
        explicit Hold(SteadyScrollBar& bar);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        SteadyScrollBar& bar_;
    };

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What a change of range or value can alter in the picture.
    struct Look {
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look& other) const {
            return handle == other.handle && atMinimum == other.atMinimum &&
                   atMaximum == other.atMaximum;
        }
    };
    Look look() const;
    void repaintIfChanged();

    Look painted_;
    bool everPainted_ = false;
    int holds_ = 0;
};

} // namespace oltrave
