#include "persistence/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/XMLFileException.h"

namespace {

[[noreturn]] void fail(const std::string& action, const std::string& displayPath, int error) {
    throw XMLFileException("Could not " + action + " " + displayPath + ": " + std::strerror(error));
}

std::string folderOf(const std::string& file) {
    size_t slash = file.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return file.substr(0, slash);
}

std::string nameOf(const std::string& file) {
    size_t slash = file.find_last_of('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

mode_t newFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string readWholeFile(const std::string& hostFile, const std::string& displayPath) {
    int fd = ::open(hostFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail("open", displayPath, errno);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        fail("read", displayPath, EISDIR);
    }
    std::string bytes;
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            fail("read", displayPath, error);
        }
        if (n == 0) break;
        bytes.append(chunk.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void replaceWholeFile(const std::string& hostFile, const std::string& bytes, const std::string& displayPath) {
    std::string folder = folderOf(hostFile);
    std::string name = nameOf(hostFile);
    if (name.empty()) fail("save", displayPath, EISDIR);

    // The temporary name stays within the length limit of a file name whatever the target's.
    std::string pattern = folder + "/." + name.substr(0, 200) + ".saving-XXXXXX";
    std::vector<char> tempName(pattern.begin(), pattern.end());
    tempName.push_back('\0');
    int fd = ::mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0) fail("save", displayPath, errno);
    std::string temp(tempName.data());

    auto abandon = [&](int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        fail("save", displayPath, error);
    };

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = ::stat(hostFile.c_str(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    if (::fchmod(fd, mode) != 0) abandon(errno);
    if (!writeAll(fd, bytes)) abandon(errno);
    if (::fsync(fd) != 0) abandon(errno);
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0) abandon(errno);
    if (::rename(temp.c_str(), hostFile.c_str()) != 0) abandon(errno);

    // Make the rename itself durable; a failure here no longer endangers either file.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}
