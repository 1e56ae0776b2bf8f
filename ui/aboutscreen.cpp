#include "aboutscreen.h"

#include "centreonscreen.h"
#include "colourtable.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>

namespace oltrave {

namespace {

const QSize kClientSize(377, 297);
const QColor kOutline = QColor::fromRgb(colours::kAboutOutline);
const QString kPicture = QStringLiteral(":/art/about.svg");

// The sentences of the About picture, as its title and text elements hold them.
const char* const kSentences[] = {
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "About Oltrave"),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "A grapher and calculator for elementary functions:"),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "lines, polynomials, sines, tangents, exponentials"),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "and logarithms, with their properties in words."),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "Design and programming"),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "The Oltrave developers"),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "Made with"),
    QT_TRANSLATE_NOOP("oltrave::AboutScreen", "Click or press any key"),
};

// The About picture with each sentence swapped for its translation, so the
// English screen is the picture itself.
QString translatedPicture() {
    QString svg = QString::fromUtf8(artData(kPicture));
    const QRegularExpression version(QStringLiteral(">Version ([^<]*)<"));
    if (const QRegularExpressionMatch match = version.match(svg); match.hasMatch()) {
        const QString line = AboutScreen::tr("Version %1").arg(match.captured(1));
        svg.replace(match.capturedStart(), match.capturedLength(),
                    QLatin1Char('>') + line.toHtmlEscaped() + QLatin1Char('<'));
    }
    for (const char* sentence : kSentences) {
        svg.replace(QLatin1Char('>') + QLatin1String(sentence) + QLatin1Char('<'),
                    QLatin1Char('>') + AboutScreen::tr(sentence).toHtmlEscaped() +
                        QLatin1Char('<'));
    }
    return svg;
}

} // namespace

AboutScreen::AboutScreen(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    const QByteArray svg = translatedPicture().toUtf8();
    picture_ = CachedArt::fromSvg(svg);
    setModal(true);
    setFixedSize(kClientSize);
    // A screen reader reads what the picture shows, in the window's language.
    const ArtWords words = artWordsOf(svg);
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
