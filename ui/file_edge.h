#pragma once

// Where the windows' texts (QString) meet the byte strings of the engine,
// the files and the program folder (UTF-8, or the file system's own names).

#include "base/program_folder.h"

#include <QFile>
#include <QString>

#include <string>

// A file name as the file functions of base/ take it: UTF-8, which is what
// Qt gives the file system on Linux and what base/ turns into the wide
// names of Windows (the local code page there cannot hold every name).
inline std::string nativePath(const QString &path)
{
    return path.toStdString();
}

// A path of the program folder as the windows and Qt take it.
inline QString qPath(const std::string &path)
{
    return QString::fromStdString(path);
}

inline ProgramFolder programFolder(const QString &path)
{
    return ProgramFolder(nativePath(path));
}
