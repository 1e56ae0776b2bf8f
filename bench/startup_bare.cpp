// The yardstick for start-up: a bare Qt window of the main window's size
// holding one label, started and shown the way the program is.
#include <QApplication>
#include <QLabel>

#include "probe.h"
#include "ui/layouttable.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(oltrave::layout::pixels(oltrave::layout::kClient).size());
    QLabel label(QStringLiteral("Oltrave"), &window);
    oltrave::bench::FirstPaint firstPaint(window, [] {});
    window.show();
    return QApplication::exec();
}
