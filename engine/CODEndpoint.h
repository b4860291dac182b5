#pragma once

#include "platform/CObject.h"
#include "platform/CPoint.h"

#include <cstdint>
#include <memory>

class BoundsRegion;
class CDC;

// A decoration at one end of a line (an arrow head, say). It knows the
// segment that ends there: from the neighbouring point to the end point, in
// model coordinates. The base draws nothing and adds nothing to the outline.
class CODEndpoint : public CObject {
public:
    CODEndpoint() = default;
    virtual ~CODEndpoint() = default;

    virtual std::unique_ptr<CODEndpoint> Clone() const;
    void Serialize(CArchive& ar) override;
    virtual void Draw(CDC* pDC);
    virtual void AddToRegion(BoundsRegion& region) const;

    void SetSegment(const CPoint& from, const CPoint& to);
    CPoint GetFrom() const { return CPoint(m_nFromX, m_nFromY); }
    CPoint GetTo() const { return CPoint(m_nToX, m_nToY); }

protected:
    CODEndpoint(const CODEndpoint& other) = default;
    CODEndpoint& operator=(const CODEndpoint& other) = default;

    std::int32_t m_nFromX = 0;
    std::int32_t m_nFromY = 0;
    std::int32_t m_nToX = 0;
    std::int32_t m_nToY = 0;
};
