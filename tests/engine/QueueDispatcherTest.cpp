#include "engine/QueueDispatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using engine::QueueDispatcher;

TEST(QueueDispatcher, RunsPostedWorkOnTheOwnerInOrder)
{
    QueueDispatcher dispatcher;
    std::vector<int> order;
    std::thread producer([&] {
        for (int i = 0; i < 5; ++i)
            dispatcher.post([&order, i] { order.push_back(i); });
    });
    producer.join();
    dispatcher.pump();
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(QueueDispatcher, RunSyncWaitsForTheOwnerAndRunsAtOnceOnTheOwner)
{
    QueueDispatcher dispatcher;
    std::thread::id ranOn;
    std::atomic<bool> returned = false;
    std::thread worker([&] {
        dispatcher.runSync([&] { ranOn = std::this_thread::get_id(); });
        returned = true;
    });
    dispatcher.waitPumping([&] { return returned.load(); });
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());

    bool direct = false;
    dispatcher.runSync([&] { direct = true; });
    EXPECT_TRUE(direct);
}
