#pragma once

#include "engine/CODProperty.h"
#include "engine/PropertyIds.h"

// Where a label sits along a link (id 260): the percentage of the line's
// length, the label's anchor code and its distance from the line; sub-ids
// 261 (unsigned), 262 (integer), 263 (unsigned), masks 1, 2, 4.
class CODLineOrientation : public CODProperty {
public:
    explicit CODLineOrientation(int nId = OD_PROP_LINE_ORIENTATION, std::uint32_t nPercent = 50, int nAnchor = 8, std::uint32_t nDistance = 0)
        : CODProperty(nId), m_nPercent(nPercent), m_nAnchor(nAnchor), m_nDistance(nDistance)
    {
    }

    std::uint32_t GetPercent() const { return m_nPercent; }
    void SetPercent(std::uint32_t nPercent) { m_nPercent = nPercent; }
    int GetAnchor() const { return m_nAnchor; }
    void SetAnchor(int nAnchor) { m_nAnchor = nAnchor; }
    std::uint32_t GetDistance() const { return m_nDistance; }
    void SetDistance(std::uint32_t nDistance) { m_nDistance = nDistance; }

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    int FieldCount() const override { return 3; }
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;
    std::uint32_t ReadUInt(int nId) const override;
    void WriteUInt(int nId, std::uint32_t value) override;

private:
    std::uint32_t m_nPercent;
    int m_nAnchor;
    std::uint32_t m_nDistance;
};
