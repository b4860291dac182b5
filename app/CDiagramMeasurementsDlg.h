#pragma once

#include <QDialog>

#include <string>

class CODDrawingViewport;
class CODModel;
class QComboBox;
class QDoubleSpinBox;

// "Diagram Measurements": the canvas width and height shown in a unit of
// measure, and the unit the viewport measures in.
class CDiagramMeasurementsDlg : public QDialog {
public:
    static constexpr int kUnitCount = 9;
    // The largest canvas side, logical units.
    static constexpr int kMaxCanvas = 1000000;
    static constexpr int kSizeDecimals = 4;

    struct Values {
        int cx = 0;  // logical units
        int cy = 0;
        int unit = 0;

        static Values Read(const CODModel& model, const CODDrawingViewport& viewport);
        // A new unit keeps the grid where it was: its spacing is converted.
        void ApplyTo(CODModel& model, CODDrawingViewport& viewport) const;
    };

    // The name of a unit of measure; an unknown code is inches, as the conversions take it.
    static std::string UnitName(int nUnit);

    CDiagramMeasurementsDlg(QWidget* parent, const Values& values);

    // A side the user did not touch keeps its exact size.
    Values GetValues() const { return m_values; }

private:
    QDoubleSpinBox* MakeSide(int& nSide, const char* name);
    // Both sides shown again in the chosen unit.
    void ShowSides();

    Values m_values;
    QComboBox* m_pUnit;
    QDoubleSpinBox* m_pWidth = nullptr;
    QDoubleSpinBox* m_pHeight = nullptr;
    bool m_bShowing = false;
};
