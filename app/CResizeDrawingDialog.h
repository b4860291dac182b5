#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QRadioButton;

// "Resize Drawing": the new width or height of the drawing, in the unit of
// measure, and the factor the drawing is scaled by to get it.
class CResizeDrawingDialog : public QDialog {
public:
    static constexpr int IDD = 156;
    static constexpr double kMaxSize = 1000000.0;

    CResizeDrawingDialog(QWidget* parent, double fWidth, double fHeight, const std::string& strUnitName);

    // New size over the width (horizontal) or the height (vertical); 0 when that is not positive.
    double GetFactor() const;
    // The factor cut to two decimals, as the drawing is scaled by it.
    float GetScaleFactor() const;

private:
    double m_fWidth;
    double m_fHeight;
    QRadioButton* m_pHorizontal;
    QRadioButton* m_pVertical;
    QLineEdit* m_pNewSize;
};
