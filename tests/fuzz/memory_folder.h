#pragma once

#include <QDir>
#include <QTemporaryDir>

// A temporary folder in memory where the system has one (/dev/shm): a
// target that writes a file or commits a row for every input would
// otherwise spend its time waiting for the disk.
inline QTemporaryDir *newMemoryFolder()
{
    const QString base
        = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return new QTemporaryDir(base + QStringLiteral("/korvel-fuzz-XXXXXX"));
}
