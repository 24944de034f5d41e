// The engine's import of DirectInput8Create: a small PE32+ image in two pages of its own,
// registered under the engine's file name when the library loads. Page 0 holds the headers,
// the import descriptors, the name table and the names; page 1 the address table. Both are
// read-only once filled, as a loaded image's are.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../dinput/dinput.h"
#include "../win32/win32_host.h"
#include "dinput_link.h"

namespace {

constexpr uint32_t HeadersAt = 0x0;
constexpr uint32_t NtHeadersAt = 0x40;
constexpr uint32_t DescriptorsAt = 0x200;
constexpr uint32_t NameTableAt = 0x240;
constexpr uint32_t HintNameAt = 0x260;
constexpr uint32_t LibraryNameAt = 0x280;

class ImportImage {
public:
    ImportImage() {
        page_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        void* memory = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) {
            std::fprintf(stderr, "vuzirovari: no memory for the import image\n");
            std::abort();
        }
        base_ = static_cast<uint8_t*>(memory);
        writeHeaders();
        writeImports();
        slot()[0] = reinterpret_cast<uint64_t>(&DirectInput8Create);
        slot()[1] = 0;
        mprotect(base_, 2 * page_, PROT_READ);
        win32::registerModule("vuzirovari.dll", reinterpret_cast<HMODULE>(base_));
    }
    uint64_t* slot() { return reinterpret_cast<uint64_t*>(base_ + page_); }
    void restore() {
        mprotect(slot(), page_, PROT_READ | PROT_WRITE);
        slot()[0] = reinterpret_cast<uint64_t>(&DirectInput8Create);
        mprotect(slot(), page_, PROT_READ);
    }

private:
    template <typename T>
    T* at(uint32_t offset) { return reinterpret_cast<T*>(base_ + offset); }

    void writeHeaders() {
        auto* dos = at<IMAGE_DOS_HEADER>(HeadersAt);
        dos->e_magic = IMAGE_DOS_SIGNATURE;
        dos->e_lfanew = NtHeadersAt;
        auto* nt = at<IMAGE_NT_HEADERS64>(NtHeadersAt);
        nt->Signature = IMAGE_NT_SIGNATURE;
        nt->FileHeader.Machine = IMAGE_FILE_MACHINE_AMD64;
        nt->FileHeader.SizeOfOptionalHeader = sizeof(IMAGE_OPTIONAL_HEADER64);
        IMAGE_OPTIONAL_HEADER64& optional = nt->OptionalHeader;
        optional.Magic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
        optional.ImageBase = reinterpret_cast<uint64_t>(base_);
        optional.SectionAlignment = optional.FileAlignment = static_cast<DWORD>(page_);
        optional.SizeOfImage = static_cast<DWORD>(2 * page_);
        optional.SizeOfHeaders = static_cast<DWORD>(page_);
        optional.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
        optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT] = {DescriptorsAt, 2 * sizeof(IMAGE_IMPORT_DESCRIPTOR)};
    }

    void writeImports() {
        auto* descriptors = at<IMAGE_IMPORT_DESCRIPTOR>(DescriptorsAt);
        descriptors[0].OriginalFirstThunk = NameTableAt;
        descriptors[0].Name = LibraryNameAt;
        descriptors[0].FirstThunk = static_cast<DWORD>(page_);
        // descriptors[1] stays zero: the end of the list.
        auto* names = at<IMAGE_THUNK_DATA64>(NameTableAt);
        names[0].u1.AddressOfData = HintNameAt;
        names[1].u1.AddressOfData = 0;
        auto* hintName = at<IMAGE_IMPORT_BY_NAME>(HintNameAt);
        hintName->Hint = 0;
        std::strcpy(hintName->Name, "DirectInput8Create");
        std::strcpy(at<char>(LibraryNameAt), "DINPUT8.DLL");
    }

    uint8_t* base_ = nullptr;
    size_t page_ = 0;
};

// Made when the library loads; never freed, the game may hold pointers into it.
ImportImage& image() {
    static auto* made = new ImportImage();
    return *made;
}
[[maybe_unused]] const bool registered = (image(), true);

}  // namespace

namespace vuz {

LPDIRECTINPUT8CREATE importedDirectInput8Create() {
    return reinterpret_cast<LPDIRECTINPUT8CREATE>(image().slot()[0]);
}

}  // namespace vuz

extern "C" {

uint64_t* vtDirectInputImportSlot(void) { return image().slot(); }

void vtDirectInputImportRestore(void) { image().restore(); }

}  // extern "C"
