#pragma once

#include <string>
#include <string_view>

// The platform's input/output message for a system error number:
// "文件存取错误", "文件没找到", "磁盘已满" or "I/O 错误 %d".
std::string fileErrorMessage(int errorNumber);

// Reads a whole file. Failures throw AppError with the mapped message.
std::string readFile(const std::string &path);

// Replaces (or creates) a file with the given bytes through a temporary file
// in the same folder and an atomic rename, so that a failure at any point
// leaves the earlier file exactly as it was. Failures throw AppError.
void writeFileAtomically(const std::string &path, std::string_view bytes);
