#pragma once

#include "engine/CODTextComponent.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"

#include <array>

// Text set character by character along a circle about the centre of an
// ellipse, each character turned to follow the curve. The ellipse is kept as
// the 13 control points of four Bézier arcs and can be drawn as an outline
// and fill; the text starts at the circle's left end and runs over the top.
class CCurveText : public CODTextComponent {
public:
    static constexpr int kCurvePoints = 13;
    static constexpr int kHandleCount = 4;

    CCurveText();
    ~CCurveText() override;

    std::unique_ptr<CODComponent> Clone() const override;
    // The curve for the rectangle, then the text component's creation step.
    bool Create(const CRect& rect, CDC* pDC);
    void CreateCurve(int left, int top, int right, int bottom);
    // The direction from point 9 to point 0, 0 to 3599 tenths of a degree.
    int ChordAngle() const;
    // Places the characters as OnDraw does without drawing, in the font the
    // context has selected; the angle (in tenths of a degree) at which the text ends.
    int MeasureSweep(CDC* pDC);

    // The radius the characters are set at: half the width of the turned
    // points' rectangle, so between 1 and 1.14 times the curve's own radius.
    int CharacterRadius() const;

    void OnDraw(CDC* pDC) override;
    // A curve text never takes a box from outside: its shape is its curve.
    void SetBounds(const CRect& rect) override;
    // The bounds of the points turned back by the chord angle about the centre.
    CRect GetTextRect() const override;

    // The middles of the sides of the points' rectangle (0 top, 1 right,
    // 2 bottom, 3 left), in model coordinates.
    std::array<CPoint, kHandleCount> GetHandles() const;
    // Drags a handle by a model offset; the curve grows or shrinks as a
    // square step. False (unchanged) when the moved edge would meet the
    // opposite one or the handle does not exist.
    bool MoveHandle(int nHandle, int dx, int dy);

protected:
    CCurveText(const CCurveText& other);

private:
    struct Placement {
        POINT end{};  // where the character after the last one would go
        POINT centre{};
    };
    // The character pass of OnDraw; draws only when asked.
    Placement PlaceCharacters(CDC* pDC, bool bDraw);
    // The ellipse's rectangle recovered from the model points.
    CRect CurveRect() const;
};
