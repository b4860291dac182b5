#pragma once

#include "chartparts/DefaultPropertySource.h"
#include "engine/CODDrawingViewport.h"

#include <cstdint>
#include <string>

class SECImage;

// The chart view's viewport: the engine's viewport with the program's zoom
// limits and its display switches kept in the user's settings from one run
// to the next. Renders the whole canvas into a picture.
class CQuorrelViewport : public CODDrawingViewport, public DefaultPropertySource {
public:
    static constexpr int kMinMagnification = 10;
    static constexpr int kMaxMagnification = 1000;
    static constexpr int kDefaultUnitsOfMeasure = 1;
    // An uncompressed picture larger than this (768 MiB, 2^28 pixels of three
    // bytes, the most the platform's bitmaps hold) is refused before any
    // memory is asked for, with the reason, instead of failing half-way.
    static constexpr std::int64_t kMaxImageBytes = std::int64_t{3} << 28;
    static constexpr COLORREF kCutMarkColor = 0x00808080;

    // Reads the switches from the settings.
    CQuorrelViewport();
    // Writes them back, so the view closed last decides the next start.
    ~CQuorrelViewport() override;

    // The whole canvas at the current zoom, without grid, pages or handles,
    // into the image. Without a context one of the screen is used. False with
    // the reason in GetRenderError() when the picture cannot be made.
    bool RenderToImage(SECImage& image, CDC* pDC = nullptr);
    // The canvas in device pixels at the current zoom.
    CSize GetImageSize() const;
    const std::string& GetRenderError() const { return m_strRenderError; }
    // The progress text for a canvas of that logical size (before any zoom).
    static std::string MemoryEstimateText(const CSize& size);

    // Printed pages carry cut marks along the edges they share with others.
    void DrawPageBoundaries(CDC* pDC, const CRect& rect) override;

    std::vector<const CODProperty*> GetDefaultProperties() const override
    {
        return CODDrawingViewport::GetDefaultProperties();
    }
    std::vector<CODProperty*> EditDefaultProperties() override
    {
        return CODDrawingViewport::EditDefaultProperties();
    }

    bool m_bCutMarksVisible = true;
    bool m_bRulersVisible = false;

private:
    std::string m_strRenderError;
};
