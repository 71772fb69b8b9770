#include "base/file_io.h"

#include "base/app_error.h"
#include "base/quoted_text.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwFileError(int errorNumber)
{
    throw AppError(fileErrorMessage(errorNumber));
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now and reports the error, since a failed close can mean lost data.
    int closeNow()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// The folder of a path, ending in "/".
std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// The file a path names once symbolic links are followed, so that saving
// through a link writes the file it points to instead of replacing the link.
// A link to a file not yet there names the file to create.
std::string followLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info
        {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            throwFileError(errno);
        target.resize(static_cast<size_t>(length));
        if (target.empty() || target.front() != '/')
            target.insert(0, folderOf(path));
        path = std::move(target);
    }
    throwFileError(ELOOP);
}

// A file the player marked read-only (no write bit for anyone) is refused
// even to root, as the system's own read-only mark is; otherwise the system
// says whether this user may write it.
int writeProtection(const std::string &path, const struct stat &info)
{
    if ((info.st_mode & 0222) == 0)
        return EACCES;
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

// Temporaries are named ".korvel-save-PID-XXXXXX" after the process that
// writes them, so that one left by a save that was killed can be told from
// one another running program is still writing.
const std::string kTemporaryPrefix = ".korvel-save-";

// Removes the temporaries of saves that died in this folder: those of
// processes that are gone, and those of earlier versions, which were named
// ".korvel-XXXXXX", once they are an hour old. Only the user's own regular
// files are touched.
void removeStaleTemporaries(const std::string &folder)
{
    DIR *directory = ::opendir(folder.c_str());
    if (!directory)
        return;
    const pid_t self = ::getpid();
    while (const dirent *entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        bool stale = false;
        if (name.rfind(kTemporaryPrefix, 0) == 0) {
            char *end = nullptr;
            const long pid = std::strtol(name.c_str() + kTemporaryPrefix.size(), &end, 10);
            stale = pid > 0 && *end == '-' && pid != self && ::kill(static_cast<pid_t>(pid), 0) != 0
                    && errno == ESRCH;
        }
        const bool earlier = name.size() == 14 && name.rfind(".korvel-", 0) == 0;
        struct stat info
        {};
        const std::string path = folder + name;
        if ((!stale && !earlier) || ::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)
            || info.st_uid != ::geteuid())
            continue;
        if (earlier && ::time(nullptr) - info.st_mtime < 3600)
            continue;
        ::unlink(path.c_str());
    }
    ::closedir(directory);
}

// The temporary cannot be made beside the file. A folder the player may not
// write into is named as the cause, since the file itself may well be
// writable and "文件存取错误" alone points at it; nothing was touched.
[[noreturn]] void throwFolderError(int errorNumber, const std::string &file, bool exists)
{
    if (errorNumber != EACCES && errorNumber != EPERM && errorNumber != EROFS)
        throwFileError(errorNumber);
    const auto slash = file.rfind('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    std::string folder = slash == std::string::npos ? std::string(".") : file.substr(0, slash);
    if (folder.empty())
        folder = "/";
    std::string message = fileErrorMessage(errorNumber) + "：文件夹“" + quotedText(folder)
                          + "”是只读的，无法在其中保存“" + quotedText(name) + "”";
    message += exists ? "；原文件保持原样，没有改动。" : "。";
    throw AppError(message);
}

// Makes the rename itself durable; a folder that cannot be synced (some file
// systems refuse) still holds the new file, so that is no failure.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string fileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return "文件存取错误";
    case ENOENT:
    case ENOTDIR:
        return "文件没找到";
    case ENOSPC:
    case EDQUOT:
        return "磁盘已满";
    default:
        return "I/O 错误 " + std::to_string(errorNumber);
    }
}

std::string readFile(const std::string &path, std::size_t maxBytes)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throwFileError(errno);
    struct stat info
    {};
    if (::fstat(fd.get(), &info) != 0)
        throwFileError(errno);
    if (S_ISDIR(info.st_mode))
        throwFileError(EACCES);
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const ssize_t got = ::read(fd.get(), buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwFileError(errno);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return bytes;
}

void writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string file = followLinks(path);
    // A special file such as /dev/full cannot be replaced by a rename; it is
    // written in place, which is also what the player asked for.
    struct stat target
    {};
    const bool exists = ::stat(file.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode)) {
        if (S_ISDIR(target.st_mode))
            throwFileError(EACCES);
        Descriptor fd(::open(file.c_str(), O_WRONLY | O_CLOEXEC));
        if (fd.get() < 0)
            throwFileError(errno);
        if (const int error = writeAll(fd.get(), bytes))
            throwFileError(error);
        if (const int error = fd.closeNow())
            throwFileError(error);
        return;
    }
    if (exists) {
        if (const int error = writeProtection(file, target))
            throwFileError(error);
    }

    const std::string folder = folderOf(file);
    removeStaleTemporaries(folder);
    std::string temporary = folder + kTemporaryPrefix + std::to_string(::getpid()) + "-XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        throwFolderError(errno, file, exists);
    int error = writeAll(fd.get(), bytes);
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (!error) {
        // Keep the permissions and, where allowed, the owner an existing
        // file had; a new file gets the usual ones for the user's mask.
        mode_t mode = 0666;
        if (exists) {
            mode = target.st_mode & 07777;
            if (::fchown(fd.get(), target.st_uid, target.st_gid) != 0) {
                // Only root may give a file away; the player's own is theirs.
            }
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        if (::fchmod(fd.get(), mode) != 0)
            error = errno;
    }
    const int closeError = fd.closeNow();
    if (!error)
        error = closeError;
    if (!error && ::rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        throwFileError(error);
    }
    syncFolder(folder);
}
