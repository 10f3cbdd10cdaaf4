#include "platform/ZeroPages.h"

#include <cstdint>
#include <new>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace traxo {

namespace {

std::size_t PagesIn(std::size_t bytes) {
    return (bytes + ZeroPageSize() - 1) / ZeroPageSize();
}

bool OnAPage(const void* start) {
    return reinterpret_cast<std::uintptr_t>(start) % ZeroPageSize() == 0;
}

} // namespace

#ifdef _WIN32

// The memory is committed whole (writes need no help from its users) and watched: the system
// records the first write to each page.
std::size_t ZeroPageSize() {
    static const std::size_t size = [] {
        SYSTEM_INFO info{};
        GetSystemInfo(&info);
        return static_cast<std::size_t>(info.dwPageSize);
    }();
    return size;
}

void* AllocateZeroPages(std::size_t bytes) {
    void* pages =
        VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT | MEM_WRITE_WATCH, PAGE_READWRITE);
    if (!pages) { // a system without write watching: every page counts as written
        pages = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    }
    if (!pages) {
        throw std::bad_alloc();
    }
    return pages;
}

void FreeZeroPages(void* pages, std::size_t) {
    VirtualFree(pages, 0, MEM_RELEASE);
}

std::vector<bool> PagesThatMayHoldData(const void* start, std::size_t bytes) {
    const std::size_t count = PagesIn(bytes);
    if (!OnAPage(start)) {
        return std::vector<bool>(count, true);
    }
    std::vector<PVOID> written(count);
    ULONG_PTR found = count;
    DWORD granularity = 0;
    if (GetWriteWatch(0, const_cast<void*>(start), bytes, written.data(), &found, &granularity) !=
            0 ||
        granularity != ZeroPageSize()) {
        return std::vector<bool>(count, true);
    }
    std::vector<bool> pages(count, false);
    for (ULONG_PTR i = 0; i < found; ++i) {
        pages[(static_cast<const char*>(written[i]) - static_cast<const char*>(start)) /
              granularity] = true;
    }
    return pages;
}

#else

// An anonymous private mapping, kept in small pages: a huge page would make one write take two
// megabytes. Its written pages are the ones present or swapped out in the page map (a page only
// read maps the shared zero page and counts as present: harmless, it reads as zeros).
std::size_t ZeroPageSize() {
    static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

void* AllocateZeroPages(std::size_t bytes) {
    void* pages = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) {
        throw std::bad_alloc();
    }
#ifdef MADV_NOHUGEPAGE
    madvise(pages, bytes, MADV_NOHUGEPAGE);
#endif
    return pages;
}

void FreeZeroPages(void* pages, std::size_t bytes) {
    munmap(pages, bytes);
}

std::vector<bool> PagesThatMayHoldData(const void* start, std::size_t bytes) {
    const std::size_t count = PagesIn(bytes);
    std::vector<bool> pages(count, true);
    const int map = OnAPage(start) ? open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC) : -1;
    if (map < 0) {
        return pages;
    }
    std::vector<std::uint64_t> entries(count);
    const std::size_t wanted = count * sizeof(std::uint64_t);
    const off_t first = static_cast<off_t>(reinterpret_cast<std::uintptr_t>(start) /
                                           ZeroPageSize() * sizeof(std::uint64_t));
    const bool read = pread(map, entries.data(), wanted, first) == static_cast<ssize_t>(wanted);
    close(map);
    if (read) {
        constexpr std::uint64_t kPresentOrSwapped = std::uint64_t{3} << 62;
        for (std::size_t i = 0; i < count; ++i) {
            pages[i] = (entries[i] & kPresentOrSwapped) != 0;
        }
    }
    return pages;
}

#endif

} // namespace traxo
