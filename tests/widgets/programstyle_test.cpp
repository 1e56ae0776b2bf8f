#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>
#include <QTest>
#include <memory>

#include "platform/programstyle.h"
#include "ui/mainwindow.h"

using oltrave::ProgramStyle;

namespace {

// Whether any image-format plugin is mapped into this process.
bool imagePluginsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage boxPicture(QStyle* style, const QString& title, bool checkable) {
    QGroupBox box(title);
    box.setStyle(style);
    box.setCheckable(checkable);
    box.resize(97, 49);
    return box.grab().toImage();
}

} // namespace

class ProgramStyleTest : public QObject {
    Q_OBJECT

private slots:
    // First, while nothing else in this process has read a picture.
    void theWindowStartsWithoutTheImagePlugins() {
        if (!QFile::exists(QStringLiteral("/proc/self/maps")))
            QSKIP("no /proc/self/maps to read the loaded libraries from");
        {
            oltrave::MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCoreApplication::processEvents();
            QVERIFY(window.grab().width() > 0);
            QVERIFY(!imagePluginsLoaded());
        }
        // The check sees them once a picture is read the usual way.
        QVERIFY(!QImage(QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                       "fusion_groupbox.png"))
                     .isNull());
        QVERIFY(imagePluginsLoaded());
    }

    void drawsAsFusionDoes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("the x box's title") << QStringLiteral(" x = ") << false;
        QTest::newRow("no title") << QString() << false;
        QTest::newRow("checkable, no title") << QString() << true;
    }
    void drawsAsFusionDoes() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        ProgramStyle program(QStyleFactory::create(QStringLiteral("fusion")));
        QCOMPARE(boxPicture(&program, title, checkable),
                 boxPicture(fusion.get(), title, checkable));
        for (const auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                 QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon mine = program.standardIcon(arrow);
            const QIcon theirs = fusion->standardIcon(arrow);
            QVERIFY(!mine.isNull());
            QCOMPARE(mine.availableSizes(), theirs.availableSizes());
            for (const int side : {8, 16, 32})
                QCOMPARE(mine.pixmap(side).toImage(), theirs.pixmap(side).toImage());
        }
    }
};

QTEST_MAIN(ProgramStyleTest)
#include "programstyle_test.moc"
