#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// The platform's input/output message for a system error number:
// "文件存取错误", "文件没找到", "磁盘已满" or "I/O 错误 %d".
std::string fileErrorMessage(int errorNumber);

// Reads a file, or at most its first `maxBytes` bytes. Failures throw
// AppError with the mapped message.
std::string readFile(const std::string &path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Replaces (or creates) a file with the given bytes through a temporary file
// in the same folder and an atomic rename, so that a failure at any point
// leaves the earlier file exactly as it was. A symbolic link is followed and
// the file it points to is written; a file without any write bit, or one
// this user may not write, is refused with "文件存取错误" before anything is
// written; a folder that takes no new file (read-only) is named in the
// message, which says the file was left as it was. The new file takes the place of the old name only: other
// hard links to the old file keep the old contents. Temporaries left by a save that was killed are removed at
// the next save into that folder. Failures throw AppError.
void writeFileAtomically(const std::string &path, std::string_view bytes);
