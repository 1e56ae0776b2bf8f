#include "aboutscreen.h"

#include "centreonscreen.h"
#include "colourtable.h"

#include <QKeyEvent>
#include <QPainter>

namespace oltrave {

namespace {

const QSize kClientSize(377, 297);
const QColor kOutline = QColor::fromRgb(colours::kAboutOutline);
const QString kPicture = QStringLiteral(":/art/about.svg");

} // namespace

AboutScreen::AboutScreen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picture_(kPicture) {
    setModal(true);
    setFixedSize(kClientSize);
    // A screen reader reads what the picture shows.
    const ArtWords words = artWords(kPicture);
    setAccessibleName(words.title);
    setAccessibleDescription(words.lines.join(QLatin1Char('\n')));
    // An explicit place also keeps QDialog from centring it over its parent instead.
    centreOnScreen(*this);
}

bool AboutScreen::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key closes the screen: none may be taken as a shortcut first.
        event->accept();
        return true;
    case QEvent::KeyPress: // any key, Shift alone or Tab included
    case QEvent::MouseButtonPress: accept(); return true;
    default: return QDialog::event(event);
    }
}

void AboutScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The picture is a little larger than the screen: clipped.
    painter.drawImage(0, 0, picture_.at(devicePixelRatioF()));
    // A one-pixel outline along the client area's edge, sharp at any ratio.
    painter.setPen(QPen(kOutline, 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace oltrave
