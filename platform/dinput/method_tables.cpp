// The three shared method tables, each in a page of its own that is read-only once filled,
// as method tables are in a loaded library.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "internal.h"

namespace dinput {

namespace {

template <typename Table>
class TablePage {
public:
    explicit TablePage(void (*fill)(Table&)) : fill_(fill) {
        size_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        void* page = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (page == MAP_FAILED) {
            std::fprintf(stderr, "dinput: no page for a method table\n");
            std::abort();
        }
        table_ = new (page) Table{};
        refill();
    }
    const Table* table() const { return table_; }
    // Writes the pristine entries back and makes the page read-only again.
    void refill() {
        mprotect(table_, size_, PROT_READ | PROT_WRITE);
        *table_ = Table{};
        fill_(*table_);
        mprotect(table_, size_, PROT_READ);
    }

private:
    void (*fill_)(Table&);
    Table* table_ = nullptr;
    size_t size_ = 0;
};

// Made on first use and kept for the life of the process: the engine's objects point into them.
TablePage<IDirectInput8AVtbl>& factoryPage() {
    static auto* page = new TablePage<IDirectInput8AVtbl>(fillFactoryTable);
    return *page;
}
TablePage<IDirectInputDevice8AVtbl>& devicePage() {
    static auto* page = new TablePage<IDirectInputDevice8AVtbl>(fillDeviceTable);
    return *page;
}
TablePage<IDirectInputEffectVtbl>& effectPage() {
    static auto* page = new TablePage<IDirectInputEffectVtbl>(fillEffectTable);
    return *page;
}

}  // namespace

const IDirectInput8AVtbl* factoryMethods() { return factoryPage().table(); }
const IDirectInputDevice8AVtbl* deviceMethods() { return devicePage().table(); }
const IDirectInputEffectVtbl* effectMethods() { return effectPage().table(); }

void restoreMethodTables() {
    factoryPage().refill();
    devicePage().refill();
    effectPage().refill();
}

}  // namespace dinput
