#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace oltrave {

// The desktop's style with two of Fusion's pictures read without asking the
// image plugins. Reading a picture, Qt looks through every image plugin even
// when told the format, and left to detect it, loads and probes them all (and
// libjpeg), which took over a millisecond of every start: the menu bar's
// overflow arrow is now read when it is first drawn, which in this fixed-size
// window is never, and the group box's frame comes decoded with the program.
// Plain captions in the window's face are drawn through sizes cut from one
// already loaded (captionfaces.h). Everything is drawn exactly as the base
// style draws it.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ProgramStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    const bool fusion_;
    mutable QPixmap groupBoxFrame_;
};

// Puts a ProgramStyle over the application's style; once.
void useProgramStyle();

} // namespace oltrave
