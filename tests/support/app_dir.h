#pragma once

#include "base/program_folder.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A temporary copy of the laid-out program folder (the shipped data without
// the program files), so a test may change or break it freely.
class TestAppDir
{
public:
    TestAppDir();

    // The folder, ending in "/".
    QString path() const;
    QString file(const QString &relative) const { return path() + relative; }
    QString cataloguePath() const;
    ProgramFolder folder() const;

    // Replaces the catalogue with one holding exactly these rows
    // (name, kind, total, count as text, stored as given).
    void writeCatalogue(const std::vector<std::array<QString, 4>> &rows) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
