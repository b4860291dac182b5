#pragma once

#include "engine/CODProperty.h"
#include "engine/PropertyIds.h"
#include "platform/GdiHandles.h"
#include "platform/WinTypes.h"

// The outline pen (id 10). Sub-ids: 11 colour, 12 transparent, 13 width in
// points (which also sets the width in logical units), 14 style.
// Masks: 1 colour, 2 transparent, 4 both widths, 8 style.
class CODLineProperties : public CODProperty {
public:
    explicit CODLineProperties(int nId = OD_PROP_LINE);

    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF crColor);
    int GetTransparent() const { return m_bTransparent; }
    void SetTransparent(int bTransparent);
    int GetWidthInPoints() const { return m_nPointWidth; }
    void SetWidthInPoints(int nPoints);
    // -1 means "from the width in points".
    int GetWidth() const { return m_nLogWidth; }
    void SetWidth(int nLogical);
    // PS_SOLID ... PS_DASHDOTDOT; other values are ignored.
    int GetStyle() const { return m_nStyle; }
    void SetStyle(int nStyle);

    // The pen, made on first use and kept until a setter changes the property.
    HPEN GetPen() const;

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    int FieldCount() const override { return 4; }
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;
    std::uint32_t ReadUInt(int nId) const override;
    void WriteUInt(int nId, std::uint32_t value) override;

private:
    COLORREF m_crColor = 0;
    int m_bTransparent = 0;
    int m_nPointWidth = 1;
    int m_nLogWidth;
    int m_nStyle = 0;
    mutable HPEN m_pPen;
};
