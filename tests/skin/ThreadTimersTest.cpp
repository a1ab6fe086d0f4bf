#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "core/ThreadTimers.h"

TEST(ThreadTimers, TicksUntilStopped)
{
    const int before = threadtimers::running();
    int ticks = 0;
    const UINT_PTR id = threadtimers::start(10, [&] { ++ticks; });
    ASSERT_NE(id, 0u);
    EXPECT_EQ(threadtimers::running(), before + 1);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 3; }, 3000));
    EXPECT_TRUE(threadtimers::stop(id));
    EXPECT_EQ(threadtimers::running(), before);

    const int stoppedAt = ticks;
    pumpUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(ThreadTimers, TwoTimersTickIndependently)
{
    int first = 0;
    int second = 0;
    const UINT_PTR a = threadtimers::start(10, [&] { ++first; });
    const UINT_PTR b = threadtimers::start(10, [&] { ++second; });
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_TRUE(pumpUntil([&] { return first >= 2 && second >= 2; }, 3000));
    EXPECT_TRUE(threadtimers::stop(a));
    const int firstStoppedAt = first;
    const int secondBefore = second;
    EXPECT_TRUE(pumpUntil([&] { return second >= secondBefore + 2; }, 3000));
    EXPECT_EQ(first, firstStoppedAt);
    EXPECT_TRUE(threadtimers::stop(b));
}

TEST(ThreadTimers, ATickMayStopItsOwnTimer)
{
    const int before = threadtimers::running();
    int ticks = 0;
    // The tick's captures stay alive to the end of the tick that stops it, then go.
    auto witness = std::make_shared<int>(0);
    long useDuringTick = 0;
    UINT_PTR id = 0;
    id = threadtimers::start(10, [&ticks, &id, &useDuringTick, witness] {
        ++ticks;
        EXPECT_TRUE(threadtimers::stop(id));
        useDuringTick = witness.use_count();
    });
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 1; }, 3000));
    pumpUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(threadtimers::running(), before);
    EXPECT_EQ(useDuringTick, 2);
    EXPECT_EQ(witness.use_count(), 1);
}

TEST(ThreadTimers, StoppingAnUnknownTimerFails)
{
    const int before = threadtimers::running();
    EXPECT_FALSE(threadtimers::stop(0));
    EXPECT_FALSE(threadtimers::stop(0x7FFF1234));
    const UINT_PTR id = threadtimers::start(1000, [] {});
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(threadtimers::stop(id));
    EXPECT_FALSE(threadtimers::stop(id));
    EXPECT_EQ(threadtimers::running(), before);
}
