#include "app/ChartExport.h"
#include "app/CommandLineInfo.h"
#include "app/CQuorrelApp.h"
#include "app/CQuorrelController.h"
#include "platform/StatusBarProgress.h"
#include "platform/CommandFile.h"
#include "platform/HeadlessApplication.h"
#include "platform/MessageBox.h"
#include "platform/QuitMessage.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

namespace {

bool HasDisplay()
{
    return std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr
        || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Unattended runs keep standard error for the program's own messages.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << std::endl;
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLineInfo cmdInfo = CommandLineInfo::Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!cmdInfo.m_strError.empty()) {
        std::cerr << "quorrel: " << cmdInfo.m_strError << "\n" << CommandLineInfo::Usage();
        return 2;
    }
    if (cmdInfo.m_bShowHelp) {
        std::cout << CommandLineInfo::Usage();
        return 0;
    }
    if (cmdInfo.m_bShowVersion) {
        std::cout << CommandLineInfo::Version();
        return 0;
    }

    if (!cmdInfo.m_strExportFile.empty()) {
        // Scripts render charts on machines without a display.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        MessageBox::SetUnattended(true);
        qInstallMessageHandler(QuietQtMessages);
        HeadlessApplication application(argc, argv);
        std::string error;
        if (!ChartExport::Run(cmdInfo.m_strFileName, cmdInfo.m_strExportFile, error)) {
            std::cerr << "quorrel: " << error << "\n";
            return 1;
        }
        return 0;
    }

    // A batch run needs no display: decide before the application object picks its platform.
    // A command file that cannot be read has no HideWindows to tell: without a display it is a
    // script's run, which must hear of the missing file and fail.
    const CommandFile commandFile(cmdInfo.m_strCommandFile);
    const bool bUnattended = !cmdInfo.m_strCommandFile.empty()
        && (commandFile.CanRead() ? commandFile.GetBool("CHART", "HideWindows") : !HasDisplay());
    if (bUnattended) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        MessageBox::SetUnattended(true);
        qInstallMessageHandler(QuietQtMessages);
    } else if (!HasDisplay()) {
        std::cerr << "quorrel: no display to open a window on (DISPLAY is not set); a command file with "
                     "[CHART] HideWindows=TRUE runs without one\n";
        return 1;
    }
    StatusBarProgress::SetEcho(cmdInfo.m_bVerbose);

    QApplication application(argc, argv);
    CQuorrelApp app(cmdInfo);
    if (!app.InitInstance())
        return MessageBox::ShownCount() == 0 ? 0 : 1;
    if (bUnattended && !QuitMessage::Posted())
        QuitMessage::Post(CQuorrelController::BatchExitStatus());
    return QApplication::exec();
}
