// Prompts raised by the network come one at a time from a bounded queue.
#include "lanmate/net/PromptQueue.h"
#include "tests/support/TestMain.h"

#include <QEventLoop>
#include <QTimer>

class TestPromptQueue : public QObject
{
    Q_OBJECT

private slots:
    void oneAtATimeWhileABoxIsOpen();
    void floodIsBounded();
    void failingJobDoesNotStopTheQueue();
};

void TestPromptQueue::oneAtATimeWhileABoxIsOpen()
{
    PromptQueue queue;
    QStringList events;
    queue.post([&] {
        events.append(QStringLiteral("first opens"));
        // A modal box runs its own loop; what arrives meanwhile only queues.
        QEventLoop box;
        QTimer::singleShot(0, [&] {
            queue.post([&] { events.append(QStringLiteral("second")); });
            QTimer::singleShot(0, &box, &QEventLoop::quit);
        });
        box.exec();
        events.append(QStringLiteral("first closes"));
    });
    QVERIFY(events.isEmpty()); // never inside the handler that raised it
    QTRY_COMPARE(events.size(), 3);
    QCOMPARE(events,
        QStringList({ QStringLiteral("first opens"), QStringLiteral("first closes"), QStringLiteral("second") }));
}

void TestPromptQueue::floodIsBounded()
{
    PromptQueue queue(4);
    int shown = 0;
    int accepted = 0;
    for (int i = 0; i < 100; ++i)
        accepted += queue.post([&] { ++shown; }) ? 1 : 0;
    // What must not be lost queues beyond the limit.
    QVERIFY(queue.post([&] { shown += 1000; }, false));
    QCOMPARE(accepted, 4);
    QCOMPARE(queue.pending(), 5);
    QTRY_COMPARE(shown, 1004);
    QCOMPARE(queue.pending(), 0);
    QVERIFY(queue.post([&] { ++shown; }));
}

void TestPromptQueue::failingJobDoesNotStopTheQueue()
{
    PromptQueue queue;
    bool second = false;
    queue.post([] { throw std::runtime_error("box failed"); });
    queue.post([&] { second = true; });
    // The general error display catches what leaves the event loop.
    try {
        QTest::qWait(10);
    } catch (const std::exception&) {
    }
    QTRY_VERIFY(second);
    QVERIFY(!queue.isRunning());
}

DAILORA_TEST_MAIN(TestPromptQueue)
#include "TestPromptQueue.moc"
