// Movable global memory blocks for the streams' buffer pool: allocate,
// lock to a pointer, unlock, free. The allocator behind them can be
// replaced (a test fails it on purpose). GUI thread only.
#pragma once

#include <cstddef>
#include <cstdint>

using HGLOBAL = void*;

inline constexpr std::uint32_t GMEM_MOVEABLE = 0x0002;
inline constexpr std::uint32_t GMEM_ZEROINIT = 0x0040;
inline constexpr std::uint32_t GMEM_DDESHARE = 0x2000;

class TGlobalMemory {
public:
    virtual ~TGlobalMemory() = default;
    // Null on failure.
    virtual HGLOBAL Alloc(std::uint32_t flags, std::size_t bytes);
    // Null on failure.
    virtual void* Lock(HGLOBAL block);
    virtual bool Unlock(HGLOBAL block);
    // Null on success.
    virtual HGLOBAL Free(HGLOBAL block);
    // Blocks allocated and not yet freed through this allocator.
    std::int64_t LiveBlocks() const { return live_; }

private:
    std::int64_t live_ = 0;
};

// Installs an allocator (null: the built-in one); returns the previous.
TGlobalMemory* SetGlobalMemory(TGlobalMemory* memory);
TGlobalMemory& GlobalMemory();

HGLOBAL GlobalAlloc(std::uint32_t flags, std::size_t bytes);
void* GlobalLock(HGLOBAL block);
bool GlobalUnlock(HGLOBAL block);
HGLOBAL GlobalFree(HGLOBAL block);
