#pragma once

#include <QWidget>

class CQuorrelView;

// One ruler beside the chart view's client area; the view draws it, with the
// tracking line of the mouse.
class CRulerBar : public QWidget {
public:
    CRulerBar(CQuorrelView* pView, bool bHorizontal);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CQuorrelView* m_pView;
    bool m_bHorizontal;
};
