#include "app/QtDispatcher.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

class QtDispatcherTest : public QObject {
    Q_OBJECT
private slots:
    void runSyncRunsOnTheUiThreadAndWaitsForIt();
    void mixedCallsFromAWorkerKeepTheirOrder();
    void runSyncOnTheUiThreadRunsAtOnce();
};

void QtDispatcherTest::runSyncRunsOnTheUiThreadAndWaitsForIt()
{
    app::QtDispatcher dispatcher;
    QThread* ranOn = nullptr;
    std::atomic<bool> finished = false;
    bool ranBeforeReturn = false;
    std::thread worker([&] {
        dispatcher.runSync([&] { ranOn = QThread::currentThread(); });
        ranBeforeReturn = ranOn != nullptr;
        finished = true;
    });
    dispatcher.waitPumping([&] { return finished.load(); });
    worker.join();
    QCOMPARE(ranOn, QThread::currentThread());
    QVERIFY(ranBeforeReturn);
}

void QtDispatcherTest::mixedCallsFromAWorkerKeepTheirOrder()
{
    app::QtDispatcher dispatcher;
    std::vector<int> order;  // touched on the UI thread only
    std::atomic<bool> finished = false;
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            if (i % 5 == 0)
                dispatcher.runSync([&order, i] { order.push_back(i); });
            else
                dispatcher.post([&order, i] { order.push_back(i); });
        }
        dispatcher.post([&] { finished = true; });
    });
    dispatcher.waitPumping([&] { return finished.load(); });
    worker.join();
    std::vector<int> expected;
    for (int i = 0; i < 50; ++i)
        expected.push_back(i);
    QCOMPARE(order, expected);
}

void QtDispatcherTest::runSyncOnTheUiThreadRunsAtOnce()
{
    app::QtDispatcher dispatcher;
    bool ran = false;
    dispatcher.runSync([&] { ran = true; });
    QVERIFY(ran);
    bool posted = false;
    dispatcher.post([&] { posted = true; });
    QVERIFY(!posted);  // queued, not run inside post()
    dispatcher.waitPumping([&] { return posted; });
}

QTEST_MAIN(QtDispatcherTest)
#include "QtDispatcherTest.moc"
