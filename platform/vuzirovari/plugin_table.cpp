// The function table the engine hands to the plug-in: each offered function at its index, a
// reporting function at every other.
#include <array>
#include <atomic>
#include <string>
#include <utility>

#include "../win32/win32_host.h"
#include "vuzirovari_table.h"

namespace {

// Entry N when nothing is offered there: one log line the first time, then quietly 0.
template <int N>
int notOffered() {
    static std::atomic<bool> reported{false};
    if (!reported.exchange(true))
        win32::log("engine: plug-in table entry " + std::to_string(N) + " is not offered");
    return 0;
}

template <int... N>
std::array<VuzEntry, VUZ_TABLE_SIZE> reportingTable(std::integer_sequence<int, N...>) {
    return {reinterpret_cast<VuzEntry>(&notOffered<N>)...};
}

std::array<VuzEntry, VUZ_TABLE_SIZE> buildTable() {
    std::array<VuzEntry, VUZ_TABLE_SIZE> table =
        reportingTable(std::make_integer_sequence<int, VUZ_TABLE_SIZE>());
#define VUZ_OFFER(index, function) table[index] = reinterpret_cast<VuzEntry>(&function);
    VUZ_TABLE_ENTRIES(VUZ_OFFER)
#undef VUZ_OFFER
    return table;
}

}  // namespace

extern "C" const VuzEntry* vuzPluginTable(void) {
    static const std::array<VuzEntry, VUZ_TABLE_SIZE> table = buildTable();
    return table.data();
}
