#include "app/CChildFrame.h"

#include "app/CQuorrelView.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(const std::string& strTitle, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_pView(new CQuorrelView(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_pView);
    m_pView->SetUntitledName(strTitle);
    // The view's title follows its document.
    setWindowTitle(m_pView->windowTitle());
    connect(m_pView, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
}

CQuorrelView* CChildFrame::GetActiveView() const
{
    return m_pView;
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_pView->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
