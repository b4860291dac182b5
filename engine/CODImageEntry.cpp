#include "engine/CODImageEntry.h"

CODImageEntry::CODImageEntry(std::unique_ptr<CODDib> pImage, std::uint32_t nResourceId, std::string strPath)
    : m_pImage(std::move(pImage)), m_nResourceId(nResourceId), m_strPath(std::move(strPath))
{
}

bool CODImageEntry::Equals(const CODImageEntry& other) const
{
    return m_nResourceId == other.m_nResourceId && m_strPath == other.m_strPath
        && m_pImage->GetHeaderBlock() == other.m_pImage->GetHeaderBlock()
        && m_pImage->GetPixels() == other.m_pImage->GetPixels();
}
