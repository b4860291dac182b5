#include "app/CQuorrelView.h"

#include "app/CQuorrelController.h"

#include <QPalette>

CQuorrelView::CQuorrelView(QWidget* parent)
    : QWidget(parent)
    , m_pController(std::make_unique<CQuorrelController>(this))
{
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    setPalette(page);
    setAutoFillBackground(true);
    m_viewport.SetModel(&m_document.GetModel());
}

CQuorrelView::~CQuorrelView() = default;

CQuorrelController& CQuorrelView::GetController()
{
    return *m_pController;
}
