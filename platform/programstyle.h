#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace oltrave {

// The desktop's style with two of Fusion's pictures read without asking the
// image plugins. Left to detect a picture's format, Qt loads and probes every
// image plugin (and libjpeg), which took over a millisecond of every start:
// the menu bar's overflow arrow is now read when it is first drawn, which in
// this fixed-size window is never, and the group box's frame is read once
// as the PNG it is. Everything is drawn exactly as the base style draws it.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ProgramStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    const bool fusion_;
    mutable QPixmap groupBoxFrame_;
};

// Puts a ProgramStyle over the application's style; once.
void useProgramStyle();

} // namespace oltrave
