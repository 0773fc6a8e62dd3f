#include "counting_allocator.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<long long> liveBytes{0};

void *allocate(std::size_t size, std::size_t alignment = 0) noexcept
{
    if (size == 0)
        size = 1;
    void *block = nullptr;
    if (alignment > alignof(std::max_align_t)) {
        if (posix_memalign(&block, alignment, size) != 0)
            block = nullptr;
    } else {
        block = std::malloc(size);
    }
    if (block != nullptr)
        liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(block)),
                            std::memory_order_relaxed);
    return block;
}

void *allocateOrThrow(std::size_t size, std::size_t alignment = 0)
{
    void *block = allocate(size, alignment);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void release(void *block) noexcept
{
    if (block == nullptr)
        return;
    liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(block)),
                        std::memory_order_relaxed);
    std::free(block);
}

} // namespace

namespace testSupport {

long long liveHeapBytes()
{
    return liveBytes.load(std::memory_order_relaxed);
}

} // namespace testSupport

void *operator new(std::size_t size)
{
    return allocateOrThrow(size);
}
void *operator new[](std::size_t size)
{
    return allocateOrThrow(size);
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}
void *operator new(std::size_t size, std::align_val_t alignment)
{
    return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void *operator new[](std::size_t size, std::align_val_t alignment)
{
    return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void *operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t &) noexcept
{
    return allocate(size, static_cast<std::size_t>(alignment));
}
void *operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t &) noexcept
{
    return allocate(size, static_cast<std::size_t>(alignment));
}

void operator delete(void *block) noexcept
{
    release(block);
}
void operator delete[](void *block) noexcept
{
    release(block);
}
void operator delete(void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete[](void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete(void *block, const std::nothrow_t &) noexcept
{
    release(block);
}
void operator delete[](void *block, const std::nothrow_t &) noexcept
{
    release(block);
}
void operator delete(void *block, std::align_val_t) noexcept
{
    release(block);
}
void operator delete[](void *block, std::align_val_t) noexcept
{
    release(block);
}
void operator delete(void *block, std::size_t, std::align_val_t) noexcept
{
    release(block);
}
void operator delete[](void *block, std::size_t, std::align_val_t) noexcept
{
    release(block);
}
void operator delete(void *block, std::align_val_t, const std::nothrow_t &) noexcept
{
    release(block);
}
void operator delete[](void *block, std::align_val_t, const std::nothrow_t &) noexcept
{
    release(block);
}
