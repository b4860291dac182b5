#pragma once

#include "engine/CODPatternImage.h"
#include "engine/CODProperty.h"
#include "engine/PropertyIds.h"
#include "platform/GdiHandles.h"
#include "platform/WinTypes.h"

#include <memory>

class CDC;

// The interior brush (id 20). Styles: 0 solid, 1 hollow, 2 hatched (hatch
// 0-5 in the fill colour), 3 pattern from the pattern image. Background mode
// 1 transparent, 2 opaque, with the background colour for hatch gaps.
// Sub-ids 21 colour, 22 transparent, 23 style, 24 hatch, 25 background mode,
// 26 background colour. Masks: 1 colour, 2 transparent, 4 style, 8 hatch,
// 0x10 background mode, 0x20 background colour, 0x40 pattern image.
class CODFillProperties : public CODProperty {
public:
    static constexpr int kSolid = 0;
    static constexpr int kHollow = 1;
    static constexpr int kHatched = 2;
    static constexpr int kPattern = 3;

    static constexpr unsigned kMaskColor = 0x01;
    static constexpr unsigned kMaskTransparent = 0x02;
    static constexpr unsigned kMaskStyle = 0x04;
    static constexpr unsigned kMaskHatch = 0x08;
    static constexpr unsigned kMaskBkMode = 0x10;
    static constexpr unsigned kMaskBkColor = 0x20;
    static constexpr unsigned kMaskPattern = 0x40;

    explicit CODFillProperties(int nId = OD_PROP_FILL) : CODProperty(nId) {}

    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF crColor);
    int GetTransparent() const { return m_bTransparent; }
    void SetTransparent(int bTransparent);
    int GetFillStyle() const { return m_nFillStyle; }
    void SetFillStyle(int nStyle);  // 0-3, others ignored
    int GetHatchStyle() const { return m_nHatchStyle; }
    void SetHatchStyle(int nHatch);  // 0-5, others ignored
    int GetBkMode() const { return m_nBkMode; }
    void SetBkMode(int nMode);  // 1 or 2, others ignored
    COLORREF GetBkColor() const { return m_crBkColor; }
    void SetBkColor(COLORREF crColor);
    const std::shared_ptr<const CODPatternImage>& GetPatternImage() const { return m_pPattern; }
    void SetPatternImage(std::shared_ptr<const CODPatternImage> pImage);  // none ignored

    // The brush for the context, made on first use and kept until a setter
    // changes the property. A pattern without a usable picture paints solid.
    HBRUSH GetBrush(CDC* pDC) const;

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    int FieldCount() const override { return 6; }
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;
    std::uint32_t ReadUInt(int nId) const override;
    void WriteUInt(int nId, std::uint32_t value) override;

private:
    void ReleaseBrush();

    COLORREF m_crColor = 0x00FFFFFF;
    int m_bTransparent = 0;
    int m_nFillStyle = 0;
    int m_nHatchStyle = 3;
    int m_nBkMode = 1;
    COLORREF m_crBkColor = 0x00FFFFFF;
    std::shared_ptr<const CODPatternImage> m_pPattern;
    mutable HBITMAP m_pBitmap;
    mutable HBRUSH m_pBrush;
};
