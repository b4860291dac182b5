#pragma once

#include "engine/CODPointComponent.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A block of text in a box of four points. Properties: alignment 210
// (0 left, 1 centre, 2 right) and 220 (0 top, 4 centre, 8 bottom; single-line
// text only), word wrap 230, multi-line 240 and automatic sizing 250 (absent
// means on). The box outline and background are drawn with the pen and brush,
// the text with the font and its colour, turned with the box.
class CODTextComponent : public CODPointComponent {
public:
    // Longer texts are refused, so that a corrupt or hostile text cannot
    // stall measuring and drawing.
    static constexpr std::size_t kMaxTextLength = 64 * 1024;
    // The bits of the flag word (the platform's DrawText values).
    static constexpr unsigned kAlignCentre = 0x01;
    static constexpr unsigned kAlignRight = 0x02;
    static constexpr unsigned kAlignVCentre = 0x04;
    static constexpr unsigned kAlignBottom = 0x08;
    static constexpr unsigned kWordBreak = 0x10;
    static constexpr unsigned kSingleLine = 0x20;
    // SizeToText modes.
    static constexpr int kSizeGrow = 0;
    static constexpr int kSizeCentre = 8;

    CODTextComponent();
    ~CODTextComponent() override;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // The box at the point, then sized to the text about it.
    bool Create(const CPoint& point, CDC* pDC);
    bool Create(const CRect& rect, CDC* pDC);

    // Stores the text only (the box changes with SizeToText); false and
    // unchanged for a text longer than kMaxTextLength.
    bool SetText(const std::string& strText);
    const std::string& GetText() const { return m_strText; }

    // 210 | 220 | 0x10 with word wrap | 0x20 unless multi-line.
    unsigned GetTextFlags() const;
    // The size of the laid-out text in the font of property 30.
    CSize MeasureText(CDC* pDC);
    // Grows the box to the text (mode 0 to the right and down, mode 8 about
    // its centre), never shrinking it; nothing when property 250 is 0. With
    // bAlways the box gets exactly the needed size, whatever 250 says. With
    // word wrap the width stays.
    void SizeToText(int nMode, CDC* pDC, bool bAlways = false);
    // Left and right twice the average character width, top and bottom the
    // halves of the external leading.
    CRect GetTextMargins(CDC* pDC);
    // The logical width of the pen, both ways (0 without a pen).
    CSize GetPenInsets() const;
    // The box turned upright about its centre: the text's own frame.
    virtual CRect GetTextRect() const;
    // Makes the upright box the rectangle, turned as the box was about the
    // centre GetTextRect turns about.
    void SetTextRect(const CRect& rect);

    // While the host's editor shows the text over the box, only the box is
    // drawn. Not stored and not copied.
    bool IsEditing() const { return m_bEditing; }
    void SetEditing(bool bEditing) { m_bEditing = bEditing; }

    void OnDraw(CDC* pDC) override;

protected:
    CODTextComponent(const CODTextComponent& other);
    const char* GetTypeText() const override;

private:
    struct Line {
        std::string_view text;
        int width = 0;
        int height = 0;
    };

    // The lines of the text in the font selected into the context, wrapped
    // to nWrapWidth (0 or less: no wrapping) when the flags ask for it.
    std::vector<Line> SplitLines(const CDC& dc, unsigned flags, int nWrapWidth) const;
    // The box turned upright about its centre.
    CRect UprightBox(int nAngle) const;
    // The upright box less the pen insets and the margins.
    CRect LayoutRect(int nAngle, const CRect& margins) const;
    int BoxAngle() const;

    std::string m_strText = "Text";
    bool m_bEditing = false;
};
