// A byte ring for one writer thread and one reader thread, without locks:
// positions are 64-bit byte counts from the start, so they never wrap in
// practice and either side can tell how far the other has come.
// Writer: Write, WriteAvailable. Reader: Read, Skip, SkipTo, ReadAvailable.
// Either thread: WritePosition, ReadPosition.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace mm::detail {

class SpscRing {
public:
    // capacity: rounded up to a power of two.
    explicit SpscRing(std::size_t capacity) {
        std::size_t c = 1;
        while (c < capacity)
            c <<= 1;
        size_ = c;
        mask_ = c - 1;
        data_ = std::make_unique<std::uint8_t[]>(c);
    }
    std::size_t Capacity() const { return size_; }

    std::size_t WriteAvailable() const {
        return size_ - static_cast<std::size_t>(write_.load(std::memory_order_relaxed) -
                                                read_.load(std::memory_order_acquire));
    }
    std::size_t ReadAvailable() const {
        return static_cast<std::size_t>(write_.load(std::memory_order_acquire) -
                                        read_.load(std::memory_order_relaxed));
    }
    std::uint64_t WritePosition() const { return write_.load(std::memory_order_acquire); }
    std::uint64_t ReadPosition() const { return read_.load(std::memory_order_acquire); }

    std::size_t Write(const std::uint8_t* src, std::size_t bytes) {
        const std::uint64_t w = write_.load(std::memory_order_relaxed);
        const std::size_t n = std::min(bytes, WriteAvailable());
        const std::size_t at = static_cast<std::size_t>(w) & mask_;
        const std::size_t first = std::min(n, size_ - at);
        std::memcpy(data_.get() + at, src, first);
        std::memcpy(data_.get(), src + first, n - first);
        write_.store(w + n, std::memory_order_release);
        return n;
    }

    std::size_t Read(std::uint8_t* dst, std::size_t bytes) {
        const std::uint64_t r = read_.load(std::memory_order_relaxed);
        const std::size_t n = std::min(bytes, ReadAvailable());
        const std::size_t at = static_cast<std::size_t>(r) & mask_;
        const std::size_t first = std::min(n, size_ - at);
        std::memcpy(dst, data_.get() + at, first);
        std::memcpy(dst + first, data_.get(), n - first);
        read_.store(r + n, std::memory_order_release);
        return n;
    }

    std::size_t Skip(std::size_t bytes) {
        const std::uint64_t r = read_.load(std::memory_order_relaxed);
        const std::size_t n = std::min(bytes, ReadAvailable());
        read_.store(r + n, std::memory_order_release);
        return n;
    }

    // Drops everything written before pos (a position the writer reached).
    void SkipTo(std::uint64_t pos) {
        const std::uint64_t r = read_.load(std::memory_order_relaxed);
        const std::uint64_t w = write_.load(std::memory_order_acquire);
        if (pos > r)
            read_.store(std::min(pos, w), std::memory_order_release);
    }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
    std::size_t mask_ = 0;
    alignas(64) std::atomic<std::uint64_t> write_{0};
    alignas(64) std::atomic<std::uint64_t> read_{0};
};

} // namespace mm::detail
