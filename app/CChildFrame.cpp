#include "app/CChildFrame.h"

#include "app/CQuorrelView.h"
#include "platform/QtText.h"

CChildFrame::CChildFrame(const std::string& strTitle, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_pView(new CQuorrelView(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_pView);
    setWindowTitle(QtText::Decode(strTitle));
}

CQuorrelView* CChildFrame::GetActiveView() const
{
    return m_pView;
}
