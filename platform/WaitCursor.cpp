#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

int g_depth = 0;
// Override cursors actually set; fewer than g_depth when Begin ran before the application existed.
int g_applied = 0;

}  // namespace

void WaitCursor::Begin()
{
    ++g_depth;
    if (qGuiApp != nullptr) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++g_applied;
    }
}

void WaitCursor::End()
{
    if (g_depth == 0)
        return;
    --g_depth;
    if (g_applied > g_depth && qGuiApp != nullptr) {
        QGuiApplication::restoreOverrideCursor();
        --g_applied;
    }
}

void WaitCursor::Restore()
{
    if (g_depth == 0 || qGuiApp == nullptr)
        return;
    if (g_applied == 0) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++g_applied;
    } else {
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

int WaitCursor::Depth()
{
    return g_depth;
}
