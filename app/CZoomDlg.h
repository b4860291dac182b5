#pragma once

#include <QDialog>

class QSpinBox;

// "Zoom": a magnification in percent within the viewport's limits.
class CZoomDlg : public QDialog {
public:
    CZoomDlg(QWidget* parent, int nPercent, int nMinPercent, int nMaxPercent);

    int GetPercent() const;

private:
    QSpinBox* m_pPercent;
};
