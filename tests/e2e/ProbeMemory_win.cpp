#include "ProbeMemory_win.h"

#include <windows.h>

#include <cstdio>
#include <vector>
// After windows.h, whose types it uses.
#include <psapi.h>

namespace {

enum ExitCode { kOk = 0, kNotFound = 1, kFailed = 3 };

struct Region {
    ULONG_PTR base;
    SIZE_T size;
    DWORD type;
    ULONG_PTR allocationBase;
};

const char* KindOf(DWORD type) {
    switch (type) {
    case MEM_IMAGE:
        return "image";
    case MEM_MAPPED:
        return "mapped";
    default:
        return "private";
    }
}

std::vector<Region> CommittedRegions(HANDLE process) {
    std::vector<Region> regions;
    MEMORY_BASIC_INFORMATION info{};
    ULONG_PTR address = 0;
    while (VirtualQueryEx(process, reinterpret_cast<LPCVOID>(address), &info, sizeof(info)) ==
           sizeof(info)) {
        if (info.State == MEM_COMMIT) {
            regions.push_back({reinterpret_cast<ULONG_PTR>(info.BaseAddress), info.RegionSize,
                               info.Type, reinterpret_cast<ULONG_PTR>(info.AllocationBase)});
        }
        const ULONG_PTR next = reinterpret_cast<ULONG_PTR>(info.BaseAddress) + info.RegionSize;
        if (next <= address) {
            break;
        }
        address = next;
    }
    return regions;
}

// The size of each allocation: from its base to the end of its last region, reserved or not.
SIZE_T AllocationSize(HANDLE process, ULONG_PTR allocationBase) {
    MEMORY_BASIC_INFORMATION info{};
    ULONG_PTR address = allocationBase;
    while (VirtualQueryEx(process, reinterpret_cast<LPCVOID>(address), &info, sizeof(info)) ==
               sizeof(info) &&
           reinterpret_cast<ULONG_PTR>(info.AllocationBase) == allocationBase &&
           info.State != MEM_FREE) {
        address = reinterpret_cast<ULONG_PTR>(info.BaseAddress) + info.RegionSize;
    }
    return address - allocationBase;
}

void PrintRegions(HANDLE process) {
    ULONG_PTR lastBase = 0;
    SIZE_T lastSize = 0;
    for (const Region& region : CommittedRegions(process)) {
        if (region.allocationBase != lastBase) {
            lastBase = region.allocationBase;
            lastSize = AllocationSize(process, lastBase);
        }
        std::printf("region %llx %llu %s %llx %llu\n", static_cast<unsigned long long>(region.base),
                    static_cast<unsigned long long>(region.size), KindOf(region.type),
                    static_cast<unsigned long long>(region.allocationBase),
                    static_cast<unsigned long long>(lastSize));
    }
}

} // namespace

int MemoryOfWindowOwner(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    DWORD pid = 0;
    if (!window || !GetWindowThreadProcessId(window, &pid)) {
        return kNotFound;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) {
        return kFailed;
    }
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    const bool read = GetProcessMemoryInfo(
        process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    if (read) {
        std::printf("pid %lu\nprivate %llu\nworkingset %llu\npeakworkingset %llu\n", pid,
                    static_cast<unsigned long long>(counters.PrivateUsage),
                    static_cast<unsigned long long>(counters.WorkingSetSize),
                    static_cast<unsigned long long>(counters.PeakWorkingSetSize));
        std::printf("gdiobjects %lu\nuserobjects %lu\n", GetGuiResources(process, GR_GDIOBJECTS),
                    GetGuiResources(process, GR_USEROBJECTS));
        PrintRegions(process);
    }
    std::fflush(stdout);
    CloseHandle(process);
    return read ? kOk : kFailed;
}
