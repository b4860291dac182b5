#include "app/CRulerBar.h"

#include "app/CQuorrelView.h"

#include <QPainter>

CRulerBar::CRulerBar(CQuorrelView* pView, bool bHorizontal)
    : QWidget(pView)
    , m_pView(pView)
    , m_bHorizontal(bHorizontal)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRulerBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_pView->DrawRuler(painter, m_bHorizontal, size());
}
