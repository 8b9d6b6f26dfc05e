#include "audio/analysis/RealFft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

namespace sonara::audio {
namespace {

TEST(RealFftTest, CosineLandsOnItsBin) {
    Result<RealFft> made = RealFft::create(64);
    ASSERT_TRUE(made.ok()) << made.error();
    RealFft fft = std::move(made.value());
    for (int i = 0; i < 64; ++i) {
        fft.input()[i] = float(std::cos(2 * std::numbers::pi * 5 * i / 64));
    }
    fft.execute();
    EXPECT_NEAR(std::abs(fft.output()[5]), 32.0f, 1e-3f);
    EXPECT_NEAR(std::abs(fft.output()[4]), 0.0f, 1e-3f);
    EXPECT_NEAR(std::abs(fft.output()[32]), 0.0f, 1e-3f);

    RealFft moved = std::move(fft);
    EXPECT_EQ(moved.length(), 64);
    EXPECT_EQ(fft.length(), 0);  // NOLINT: the moved-from object is empty
    moved.execute();
    EXPECT_NEAR(std::abs(moved.output()[5]), 32.0f, 1e-3f);
}

TEST(RealFftTest, RejectsLengthsItCannotTake) {
    EXPECT_FALSE(RealFft::create(0).ok());
    EXPECT_FALSE(RealFft::create(7).ok());
    EXPECT_FALSE(RealFft::create(-8).ok());
}

TEST(RealFftTest, PlansFromManyThreads) {
    // The planner is shared; the wrapper's lock must keep this safe (the
    // sanitizer build sees a race otherwise).
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 20; ++i) {
                Result<RealFft> fft = RealFft::create(8 << ((t + i) % 9));
                ASSERT_TRUE(fft.ok());
                fft->execute();
            }
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
}

}  // namespace
}  // namespace sonara::audio
