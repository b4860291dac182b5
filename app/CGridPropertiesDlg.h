#pragma once

#include "platform/WinTypes.h"

#include <QDialog>

#include <string>

class CColorButton;
class CODDrawingViewport;
class QCheckBox;
class QDoubleSpinBox;

// "Grid Properties": the viewport's grid spacing in its unit of measure, the
// grid colour, and whether the grid shows and points snap to it.
class CGridPropertiesDlg : public QDialog {
public:
    static constexpr double kMinSpacing = 0.001;
    static constexpr double kMaxSpacing = 1000.0;
    static constexpr int kSpacingDecimals = 3;

    struct Values {
        double spacingX = 0;
        double spacingY = 0;
        COLORREF color = 0;
        bool visible = false;
        bool snap = false;

        static Values Read(const CODDrawingViewport& viewport);
        void ApplyTo(CODDrawingViewport& viewport) const;
    };

    CGridPropertiesDlg(QWidget* parent, const Values& values, const std::string& strUnitName);

    // A spacing the user did not touch stays exactly as it was.
    Values GetValues() const;

private:
    QDoubleSpinBox* MakeSpacing(double& fSpacing, const char* name);

    Values m_values;
    CColorButton* m_pColor;
    QCheckBox* m_pVisible;
    QCheckBox* m_pSnap;
};
