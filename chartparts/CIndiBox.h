#pragma once

#include "engine/CODFontProperties.h"
#include "engine/CODSymbolComponent.h"
#include "platform/WinTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

struct BoxSettings;
class CODImageComponent;
class CODTextComponent;
class CommandFile;
class DefaultPropertySource;
class ProjectDatabase;

// The box of one person (or of a few free lines): a main rectangle, an
// optional drop shadow of two strips, up to ten wrapped text lines, an
// optional picture and twelve ports on its edges. Its look comes from the
// [Box] settings; once built it keeps itself consistent from its children
// alone, so a loaded box works without any of the settings.
class CIndiBox : public CODSymbolComponent {
public:
    static constexpr int kMaxLines = 10;
    static constexpr int kPortCount = 12;
    static constexpr const char* kMainBoxName = "MainBox";
    static constexpr const char* kVShadowName = "VShadow";
    static constexpr const char* kHShadowName = "HShadow";
    static constexpr const char* kBoxName = "Individual Box";

    CIndiBox();
    // The defaults, then the [Box] settings; does not build.
    explicit CIndiBox(const CommandFile& file);
    // The same from settings read once for a whole chart.
    explicit CIndiBox(const BoxSettings& settings);
    ~CIndiBox() override;

    std::unique_ptr<CODComponent> Clone() const override;
    // Uneven factors stretch the box horizontally only; the text is re-wrapped.
    void Scale(float sx, float sy, float cx, float cy) override;

    // Fits text, height, shadow and ports to the current main rectangle.
    virtual void Relayout();
    // Creates the children and ports from the members; on a box without children.
    virtual bool Build();
    // The first min(count, 10) lines, then Build.
    virtual bool SetLines(int nCount, const std::string* lines);
    virtual bool SetPerson(std::int32_t nId, ProjectDatabase& database, const std::string& strKind,
                           std::int32_t nExtra);
    virtual bool Configure(const DefaultPropertySource* pSource, int nWidth, int nHeight, int nLineCount,
                           COLORREF crLine, int nLineWidth, bool bOpaque, COLORREF crFill, bool bShadow,
                           COLORREF crShadow);

    // The first text line whose bounds hold the point, or none.
    CODTextComponent* TextLineAt(int x, int y) const;

    // The box's settings: read from the command file, set by the callers
    // before a build, and taken back from the children by Relayout.
    int m_nWidth = 175;
    int m_nHeight = 0;
    bool m_bShadow = true;
    bool m_bShowPorts = false;
    COLORREF m_crLine = 0;
    COLORREF m_crShadow = 0x808080;
    COLORREF m_crFill = 0xFFFFFF;
    COLORREF m_crAccentText = 0;
    int m_nLineWidth = 0;
    bool m_bOpaque = true;
    std::string m_strPictureLocation = "NONE";
    int m_nPictureHeight = 0;
    int m_nPictureWidth = 0;
    std::unique_ptr<CODImageComponent> m_pPicture;
    int m_nLineCount = 5;
    std::array<std::string, kMaxLines> m_strLines;
    std::array<CODFontProperties, kMaxLines> m_fonts;
    bool m_bAccent = false;
    const DefaultPropertySource* m_pDefaultsSource = nullptr;

protected:
    CIndiBox(const CIndiBox& other);

private:
    void ApplySettings(const BoxSettings& settings);
    void ApplyDefaults(CODComponent& component) const;
    // A shadow strip or the main rectangle, moved to its place.
    CODComponent* MakeRect(const char* name, const CRect& rect, const CPoint& at, COLORREF crLine,
                           COLORREF crFill) const;
};
