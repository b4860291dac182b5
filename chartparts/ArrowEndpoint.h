#pragma once

#include "engine/CODEndpoint.h"
#include "platform/WinTypes.h"

#include <array>
#include <cstdint>

// A filled arrowhead at the end of a link, pointing from the segment's
// "from" point to its "to" point, drawn in the link's line colour.
class ArrowEndpoint : public CODEndpoint {
public:
    static constexpr std::int32_t kDefaultLength = 20;
    static constexpr std::int32_t kDefaultWidth = 10;
    static constexpr int kPointCount = 4;

    ArrowEndpoint() = default;
    ArrowEndpoint(std::int32_t nLength, std::int32_t nWidth) : m_nLength(nLength), m_nWidth(nWidth) {}

    std::unique_ptr<CODEndpoint> Clone() const override;
    // The base's segment, then length and width.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    void AddToRegion(BoundsRegion& region) const override;

    // The tip, the rear corner on the left, the notch, the rear corner on the right.
    virtual void GetArrowPoints(std::array<POINT, kPointCount>& points) const;

    std::int32_t GetLength() const { return m_nLength; }
    std::int32_t GetWidth() const { return m_nWidth; }

protected:
    ArrowEndpoint(const ArrowEndpoint& other) = default;

private:
    std::int32_t m_nLength = kDefaultLength;
    std::int32_t m_nWidth = kDefaultWidth;
};
