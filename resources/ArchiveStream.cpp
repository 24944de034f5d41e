#include "ArchiveStream.h"

#include <cerrno>

la_ssize_t archiveStreamRead(struct archive* reader, void* stream, const void** block) {
    auto* s = static_cast<ArchiveStream*>(stream);
    *block = s->buffer;
    if (::fseeko(s->file, s->position, SEEK_SET) != 0) {
        if (reader) archive_set_error(reader, errno != 0 ? errno : EIO, "Cannot read the archive file");
        return ARCHIVE_FATAL;
    }
    const size_t got = std::fread(s->buffer, 1, sizeof s->buffer, s->file);
    s->position += static_cast<off_t>(got);
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
    const off_t before = s->position;
    if (::fseeko(s->file, before + static_cast<off_t>(request), SEEK_SET) != 0) return 0;
    const off_t after = ::ftello(s->file);
    if (after < before) return 0;
    s->position = after;
    return static_cast<la_int64_t>(after - before);
}

la_int64_t archiveStreamSeek(struct archive* reader, void* stream, la_int64_t offset, int whence) {
    auto* s = static_cast<ArchiveStream*>(stream);
    const off_t from = whence == SEEK_CUR ? s->position : 0;
    if (::fseeko(s->file, from + static_cast<off_t>(offset), whence == SEEK_CUR ? SEEK_SET : whence) != 0) {
        if (reader) archive_set_error(reader, errno, "Cannot seek in the archive file");
        return ARCHIVE_FATAL;
    }
    const off_t position = ::ftello(s->file);
    if (position < 0) return ARCHIVE_FATAL;
    s->position = position;
    return static_cast<la_int64_t>(position);
}
