#include "alloc_count.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <sys/resource.h>

namespace {
std::atomic<std::size_t> g_current{0};
std::atomic<std::size_t> g_peak{0};
} // namespace

std::size_t AllocCurrent() {
    return g_current.load(std::memory_order_relaxed);
}
std::size_t AllocPeak() {
    return g_peak.load(std::memory_order_relaxed);
}
void AllocResetPeak() {
    g_peak.store(AllocCurrent(), std::memory_order_relaxed);
}

std::size_t MaxRssBytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return std::size_t(u.ru_maxrss) * 1024;
}

// Defined away to measure what the counting itself costs.
#ifndef TAVOLIN_BENCH_NO_ALLOC_COUNT
namespace {
void Count(void* p) {
    if (!p) return;
    const std::size_t size = malloc_usable_size(p);
    const std::size_t now = g_current.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t peak = g_peak.load(std::memory_order_relaxed);
    while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}

void* Allocate(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    Count(p);
    return p;
}

void* AllocateAligned(std::size_t n, std::align_val_t a) {
    void* p = nullptr;
    const std::size_t align = std::max(std::size_t(a), sizeof(void*));
    if (posix_memalign(&p, align, n ? n : 1) != 0) throw std::bad_alloc();
    Count(p);
    return p;
}

void Release(void* p) {
    if (!p) return;
    g_current.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
    std::free(p);
}
} // namespace

void* operator new(std::size_t n) {
    return Allocate(n);
}
void* operator new[](std::size_t n) {
    return Allocate(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return Allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept {
    return operator new(n, t);
}
void* operator new(std::size_t n, std::align_val_t a) {
    return AllocateAligned(n, a);
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return AllocateAligned(n, a);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
#endif
