// The lock-free ring between a sound callback and the GUI side.
#include "platform/mm/SpscRing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <thread>
#include <vector>

using mm::detail::SpscRing;

TEST(SpscRing, WrapsAroundKeepingOrderAndLimits) {
    SpscRing ring(10); // rounded up to 16
    ASSERT_EQ(ring.Capacity(), 16u);
    std::uint8_t next = 0, expect = 0;
    std::uint8_t buf[32];
    // Uneven writes and reads walk the positions across the end many times.
    const std::size_t writes[] = {7, 9, 16, 3, 13, 1, 15};
    const std::size_t reads[] = {5, 11, 16, 2, 14, 1, 9};
    for (int round = 0; round < 20; ++round) {
        for (std::size_t k = 0; k < 7; ++k) {
            const std::size_t room = ring.WriteAvailable();
            for (std::size_t i = 0; i < writes[k]; ++i)
                buf[i] = static_cast<std::uint8_t>(next + i);
            const std::size_t w = ring.Write(buf, writes[k]);
            ASSERT_EQ(w, std::min(room, writes[k]));
            next = static_cast<std::uint8_t>(next + w);
            const std::size_t r = ring.Read(buf, reads[k]);
            for (std::size_t i = 0; i < r; ++i, ++expect)
                ASSERT_EQ(buf[i], expect);
            ASSERT_EQ(ring.ReadAvailable() + ring.WriteAvailable(), 16u);
        }
    }
    EXPECT_EQ(ring.WritePosition() - ring.ReadPosition(), ring.ReadAvailable());
}

TEST(SpscRing, SkipToDropsOnlyWhatWasWritten) {
    SpscRing ring(16);
    std::uint8_t buf[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ring.Write(buf, 8);
    ring.SkipTo(5);
    EXPECT_EQ(ring.ReadPosition(), 5u);
    ring.SkipTo(3); // never backwards
    EXPECT_EQ(ring.ReadPosition(), 5u);
    ring.SkipTo(100); // never past the writer
    EXPECT_EQ(ring.ReadPosition(), 8u);
    EXPECT_EQ(ring.Read(buf, 8), 0u);
}

TEST(SpscRing, TwoThreadsPassAStreamIntact) {
    SpscRing ring(4096);
    constexpr std::size_t total = 20'000'000;
    std::thread writer([&] {
        std::mt19937 rng(1234);
        std::vector<std::uint8_t> chunk(3000);
        std::size_t sent = 0;
        while (sent < total) {
            const std::size_t n = std::min<std::size_t>(rng() % 3000 + 1, total - sent);
            for (std::size_t i = 0; i < n; ++i)
                chunk[i] = static_cast<std::uint8_t>((sent + i) * 7);
            std::size_t done = 0;
            while (done < n)
                done += ring.Write(chunk.data() + done, n - done);
            sent += n;
        }
    });
    std::mt19937 rng(99);
    std::vector<std::uint8_t> chunk(3000);
    std::size_t got = 0;
    bool intact = true;
    while (got < total) {
        const std::size_t n = ring.Read(chunk.data(), rng() % 3000 + 1);
        for (std::size_t i = 0; i < n; ++i)
            intact = intact && chunk[i] == static_cast<std::uint8_t>((got + i) * 7);
        got += n;
    }
    writer.join();
    EXPECT_TRUE(intact);
    EXPECT_EQ(ring.ReadPosition(), total);
}
