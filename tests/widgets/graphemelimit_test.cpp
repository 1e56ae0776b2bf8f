#include <QLineEdit>
#include <QTest>

#include "platform/graphemelimit.h"

using oltrave::GraphemeLimit;

// A box limited to five characters, edited the ways a person or the program can.
class GraphemeLimitTest : public QObject {
    Q_OBJECT

private slots:
    void editsAreCutToWholeCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("from"); // selection start, or the cursor
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursor"); // in UTF-16 units, as QLineEdit counts
        const QString face = QStringLiteral("\U0001F600");
        QTest::newRow("fits") << "12" << 2 << 0 << "345"
                              << "12345" << 5;
        QTest::newRow("into the middle, the rest kept") << "1234" << 2 << 0 << "abc"
                                                        << "12a34" << 3;
        QTest::newRow("emoji into the middle")
            << "123" << 1 << 0 << face + face + face << "1" + face + face + "23" << 5;
        QTest::newRow("over a selection") << "12345" << 1 << 3 << "abcdef"
                                          << "1abc5" << 4;
        QTest::newRow("emoji over a selection")
            << face + "234" << 0 << 2 << "x" + face + face + face << "x" + face + "234" << 3;
        QTest::newRow("a repeated character before the cursor") << "1111" << 4 << 0 << "11"
                                                                << "11111" << 5;
    }
    void editsAreCutToWholeCharacters() {
        QFETCH(QString, before);
        QFETCH(int, from);
        QFETCH(int, length);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QFETCH(int, cursor);
        QLineEdit box;
        GraphemeLimit::apply(box, 5);
        box.setText(before);
        box.setSelection(from, length);
        if (length == 0)
            box.setCursorPosition(from);
        box.insert(pasted);
        QCOMPARE(box.text(), after);
        QCOMPARE(box.cursorPosition(), cursor);
    }

    // Typing one key at a time stops at the limit, as before.
    void typingStopsAtTheLimit() {
        QLineEdit box;
        GraphemeLimit::apply(box, 5);
        QTest::keyClicks(&box, QStringLiteral("1234567"));
        QCOMPARE(box.text(), QStringLiteral("12345"));
    }

    // A text the program sets keeps its start.
    void aLongSetTextKeepsItsStart() {
        QLineEdit box;
        GraphemeLimit::apply(box, 5);
        box.setText(QStringLiteral("abcdefg"));
        QCOMPARE(box.text(), QStringLiteral("abcde"));
    }

    void countsAndCuts() {
        const QString text = QStringLiteral("a\U0001F600e\u0301\U0001F1EB\U0001F1F7z");
        QCOMPARE(GraphemeLimit::count(text), 5);
        QCOMPARE(GraphemeLimit::first(text, 2), QStringLiteral("a\U0001F600"));
        QCOMPARE(GraphemeLimit::first(text, 3), QStringLiteral("a\U0001F600e\u0301"));
        QCOMPARE(GraphemeLimit::first(text, 9), text);
        QCOMPARE(GraphemeLimit::first(text, 0), QString());
    }
};

QTEST_MAIN(GraphemeLimitTest)
#include "graphemelimit_test.moc"
