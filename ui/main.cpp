#include <QApplication>

#include "program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const oltrave::Program program;
    return QApplication::exec();
}
