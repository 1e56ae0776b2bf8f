// The yardstick for describe: a bare QCoreApplication program printing one line.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    std::puts("y = 2 x - 4");
    return 0;
}
