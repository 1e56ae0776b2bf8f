#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Oltrave 函数计算器"));
    window.setWindowTitle(QStringLiteral("Oltrave 函数计算器"));
    window.resize(834, 411);
    window.show();
    return QApplication::exec();
}
