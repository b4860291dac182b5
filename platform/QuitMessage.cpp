#include "platform/QuitMessage.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {

std::optional<int> g_posted;

}  // namespace

void QuitMessage::Post(int exitCode)
{
    g_posted = exitCode;
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

std::optional<int> QuitMessage::Posted()
{
    return g_posted;
}

void QuitMessage::Clear()
{
    g_posted.reset();
}
