#pragma once

#include "chartparts/DefaultPropertySource.h"
#include "engine/CODDrawingViewport.h"
#include "platform/GdiHandles.h"

#include <cstdint>
#include <functional>
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
    // Logical units are screen pixels at 100 %.
    static constexpr int kLogicalUnitsPerInch = 96;
    // A rendered band's bitmap holds about this much, whatever the canvas size.
    static constexpr std::int64_t kBandBytes = std::int64_t{16} << 20;
    // Rows drawn above and below each band and thrown away: a line cut at the
    // bitmap's edge may lose its end pixel, so no kept row lies near an edge.
    static constexpr int kBandMargin = 64;
    static constexpr int kBandPerMargin = 4;

    // Reads the switches from the settings.
    CQuorrelViewport();
    // Writes them back, so the view closed last decides the next start.
    ~CQuorrelViewport() override;

    // The whole canvas at the current zoom, without grid, pages or handles,
    // into the image. Without a context one of the screen is used. False with
    // the reason in GetRenderError() when the picture cannot be made.
    bool RenderToImage(SECImage& image, CDC* pDC = nullptr);
    // Takes a band of the rendered canvas: nRows rows of the band bitmap from
    // its row nFirstRow are the picture's rows from nTop down. False stops the render.
    using BandSink = std::function<bool(const CDC& dc, const HBITMAP& band, int nFirstRow, int nTop, int nRows)>;
    // Renders the canvas as RenderToImage does, nBandRows rows at a time from
    // the top, so no more than one band is held in memory.
    bool RenderBands(int nBandRows, const BandSink& takeBand, CDC* pDC = nullptr);
    // The rows of a band that, with its margins, holds about kBandBytes at
    // that picture width; and the margin rows at that width.
    static int BandRowsFor(int nWidth);
    static int BandMarginFor(int nWidth);
    // The whole canvas as RenderToImage draws it, onto a context of the
    // picture's size (a PDF or SVG page); false without a model.
    bool DrawCanvas(CDC& dc);
    // Printed page n (from 1) at 100 %, with its cut marks when the context
    // prints, onto a sheet of paper of nDeviceUnitsPerInch, inside its margins.
    void DrawPrintedPage(CDC& dc, int nPage, int nDeviceUnitsPerInch);
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
    // The canvas's rows from nTop down, drawn from the context's top.
    void DrawCanvasRows(CDC& dc, int nTop, int nRows, const CSize& size) const;

    std::string m_strRenderError;
};
