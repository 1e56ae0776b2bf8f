#include "formcontrols.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include "backdrop.h"
#include "chooserbox.h"
#include "colourtable.h"
#include "fontfitting.h"
#include "layouttable.h"
#include "modebutton.h"
#include "model/boxlimits.h"
#include "picturebutton.h"
#include "platform/appearance.h"
#include "platform/canvaswidget.h"
#include "platform/captionfaces.h"
#include "platform/graphemelimit.h"
#include "platform/longlistview.h"

namespace oltrave {

namespace {

const QColor kHighlight = QColor::fromRgb(colours::kHighlight);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

template <typename Widget>
Widget* place(Widget* widget, const QString& name, const layout::Twips& at) {
    widget->setObjectName(name);
    widget->setGeometry(layout::pixels(at));
    return widget;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int maxLength, const QFont& font,
                   const layout::Twips& at) {
    auto* box = place(new QLineEdit(parent), name, at);
    GraphemeLimit::apply(*box, maxLength);
    box->setFont(font);
    setColour(box, QPalette::Base, menuBarColour());
    return box;
}

} // namespace

QString accessibleCaption(QString caption) {
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char('=')))
        caption.chop(1);
    return caption.trimmed();
}

FormControls::FormControls(QMainWindow& window, const QString& face) : QObject(&window) {
    // The coefficient boxes load their font at every start; the captions'
    // other sizes are cut from it.
    const QFont boxFont = semibold(face, 10.5);
    captionfaces::setBase(boxFont);
    auto* client = new Backdrop(&window);
    window.setCentralWidget(client);

    auto* typeCaption =
        place(new QLabel(tr("Type*"), client), QStringLiteral("Label1"), layout::kTypeCaption);
    typeCaption->setFont(semibold(face, 12));
    setColour(typeCaption, QPalette::WindowText, QColor::fromRgb(colours::kCaptionGrey));

    combotype = place(new ChooserBox(client), QStringLiteral("combotype"), layout::kChooser);
    combotype->setAccessibleName(tr("Type"));
    typeCaption->setBuddy(combotype);
    QStringList entries;
    for (int family = 0; family < familyCount(); ++family) {
        const std::string_view entry = inChosenLanguage(familyDescription(family)->entry);
        entries << QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    }
    combotype->addItems(entries);
    constexpr int kArrowAndMargins = 30;
    combotype->setFont(
        fitting(semibold(face, 9.75), entries, combotype->width() - kArrowAndMargins));

    labelv = place(new QLabel(client), QStringLiteral("labelv"), layout::kFormula);
    labelv->setAlignment(Qt::AlignCenter);
    labelv->setFont(semibold(face, 12));
    labelv->setAutoFillBackground(true);
    setColour(labelv, QPalette::Window, kHighlight);

    pic = place(new CanvasWidget(client), QStringLiteral("pic"), layout::kCanvas);
    pic->setAccessibleName(tr("Plot"));

    const QStringList modeCaptions{"f(x)", "|f(x)|", "f(|x|)"};
    const QFont modeFont = fitting(semibold(face, 10.5), modeCaptions,
                                   layout::pixels(layout::kModeLabels[0]).width() - 2);
    for (int mode = 0; mode < Form::kModeCount; ++mode) {
        const auto i = static_cast<std::size_t>(mode);
        auto* choice = place(new ModeButton(modeCaptions[mode], client),
                             QStringLiteral("llabs%1").arg(mode), layout::kModeLabels[i]);
        choice->setFont(modeFont);
        setColour(choice, QPalette::Window, kHighlight);
        llabs[i] = choice;
    }

    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        lb[i] = place(new QLabel(QString::number(box), client), QStringLiteral("lb%1").arg(box),
                      layout::kBoxLabels[i]);
        lb[i]->setFont(semibold(face, 12));
        tx[i] = textBox(client, QStringLiteral("tx%1").arg(box), kCoefficientMaxLength, boxFont,
                        layout::kBoxes[i]);
    }

    const auto button = [client](const char* name, const QString& caption,
                                 const layout::Twips& at) {
        return place(new PictureButton(QStringLiteral(":/art/button.svg"), caption, client),
                     QLatin1String(name), at);
    };
    prt = button("prt", tr("Print"), layout::kPrint);
    rprt = button("rprt", tr("RePrint"), layout::kReprint);
    cleara = button("cleara", tr("Clear"), layout::kClear);
    calc = button("calc", tr("Calculate"), layout::kCalculate);

    frame1 = place(new QGroupBox(QStringLiteral(" x = "), client), QStringLiteral("Frame1"),
                   layout::kXFrame);
    frame1->setFont(semibold(face, 9));
    frame1->setAutoFillBackground(true);
    setColour(frame1, QPalette::Window, QColor::fromRgb(colours::kXFrame));
    setx = textBox(frame1, QStringLiteral("setx"), kXMaxLength, semibold(face, 9), layout::kXBox);
    setx->setAccessibleName(accessibleCaption(frame1->title()));

    auto* zoomCaption =
        place(new QLabel(tr("Zoom"), client), QStringLiteral("Label2"), layout::kZoomCaption);
    zoomCaption->setFont(semibold(face, 10.5));
    setdata = textBox(client, QStringLiteral("setdata"), kZoomMaxLength, semibold(face, 9),
                      layout::kZoomBox);
    setdata->setAccessibleName(zoomCaption->text());

    lis = place(new LongListView(client), QStringLiteral("lis"), layout::kList);
    // Every command brings its lines into view; when they already are, the
    // view moves with them at once.
    lis->setFollowsEnd(true);
    lis->setAccessibleName(tr("Results"));
    // Lines can be selected for copying; the list itself only ever grows or empties.
    lis->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont listFont(regularFamily());
    listFont.setPointSizeF(9);
    listFont.setWeight(QFont::Normal);
    lis->setFont(listFont);
    setColour(lis, QPalette::Base, menuBarColour());
}

// Hidden boxes and disabled modes drop out of the order by themselves; of the
// modes, only the chosen one is a Tab stop. Qt orders only controls that take
// the focus at that moment: the form has not chosen a mode yet.
void FormControls::orderAndExplain(QWidget& window) {
    QList<QWidget*> order{combotype};
    order += QList<QWidget*>(tx.begin(), tx.end());
    order += QList<QWidget*>(llabs.begin(), llabs.end());
    order += {prt, rprt, cleara, setx, calc, setdata, lis, pic};
    pic->setFocusPolicy(Qt::StrongFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    const auto withShortcut = [&window](QWidget* control, const QString& tip, const char* command) {
        const QKeySequence keys = window.findChild<QAction*>(QLatin1String(command))->shortcut();
        control->setToolTip(
            QStringLiteral("%1 (%2)").arg(tip, keys.toString(QKeySequence::NativeText)));
    };
    withShortcut(prt, tr("Plot the curve"), "print");
    withShortcut(rprt, tr("Clear the plot and the list, then plot"), "reprint");
    withShortcut(cleara, tr("Clear the boxes, the plot and the list"), "clear");
    withShortcut(calc, tr("Value of the function at x"), "calculate");
    for (ModeButton* choice : llabs)
        choice->setToolTip(tr("Plot f(x), |f(x)| or f(|x|) (arrow keys choose)"));
    setdata->setToolTip(tr("The plot runs from -zoom to zoom on both axes"));
    combotype->setToolTip(tr("Function family"));
}

} // namespace oltrave
