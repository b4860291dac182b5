#include "app/CQuorrelApp.h"

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "platform/MessageBox.h"

#include <QApplication>

#include <cassert>

namespace {

CQuorrelApp* g_app = nullptr;

}  // namespace

CQuorrelApp::CQuorrelApp(CommandLineInfo cmdInfo)
    : m_cmdInfo(std::move(cmdInfo))
{
    assert(g_app == nullptr);
    g_app = this;
}

CQuorrelApp::~CQuorrelApp()
{
    g_app = nullptr;
}

CQuorrelApp& CQuorrelApp::Instance()
{
    assert(g_app != nullptr);
    return *g_app;
}

CQuorrelApp* CQuorrelApp::Running()
{
    return g_app;
}

bool CQuorrelApp::InitInstance()
{
    // Settings live under "Quorrel"; there is no OLE, no server registration and no
    // shell registration on this platform.
    QApplication::setOrganizationName(QStringLiteral("Quorrel"));
    QApplication::setApplicationName(QStringLiteral("Quorrel"));

    m_pMainFrame = std::make_unique<CMainFrame>();
    m_strCommandFile = m_cmdInfo.m_strCommandFile;

    if (m_cmdInfo.m_nShellCommand == CommandLineInfo::ShellCommand::FileOpen) {
        // A chart named on the command line that cannot be read ends the program, as the
        // framework's start-up does; the message has been shown.
        if (m_pMainFrame->OpenDocumentFile(m_cmdInfo.m_strFileName)->GetActiveView()->GetPathName().empty())
            return false;
    } else {
        m_pMainFrame->OnFileNew();
    }

    m_pMainFrame->ShowAsPlaced();
    if (!m_strCommandFile.empty())
        RunInActiveView();
    return true;
}

void CQuorrelApp::RunCommandFileInNewChart()
{
    m_pMainFrame->OnFileNew();
    RunInActiveView();
}

CMainFrame* CQuorrelApp::GetMainFrame() const
{
    return m_pMainFrame.get();
}

void CQuorrelApp::RunInActiveView()
{
    if (CQuorrelView* view = m_pMainFrame->GetActiveView())
        view->GetController().RunCommandFile(m_strCommandFile);
}
