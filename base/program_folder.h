#pragma once

#include "base/platform.h"

#include <string>

// The folder that holds the program file, and the names of the files the
// program keeps beside it. Paths are UTF-8 text ending in "/" for folders;
// every data file of the program is named here and nowhere else.
class ProgramFolder
{
public:
    ProgramFolder() = default;
    // `root` is the folder's path; a missing final "/" is added.
    explicit ProgramFolder(std::string root);

    const std::string &root() const { return m_root; }

    std::string catalogue() const { return m_root + "数据库/彩票数据.mdb"; }
    std::string auxiliaryFolder() const { return m_root + "附属/"; }
    std::string aboutText() const { return auxiliaryFolder() + "about.txt"; }
    std::string flashText() const { return auxiliaryFolder() + "flash.txt"; }
    std::string splashPicture() const { return m_root + "图片/flash.jpg"; }
    std::string helpFile() const { return m_root + "帮助/Korvel自动选号器帮助.chm"; }
    std::string demoProgram() const { return m_root + "软件演示" + programFileSuffix(); }
    // The picture of page `page` (from 1) of the demonstration.
    std::string demoPicture(int page) const { return m_root + "图片/演示" + std::to_string(page) + ".png"; }
    std::string bannerFile() const { return m_root + "guanggao.gif"; }
    // The shipped 旋转矩阵 tables, the records file beside them, and the
    // wheels kept from the player's own searches (one file a wheel).
    std::string wheelFolder() const { return auxiliaryFolder() + "旋转矩阵/"; }

private:
    std::string m_root;
};
