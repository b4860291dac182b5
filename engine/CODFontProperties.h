#pragma once

#include "engine/CODProperty.h"
#include "engine/PropertyIds.h"
#include "platform/GdiHandles.h"
#include "platform/WinTypes.h"

#include <string>

// The text font (id 30). Sub-ids: 31 face, 32 size in points (which also sets
// the height in logical units), 33 height in logical units, 34 colour,
// 35 weight, 36 italic, 37 underline, 38 strike-out; masks 0x01 ... 0x80 in
// the same order.
class CODFontProperties : public CODProperty {
public:
    explicit CODFontProperties(int nId = OD_PROP_FONT);

    const std::string& GetFaceName() const { return m_strFaceName; }
    void SetFaceName(const std::string& strFace);
    int GetPointSize() const { return m_nPointSize; }
    void SetPointSize(int nPoints);  // 1 or less is ignored
    // 0 or less means "from the size in points".
    int GetHeight() const { return m_nHeight; }
    void SetHeight(int nLogical);
    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF crColor);
    int GetWeight() const { return m_nWeight; }
    void SetWeight(int nWeight);  // 0-1000, others ignored
    int GetItalic() const { return m_bItalic; }
    void SetItalic(int bItalic);
    int GetUnderline() const { return m_bUnderline; }
    void SetUnderline(int bUnderline);
    int GetStrikeOut() const { return m_bStrikeOut; }
    void SetStrikeOut(int bStrikeOut);

    // The font, made on first use and kept until a setter changes the property.
    HFONT GetFont() const;

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    int FieldCount() const override { return 8; }
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;
    std::uint32_t ReadUInt(int nId) const override;
    void WriteUInt(int nId, std::uint32_t value) override;
    std::string ReadString(int nId) const override;
    void WriteString(int nId, const std::string& value) override;

private:
    std::string m_strFaceName = "Times New Roman";
    int m_nPointSize = 10;
    int m_nHeight;
    COLORREF m_crColor = 0;
    int m_nWeight = 400;
    int m_bItalic = 0;
    int m_bUnderline = 0;
    int m_bStrikeOut = 0;
    mutable HFONT m_pFont;
};
