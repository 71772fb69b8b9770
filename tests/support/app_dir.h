#pragma once

#include "base/program_folder.h"

#include <QString>
#include <QTemporaryDir>

#include <array>

#include <memory>
#include <vector>

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
    // (name, kind, total, count as text, stored as given), laid out as a
    // catalogue made before back zones: without their columns.
    void writeCatalogue(const std::vector<std::array<QString, 4>> &rows) const;

    // The same with the back zone's columns (name, total, count after the
    // four), as the program makes catalogues now.
    void writeTwoZoneCatalogue(const std::vector<std::array<QString, 7>> &rows) const;

    // The lotteries the program shipped before back zones, all single pools:
    // 双色球 33/6, 大乐透 35/5, … 七星彩 10/7.
    void writeSinglePoolCatalogue() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
