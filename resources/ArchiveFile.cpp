#include "ArchiveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

ArchiveFile::ArchiveFile(const std::string& hostName) : descriptor(::open(hostName.c_str(), O_RDONLY | O_CLOEXEC)) {
    struct stat status;
    if (descriptor < 0) return;
    if (::fstat(descriptor, &status) != 0 || status.st_size < 0) {
        ::close(descriptor);
        descriptor = -1;
        return;
    }
    length = static_cast<uint64_t>(status.st_size);
}

ArchiveFile::~ArchiveFile() {
    if (descriptor >= 0) ::close(descriptor);
}

bool ArchiveFile::readAt(uint64_t offset, void* into, size_t count) const {
    if (descriptor < 0 || offset > length || count > length - offset) return false;
    auto* bytes = static_cast<unsigned char*>(into);
    while (count > 0) {
        const ssize_t got = ::pread(descriptor, bytes, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;  // an error, or the file shrank since it was opened
        bytes += got;
        offset += static_cast<uint64_t>(got);
        count -= static_cast<size_t>(got);
    }
    return true;
}
