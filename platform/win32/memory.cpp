// Page queries and protection over the process's own memory map.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "win32.h"

namespace {

struct Mapping {
    uintptr_t start = 0, end = 0;
    DWORD protect = PAGE_NOACCESS;
};

DWORD protectionOf(const char* perms) {
    bool r = perms[0] == 'r', w = perms[1] == 'w', x = perms[2] == 'x';
    if (x) return w ? PAGE_EXECUTE_READWRITE : r ? PAGE_EXECUTE_READ : PAGE_EXECUTE;
    if (w) return PAGE_READWRITE;
    return r ? PAGE_READONLY : PAGE_NOACCESS;
}

// The current map, read afresh each time: protections change under us.
std::vector<Mapping> readMaps() {
    std::vector<Mapping> maps;
    FILE* file = std::fopen("/proc/self/maps", "r");
    if (!file) return maps;
    char line[512];
    while (std::fgets(line, sizeof line, file)) {
        unsigned long start = 0, end = 0;
        char perms[5] = {};
        if (std::sscanf(line, "%lx-%lx %4s", &start, &end, perms) != 3) continue;
        maps.push_back({start, end, protectionOf(perms)});
    }
    std::fclose(file);
    return maps;
}

const Mapping* find(const std::vector<Mapping>& maps, uintptr_t address) {
    for (const Mapping& m : maps)
        if (address >= m.start && address < m.end) return &m;
    return nullptr;
}

int posixProtection(DWORD protect) {
    switch (protect & 0xFF) {
    case PAGE_READONLY: return PROT_READ;
    case PAGE_READWRITE: return PROT_READ | PROT_WRITE;
    case PAGE_EXECUTE: return PROT_EXEC;
    case PAGE_EXECUTE_READ: return PROT_READ | PROT_EXEC;
    case PAGE_EXECUTE_READWRITE: return PROT_READ | PROT_WRITE | PROT_EXEC;
    case PAGE_NOACCESS: return PROT_NONE;
    default: return -1;
    }
}

uintptr_t pageSize() { return static_cast<uintptr_t>(sysconf(_SC_PAGESIZE)); }

}  // namespace

SIZE_T VirtualQuery(LPCVOID address, PMEMORY_BASIC_INFORMATION info, SIZE_T length) {
    if (!info || length < sizeof(MEMORY_BASIC_INFORMATION)) return 0;
    uintptr_t at = reinterpret_cast<uintptr_t>(address);
    std::vector<Mapping> maps = readMaps();
    const Mapping* m = find(maps, at);
    if (!m) return 0;
    uintptr_t base = at & ~(pageSize() - 1);
    info->BaseAddress = reinterpret_cast<LPVOID>(base);
    info->AllocationBase = reinterpret_cast<LPVOID>(m->start);
    info->AllocationProtect = m->protect;
    info->RegionSize = m->end - base;
    info->State = MEM_COMMIT;
    info->Protect = m->protect;
    info->Type = MEM_PRIVATE;
    return sizeof(MEMORY_BASIC_INFORMATION);
}

BOOL VirtualProtect(LPVOID address, SIZE_T size, DWORD newProtect, PDWORD oldProtect) {
    int prot = posixProtection(newProtect);
    if (!address || size == 0 || prot < 0 || !oldProtect) return FALSE;
    uintptr_t at = reinterpret_cast<uintptr_t>(address);
    std::vector<Mapping> maps = readMaps();
    const Mapping* m = find(maps, at);
    if (!m) return FALSE;
    uintptr_t first = at & ~(pageSize() - 1);
    uintptr_t last = (at + size + pageSize() - 1) & ~(pageSize() - 1);
    if (mprotect(reinterpret_cast<void*>(first), last - first, prot) != 0) return FALSE;
    *oldProtect = m->protect;
    return TRUE;
}

BOOL IsBadWritePtr(LPVOID address, UINT_PTR size) {
    if (!address) return TRUE;
    if (size == 0) return FALSE;
    uintptr_t at = reinterpret_cast<uintptr_t>(address);
    uintptr_t end = at + size;
    if (end < at) return TRUE;
    std::vector<Mapping> maps = readMaps();
    while (at < end) {
        const Mapping* m = find(maps, at);
        if (!m || (m->protect != PAGE_READWRITE && m->protect != PAGE_EXECUTE_READWRITE)) return TRUE;
        at = m->end;
    }
    return FALSE;
}
