// The packed archive's byte source: one open file handed to the archive reader through
// read, skip and seek callbacks. The file stays open for as long as the loader lives. Several
// readers may use it by turns: each has its own stream record, which keeps that reader's
// position and buffer, and every callback moves the shared file to that position first.
#pragma once

#include <archive.h>

#include <sys/types.h>

#include <cstdio>

struct ArchiveStream {
    std::FILE* file = nullptr;
    off_t position = 0;  // where this reader stands in the file
    unsigned char buffer[64 * 1024];
};

// Reads the next block of the file into the stream's buffer and points *block at it.
// Returns the byte count (0 at the end of the file), or ARCHIVE_FATAL with the reader's error
// set when the read fails, so a failing disk is never taken for a short archive.
la_ssize_t archiveStreamRead(struct archive* reader, void* stream, const void** block);

// Moves forward by up to request bytes without reading; returns how far it moved (0 lets the
// reader fall back to reading).
la_int64_t archiveStreamSkip(struct archive* reader, void* stream, la_int64_t request);

// Moves to offset relative to whence (SEEK_SET, SEEK_CUR or SEEK_END); returns the new
// absolute position, or ARCHIVE_FATAL when the seek fails.
la_int64_t archiveStreamSeek(struct archive* reader, void* stream, la_int64_t offset, int whence);
