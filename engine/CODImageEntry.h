#pragma once

#include "images/CODDib.h"

#include <cstdint>
#include <memory>
#include <string>

// One picture shared by every image component that shows it, with where it
// came from: a resource id (0 when not from a resource) and a file path
// (empty when not from a file). Shared through CODImageCache.
class CODImageEntry {
public:
    CODImageEntry(std::unique_ptr<CODDib> pImage, std::uint32_t nResourceId, std::string strPath);

    const CODDib& GetImage() const { return *m_pImage; }
    std::uint32_t GetResourceId() const { return m_nResourceId; }
    const std::string& GetPath() const { return m_strPath; }
    // Same source and the same picture, pixel for pixel.
    bool Equals(const CODImageEntry& other) const;

private:
    std::unique_ptr<CODDib> m_pImage;
    std::uint32_t m_nResourceId;
    std::string m_strPath;
};
