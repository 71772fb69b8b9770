#include "base/file_io.h"

#include "base/app_error.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

// The Windows side of the file functions: paths arrive as UTF-8 and go to
// the system's wide-character calls, so that Chinese folder and file names
// work whatever the system's code page; errors are the system's own codes.

namespace {

[[noreturn]] void throwFileError(DWORD errorNumber)
{
    throw AppError(fileErrorMessage(static_cast<int>(errorNumber)));
}

[[noreturn]] void throwLastError()
{
    throwFileError(GetLastError());
}

std::wstring wide(const std::string &utf8)
{
    if (utf8.empty())
        return {};
    const int length
        = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

class Handle
{
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle)
    {}
    ~Handle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    // Closes now and reports the error, since a failed close can mean lost data.
    DWORD closeNow()
    {
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed ? 0 : GetLastError();
    }

private:
    HANDLE m_handle;
};

DWORD writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return GetLastError();
        bytes.remove_prefix(written);
    }
    return 0;
}

// The folder of a path, ending in its separator.
std::wstring folderOf(const std::wstring &path)
{
    const auto separator = path.find_last_of(L"/\\");
    return separator == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, separator + 1);
}

// Temporaries are named ".korvel-save-PID-N" after the process that writes
// them, so that one left by a save that was killed can be told from one
// another running program is still writing.
const std::wstring kTemporaryPrefix = L".korvel-save-";

bool processRuns(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

// Removes the temporaries of saves that died in this folder.
void removeStaleTemporaries(const std::wstring &folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + kTemporaryPrefix + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const DWORD self = GetCurrentProcessId();
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        wchar_t *end = nullptr;
        const unsigned long pid = std::wcstoul(entry.cFileName + kTemporaryPrefix.size(), &end, 10);
        if (pid > 0 && *end == L'-' && pid != self && !processRuns(pid))
            DeleteFileW((folder + entry.cFileName).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

} // namespace

std::string fileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "文件存取错误";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return "文件没找到";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "磁盘已满";
    default:
        return "I/O 错误 " + std::to_string(errorNumber);
    }
}

std::string readFile(const std::string &path, std::size_t maxBytes)
{
    // A folder cannot be opened this way; the system answers "access denied".
    Handle file(CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        throwLastError();
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
        if (!ReadFile(file.get(), buffer, wanted, &got, nullptr))
            throwLastError();
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

void writeFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::wstring file = wide(path);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists) {
        // A file the player marked read-only is refused, as is one this
        // user may not write: found out before anything is written.
        if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
            throwFileError(ERROR_ACCESS_DENIED);
        Handle probe(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe.valid())
            throwLastError();
    }

    const std::wstring folder = folderOf(file);
    removeStaleTemporaries(folder);
    const std::wstring stem = folder + kTemporaryPrefix + std::to_wstring(GetCurrentProcessId()) + L"-";
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (unsigned attempt = GetTickCount();; ++attempt) {
        temporary = stem + std::to_wstring(attempt);
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
        if (created != INVALID_HANDLE_VALUE)
            break;
        if (GetLastError() != ERROR_FILE_EXISTS)
            throwLastError();
    }
    Handle output(created);
    DWORD error = writeAll(output.get(), bytes);
    if (!error && !FlushFileBuffers(output.get()))
        error = GetLastError();
    const DWORD closeError = output.closeNow();
    if (!error)
        error = closeError;
    if (!error
        && !MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error) {
        DeleteFileW(temporary.c_str());
        throwFileError(error);
    }
}
