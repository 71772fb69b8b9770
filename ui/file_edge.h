#pragma once

// Where the windows' texts (QString) meet the byte strings of the engine,
// the files and the program folder (UTF-8, or the file system's own names).

#include "base/program_folder.h"

#include <QFile>
#include <QString>

#include <string>

// A file name as the file functions of base/ take it.
inline std::string nativePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

// A path of the program folder as the windows and Qt take it.
inline QString qPath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

inline ProgramFolder programFolder(const QString &path)
{
    return ProgramFolder(nativePath(path));
}
