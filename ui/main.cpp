#include <QApplication>

#include "mainwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    oltrave::MainWindow window;
    window.show();
    return QApplication::exec();
}
