#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>

#include "model/session.h"
#include "platform/longlistview.h"
#include "platform/sessionlistmodel.h"

using oltrave::LongListView;
using oltrave::Session;
using oltrave::SessionListModel;

namespace {

// The result list's size; lines like the ones it holds, some wider than it.
const QSize kSize(281, 394);

QStringList resultLines(int count) {
    const QStringList block{QStringLiteral("y = 2 sin( 2 x + 1 ) - 1"),
                            QStringLiteral("    [ x = 0 ] y = 0.682941969615793"),
                            QStringLiteral("     ( -0.785398163397448 + 3.14159265358979 * k , "),
                            QStringLiteral("    Range : [ -3 , 1 ]")};
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << block[i % block.size()];
    return lines;
}

// What the list shows with the keyboard focus in it (the current line is
// drawn differently then).
QImage focusedPicture(QListView& list) {
    list.activateWindow();
    list.setFocus();
    if (!QTest::qWaitForWindowActive(&list))
        return {};
    return list.grab().toImage();
}

// A view over a session's lines, as the window holds its list.
template <typename View> struct Shown {
    Session session;
    SessionListModel model{session};
    View view;

    Shown() {
        session.listen([this](const oltrave::SessionChange& change) { model.follow(change); });
        view.setModel(&model);
    }
    void add(const QString& line) { session.appendLine({line.toStdString(), {}, {}, {}, {}}); }
    int count() const { return session.lineCount(); }
    QList<int> selectedRows() const {
        QList<int> rows;
        for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

template <typename View> std::unique_ptr<Shown<View>> shownList(const QStringList& lines) {
    auto list = std::make_unique<Shown<View>>();
    list->view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->view.setFixedSize(kSize);
    for (const QString& line : lines)
        list->add(line); // one at a time, as the program appends
    list->view.show();
    if (!QTest::qWaitForWindowExposed(&list->view))
        return nullptr;
    return list;
}

// What the window shows now, as the screen holds it: unlike grab(), which
// paints afresh, this keeps whatever a skipped repaint left behind.
QImage onScreen(QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage drawnAfresh(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The long list must look and act exactly as the plain list view: the same
// lines, scrolled and selected the same way, give the same pixels, rectangles,
// hit tests and scroll ranges.
class LongListViewTest : public QObject {
    Q_OBJECT

private slots:
    void sameAsThePlainList_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("scrollRows");
        QTest::addColumn<int>("scrollPixels");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("empty") << 0 << 0 << 0 << QList<int>{};
        QTest::newRow("a few short lines") << 3 << 0 << 0 << QList<int>{1};
        QTest::newRow("a full list at the top") << 60 << 0 << 0 << QList<int>{0, 2, 3};
        QTest::newRow("scrolled down") << 60 << 20 << 0 << QList<int>{25, 26};
        QTest::newRow("scrolled to the end") << 60 << 1000 << 0 << QList<int>{59};
        QTest::newRow("scrolled sideways") << 60 << 7 << 40 << QList<int>{9};
    }
    void sameAsThePlainList() {
        QFETCH(int, lines);
        QFETCH(int, scrollRows);
        QFETCH(int, scrollPixels);
        QFETCH(QList<int>, selected);
        const auto plain = shownList<QListView>(resultLines(lines));
        const auto mine = shownList<LongListView>(resultLines(lines));
        QVERIFY(plain && mine);
        for (QListView* list : {&plain->view, static_cast<QListView*>(&mine->view)}) {
            list->verticalScrollBar()->setValue(scrollRows);
            list->horizontalScrollBar()->setValue(scrollPixels);
            for (const int row : selected)
                list->selectionModel()->select(list->model()->index(row, 0),
                                               QItemSelectionModel::Select);
        }
        QCoreApplication::processEvents();

        for (auto bar :
             {&QAbstractScrollArea::verticalScrollBar, &QAbstractScrollArea::horizontalScrollBar}) {
            QCOMPARE((mine->view.*bar)()->isVisible(), (plain->view.*bar)()->isVisible());
            QCOMPARE((mine->view.*bar)()->maximum(), (plain->view.*bar)()->maximum());
            QCOMPARE((mine->view.*bar)()->pageStep(), (plain->view.*bar)()->pageStep());
            QCOMPARE((mine->view.*bar)()->value(), (plain->view.*bar)()->value());
        }
        for (int row = 0; row < lines; ++row) {
            const QModelIndex index = plain->view.model()->index(row, 0);
            QCOMPARE(mine->view.visualRect(mine->view.model()->index(row, 0)),
                     plain->view.visualRect(index));
        }
        const QRect viewport = plain->view.viewport()->rect();
        for (int y = -3; y < viewport.height() + 3; y += 5) {
            for (const int x : {0, viewport.width() / 2, viewport.width() - 1}) {
                const QPoint at(x, y);
                QCOMPARE(mine->view.indexAt(at).row(), plain->view.indexAt(at).row());
            }
        }
        QCOMPARE(mine->view.grab().toImage(), plain->view.grab().toImage());
    }

    // The keys that move the current line and the rubber band select what
    // they select in the plain list.
    void keysAndDragSelectTheSameLines() {
        const auto plain = shownList<QListView>(resultLines(80));
        const auto mine = shownList<LongListView>(resultLines(80));
        QVERIFY(plain && mine);
        const auto rows = [](const auto& list) {
            return qMakePair(list.view.currentIndex().row(), list.selectedRows());
        };
        for (QListView* list : {&plain->view, static_cast<QListView*>(&mine->view)}) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(2, 0)).center());
            QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(list, Qt::Key_PageDown, Qt::ShiftModifier);
        }
        QCOMPARE(rows(*mine), rows(*plain));
        for (QListView* list : {&plain->view, static_cast<QListView*>(&mine->view)}) {
            QTest::keyClick(list, Qt::Key_End);
            QTest::keyClick(list, Qt::Key_Up, Qt::ShiftModifier);
        }
        QCOMPARE(rows(*mine), rows(*plain));
        QCOMPARE(mine->view.verticalScrollBar()->value(), plain->view.verticalScrollBar()->value());
        QCOMPARE(focusedPicture(mine->view), focusedPicture(plain->view));
        for (QListView* list : {&plain->view, static_cast<QListView*>(&mine->view)}) {
            QTest::keyClick(list, Qt::Key_Home);
            const QPoint from = list->visualRect(list->model()->index(1, 0)).center();
            const QPoint to = list->visualRect(list->model()->index(4, 0)).center();
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, list->viewport()->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(list->viewport(), &move);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
        }
        QCOMPARE(rows(*mine), rows(*plain));
    }

    // A growing list repaints what changed and nothing less: after every
    // addition the screen shows what painting the list afresh shows. Where
    // the last line was in view, the list follows its new lines.
    void growingListShowsWhatItHolds_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("scrolledTo"); // a row; -1 for the end
        QTest::addColumn<int>("linesPerStep");
        QTest::addColumn<bool>("batched");
        QTest::addColumn<QString>("added");
        const QString result = QStringLiteral("    [ y = 0 ] x = 2");
        QTest::newRow("empty, filling") << 0 << -1 << 4 << true << result;
        QTest::newRow("long, at its end") << 3000 << -1 << 4 << true << result;
        QTest::newRow("long, at its end, line by line") << 3000 << -1 << 1 << false << result;
        QTest::newRow("scrolled to the top") << 40 << 0 << 4 << true << result;
        QTest::newRow("scrolled halfway") << 60 << 20 << 4 << true << result;
        QTest::newRow("halfway, line by line") << 60 << 20 << 1 << false << result;
        QTest::newRow("wider lines, at the end")
            << 30 << -1 << 2 << true
            << QStringLiteral("    Range : ") + QString(60, QLatin1Char('9'));
    }
    void growingListShowsWhatItHolds() {
        QFETCH(int, lines);
        QFETCH(int, scrolledTo);
        QFETCH(int, linesPerStep);
        QFETCH(bool, batched);
        QFETCH(QString, added);
        const auto list = shownList<LongListView>(resultLines(lines));
        QVERIFY(list);
        LongListView& view = list->view;
        view.setFollowsEnd(true);
        QScrollBar* bar = view.verticalScrollBar();
        bar->setValue(scrolledTo < 0 ? bar->maximum() : scrolledTo);
        QCoreApplication::processEvents();
        QCOMPARE(onScreen(view), drawnAfresh(view));
        const int before = bar->value();
        for (int step = 0; step < 12; ++step) {
            {
                std::optional<LongListView::Batch> batch;
                if (batched)
                    batch.emplace(view);
                for (int i = 0; i < linesPerStep; ++i)
                    list->add(added);
            }
            QCoreApplication::processEvents();
            QCOMPARE(bar->value(), scrolledTo < 0 ? bar->maximum() : before);
            const QRect last = view.visualRect(view.model()->index(list->count() - 1, 0));
            QCOMPARE(view.viewport()->rect().contains(last.bottomLeft()), scrolledTo < 0);
            QCOMPARE(onScreen(view), drawnAfresh(view));
        }
        // And a line up, as the arrow key or the bar's arrow moves it.
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCoreApplication::processEvents();
        QCOMPARE(onScreen(view), drawnAfresh(view));
    }

    // Emptying and refilling starts the sizes afresh.
    void clearingForgetsTheWidestLine() {
        const auto plain = shownList<QListView>(resultLines(20));
        const auto mine = shownList<LongListView>(resultLines(20));
        QVERIFY(plain && mine);
        plain->session.clearLines();
        mine->session.clearLines();
        for (int i = 0; i < 30; ++i) {
            plain->add(QStringLiteral("y = %1").arg(i));
            mine->add(QStringLiteral("y = %1").arg(i));
        }
        QCoreApplication::processEvents();
        QCOMPARE(mine->view.horizontalScrollBar()->maximum(),
                 plain->view.horizontalScrollBar()->maximum());
        QCOMPARE(mine->view.verticalScrollBar()->maximum(),
                 plain->view.verticalScrollBar()->maximum());
        QCOMPARE(mine->view.grab().toImage(), plain->view.grab().toImage());
    }
};

QTEST_MAIN(LongListViewTest)
#include "longlistview_test.moc"
