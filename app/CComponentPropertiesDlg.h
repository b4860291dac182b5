#pragma once

#include "app/CPropertyValues.h"

#include <QDialog>

#include <string>

class CColorButton;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

// The property sheet of components (or of the defaults new components get):
// pages Line, Fill, Font and Text, each shown only when the values use it.
// It edits a CPropertyValues; applying them is the caller's.
class CComponentPropertiesDlg : public QDialog {
public:
    static constexpr int kMaxLinePoints = 100;
    static constexpr int kMinFontPoints = 2;
    static constexpr int kMaxFontPoints = 1000;

    CComponentPropertiesDlg(QWidget* parent, const std::string& strTitle, const CPropertyValues& values);

    // The values as read, with the fields the user changed in the widgets.
    CPropertyValues GetValues() const;

private:
    QWidget* MakeLinePage();
    QWidget* MakeFillPage();
    QWidget* MakeFontPage();
    QWidget* MakeTextPage();
    void Show(const CPropertyValues& values);
    CPropertyValues WidgetValues() const;
    void UpdateHatchEnabled();

    CPropertyValues m_before;
    // The widgets' values right after showing m_before: a widget that cannot
    // show a value exactly (a face not installed, a width beyond its range)
    // does not count as a change.
    CPropertyValues m_shown;

    QTabWidget* m_pTabs;
    QCheckBox* m_pLineTransparent = nullptr;
    CColorButton* m_pLineColor = nullptr;
    QSpinBox* m_pLineWidth = nullptr;
    QComboBox* m_pLineStyle = nullptr;
    QCheckBox* m_pFillTransparent = nullptr;
    CColorButton* m_pFillColor = nullptr;
    QComboBox* m_pFillStyle = nullptr;
    QComboBox* m_pHatch = nullptr;
    QFontComboBox* m_pFace = nullptr;
    QSpinBox* m_pFontSize = nullptr;
    QCheckBox* m_pBold = nullptr;
    QCheckBox* m_pItalic = nullptr;
    QCheckBox* m_pUnderline = nullptr;
    QCheckBox* m_pStrikeOut = nullptr;
    CColorButton* m_pFontColor = nullptr;
    QPlainTextEdit* m_pText = nullptr;
    QComboBox* m_pHorizontal = nullptr;
    QComboBox* m_pVertical = nullptr;
    QCheckBox* m_pWordWrap = nullptr;
    QCheckBox* m_pMultiLine = nullptr;
};
