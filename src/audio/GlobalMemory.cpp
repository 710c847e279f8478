#include "audio/GlobalMemory.h"

#include <cstdlib>
#include <new>

HGLOBAL TGlobalMemory::Alloc(std::uint32_t flags, std::size_t bytes) {
    void* p = (flags & GMEM_ZEROINIT) ? std::calloc(bytes == 0 ? 1 : bytes, 1)
                                      : std::malloc(bytes == 0 ? 1 : bytes);
    if (p)
        ++live_;
    return p;
}

void* TGlobalMemory::Lock(HGLOBAL block) {
    return block;
}

bool TGlobalMemory::Unlock(HGLOBAL) {
    return true;
}

HGLOBAL TGlobalMemory::Free(HGLOBAL block) {
    if (block) {
        std::free(block);
        --live_;
    }
    return nullptr;
}

namespace {
TGlobalMemory& BuiltIn() {
    static TGlobalMemory memory;
    return memory;
}
TGlobalMemory* g_memory = nullptr;
} // namespace

TGlobalMemory* SetGlobalMemory(TGlobalMemory* memory) {
    TGlobalMemory* old = g_memory ? g_memory : &BuiltIn();
    g_memory = memory;
    return old;
}

TGlobalMemory& GlobalMemory() {
    return g_memory ? *g_memory : BuiltIn();
}

HGLOBAL GlobalAlloc(std::uint32_t flags, std::size_t bytes) {
    return GlobalMemory().Alloc(flags, bytes);
}
void* GlobalLock(HGLOBAL block) {
    return GlobalMemory().Lock(block);
}
bool GlobalUnlock(HGLOBAL block) {
    return GlobalMemory().Unlock(block);
}
HGLOBAL GlobalFree(HGLOBAL block) {
    return GlobalMemory().Free(block);
}
