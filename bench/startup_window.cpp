// The program's start up to the main window's first paint, without the
// start-up screen's fixed second. With a number as argument it then makes
// that many plots, as a person would, before it reports its peak memory.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <cstdio>
#include <cstdlib>

#include "cases.h"
#include "probe.h"
#include "ui/mainwindow.h"

namespace {

using oltrave::bench::kFamilyCases;

void press(QWidget* widget, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &up);
}

void click(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent down(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &up);
}

// Each family in turn: chosen with the keyboard, its numbers pasted into the
// boxes, Print clicked and the result shown.
void plotMany(QMainWindow& window, int count) {
    auto* chooser = window.findChild<QComboBox*>(QStringLiteral("combotype"));
    auto* print = window.findChild<QWidget*>(QStringLiteral("prt"));
    for (int i = 0; i < count; ++i) {
        const auto& c = kFamilyCases[static_cast<std::size_t>(i) % kFamilyCases.size()];
        press(chooser, c.family == 0 ? Qt::Key_Home : Qt::Key_Down);
        for (std::size_t box = 0; box < c.boxes.size(); ++box) {
            if (!*c.boxes[box])
                continue;
            auto* edit = window.findChild<QLineEdit*>(QStringLiteral("tx%1").arg(box));
            edit->selectAll();
            edit->insert(QLatin1String(c.boxes[box]));
        }
        click(print);
        QCoreApplication::processEvents();
    }
    std::printf("lines %d\n",
                window.findChild<QListView*>(QStringLiteral("lis"))->model()->rowCount());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int plots = argc > 1 ? std::atoi(argv[1]) : 0;
    oltrave::MainWindow window;
    oltrave::bench::FirstPaint firstPaint(window, [&window, plots] {
        if (plots > 0)
            plotMany(window, plots);
    });
    window.show();
    return QApplication::exec();
}
