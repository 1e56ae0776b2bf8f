#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "model/session.h"
#include "platform/sessionlistmodel.h"

using oltrave::Session;
using oltrave::SessionChange;
using oltrave::SessionLine;
using oltrave::SessionListModel;

namespace {

SessionLine line(const char* text, const char* decimal = "") {
    return {text, decimal, {}, {}, {}};
}

QStringList shown(const SessionListModel& model) {
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString();
    return rows;
}

} // namespace

// The list model follows the session's notices; Qt's model tester checks
// every signal it sends against the rows it reports.
class SessionListModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsAppendsRemovalsAndClears() {
        Session session;
        SessionListModel model(session);
        session.listen([&model](const SessionChange& change) { model.follow(change); });
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        {
            const Session::Hold once(session);
            session.appendLine(line("y = 2 x - 4"));
            session.appendLine(line("    [ x = 0 ] y = -4"));
            QCOMPARE(model.rowCount(), 0); // nothing announced yet
        }
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(shown(model), QStringList({"y = 2 x - 4", "    [ x = 0 ] y = -4"}));

        session.appendLine(line("    [ y = 0 ] x = 1/3", "    [ y = 0 ] x = 0.333333333333333"));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(2, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("    [ y = 0 ] x = 0.333333333333333"));
        QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid()); // a decimal line has none

        session.removeLinesFrom(1);
        QCOMPARE(shown(model), QStringList({"y = 2 x - 4"}));
        session.clearLines();
        QCOMPARE(model.rowCount(), 0);
        session.appendLine(line("y = 1 x + 1"));
        QCOMPARE(shown(model), QStringList({"y = 1 x + 1"}));
    }
};

QTEST_MAIN(SessionListModelTest)
#include "sessionlistmodel_test.moc"
