#include "base/file_io.h"

#include "base/app_error.h"

#include <cerrno>
#include <cstdio>
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
    explicit Descriptor(int fd) : m_fd(fd) {}
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

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
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

std::string readFile(const std::string &path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throwFileError(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        throwFileError(errno);
    if (S_ISDIR(info.st_mode))
        throwFileError(EACCES);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
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
    // A special file such as /dev/full cannot be replaced by a rename; it is
    // written in place, which is also what the player asked for.
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
        if (S_ISDIR(target.st_mode))
            throwFileError(EACCES);
        Descriptor fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
        if (fd.get() < 0)
            throwFileError(errno);
        if (const int error = writeAll(fd.get(), bytes))
            throwFileError(error);
        if (const int error = fd.closeNow())
            throwFileError(error);
        return;
    }

    std::string temporary = folderOf(path) + ".korvel-XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        throwFileError(errno);
    int error = writeAll(fd.get(), bytes);
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (!error) {
        // Keep the permissions an existing file had; a new file gets the
        // usual ones for the user's mask.
        mode_t mode = 0666;
        if (::stat(path.c_str(), &target) == 0) {
            mode = target.st_mode & 07777;
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
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        throwFileError(error);
    }
}
