#include "base/program_folder.h"

ProgramFolder::ProgramFolder(std::string root)
    : m_root(std::move(root))
{
    if (m_root.empty() || m_root.back() != '/')
        m_root += '/';
}
