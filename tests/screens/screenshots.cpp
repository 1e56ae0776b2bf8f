// A viewer for the artwork and the two screens, for looking at them by eye.
//   oltrave-screenshots DIR   saves every picture at 100 % and 200 %, and the two
//                             screens as the current scale shows them
//                             (QT_SCALE_FACTOR=2 for 200 %)
//   oltrave-screenshots       shows the start-up screen, then the About screen
// The words are in the environment's language (LANG=zh_CN.UTF-8 for Chinese).

#include "aboutscreen.h"
#include "art.h"
#include "platform/translation.h"
#include "startupscreen.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextStream>

using namespace oltrave;

namespace {

const char* const kPictures[] = {"banner", "about", "button", "icon"};

// The start-up screen over a dark checkerboard: what the mask lets through shows.
QImage onDesktop(QWidget& screen) {
    const QPixmap shot = screen.grab();
    QImage desktop(shot.size(), QImage::Format_RGB32);
    desktop.setDevicePixelRatio(shot.devicePixelRatio());
    QPainter painter(&desktop);
    const int cell = 16;
    for (int y = 0; y < screen.height(); y += cell)
        for (int x = 0; x < screen.width(); x += cell)
            painter.fillRect(x, y, cell, cell,
                             ((x + y) / cell) % 2 ? QColor(40, 44, 52) : QColor(70, 76, 90));
    painter.setClipRegion(screen.mask());
    painter.drawPixmap(0, 0, shot);
    return desktop;
}

int save(const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder << '\n';
        return 1;
    }
    bool ok = true;
    for (const char* name : kPictures) {
        for (const int ratio : {1, 2}) {
            const QString path = QStringLiteral(":/art/%1.svg").arg(QLatin1String(name));
            ok &= renderArt(path, ratio)
                      .save(dir.filePath(
                          QStringLiteral("%1-%2x.png").arg(QLatin1String(name)).arg(ratio)));
        }
    }
    const QString scale = QString::number(qApp->devicePixelRatio());
    auto* startup = new StartupScreen;
    ok &=
        onDesktop(*startup).save(dir.filePath(QStringLiteral("startup-screen-%1x.png").arg(scale)));
    delete startup;
    AboutScreen about;
    ok &= about.grab().save(dir.filePath(QStringLiteral("about-screen-%1x.png").arg(scale)));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    useLanguage(processLanguage());
    if (argc > 1)
        return save(QString::fromLocal8Bit(argv[1]));

    auto* startup = new StartupScreen;
    QObject::connect(startup, &StartupScreen::handOver, [] {
        AboutScreen about;
        about.exec();
        QApplication::quit();
    });
    startup->show();
    return QApplication::exec();
}
