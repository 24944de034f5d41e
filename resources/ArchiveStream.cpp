#include "ArchiveStream.h"

#include <cerrno>

la_ssize_t archiveStreamRead(struct archive* reader, void* stream, const void** block) {
    auto* s = static_cast<ArchiveStream*>(stream);
    *block = s->buffer;
    const size_t got = std::fread(s->buffer, 1, sizeof s->buffer, s->file);
    if (got == 0 && std::ferror(s->file)) {
        const int error = errno != 0 ? errno : EIO;
        std::clearerr(s->file);
        if (reader) archive_set_error(reader, error, "Cannot read the archive file");
        return ARCHIVE_FATAL;
    }
    return static_cast<la_ssize_t>(got);
}

la_int64_t archiveStreamSkip(struct archive*, void* stream, la_int64_t request) {
    auto* s = static_cast<ArchiveStream*>(stream);
    if (request <= 0) return 0;
    const off_t before = ::ftello(s->file);
    if (before < 0 || ::fseeko(s->file, static_cast<off_t>(request), SEEK_CUR) != 0) return 0;
    const off_t after = ::ftello(s->file);
    return after < before ? 0 : static_cast<la_int64_t>(after - before);
}

la_int64_t archiveStreamSeek(struct archive* reader, void* stream, la_int64_t offset, int whence) {
    auto* s = static_cast<ArchiveStream*>(stream);
    if (::fseeko(s->file, static_cast<off_t>(offset), whence) != 0) {
        if (reader) archive_set_error(reader, errno, "Cannot seek in the archive file");
        return ARCHIVE_FATAL;
    }
    const off_t position = ::ftello(s->file);
    return position < 0 ? ARCHIVE_FATAL : static_cast<la_int64_t>(position);
}
