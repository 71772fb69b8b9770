#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A temporary folder in memory where the system has one (/dev/shm): a
// target that writes a file or commits a row for every input would
// otherwise spend its time waiting for the disk. Some containers have a
// /dev/shm nobody may write to; the ordinary temporary folder serves then.
inline QTemporaryDir *newMemoryFolder()
{
    const QString pattern = QStringLiteral("/korvel-fuzz-XXXXXX");
    auto *folder = new QTemporaryDir(QStringLiteral("/dev/shm") + pattern);
    if (!folder->isValid()) {
        delete folder;
        folder = new QTemporaryDir(QDir::tempPath() + pattern);
    }
    // Without a folder every input would fail on an empty path, which is
    // not the fault being looked for.
    if (!folder->isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(folder->errorString()));
        std::abort();
    }
    return folder;
}
