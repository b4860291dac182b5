#pragma once

#include "engine/CODProperty.h"
#include "engine/PropertyIds.h"

// Where a label or port sits relative to its owner (id 60): an anchor code
// (0-8, 8 centred) and an x and y offset; sub-ids 61-63, masks 1, 2, 4.
class CODOrientationProperties : public CODProperty {
public:
    explicit CODOrientationProperties(int nId = OD_PROP_ORIENTATION, int nOrientation = 8, int nOffsetX = 0, int nOffsetY = 0)
        : CODProperty(nId), m_nOrientation(nOrientation), m_nOffsetX(nOffsetX), m_nOffsetY(nOffsetY)
    {
    }

    int GetOrientation() const { return m_nOrientation; }
    void SetOrientation(int nOrientation) { m_nOrientation = nOrientation; }
    int GetOffsetX() const { return m_nOffsetX; }
    void SetOffsetX(int nOffset) { m_nOffsetX = nOffset; }
    int GetOffsetY() const { return m_nOffsetY; }
    void SetOffsetY(int nOffset) { m_nOffsetY = nOffset; }

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    int FieldCount() const override { return 3; }
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;

private:
    int m_nOrientation;
    int m_nOffsetX;
    int m_nOffsetY;
};
