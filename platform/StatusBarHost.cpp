#include "platform/StatusBarHost.h"

namespace {

StatusBarHost* g_current = nullptr;

}  // namespace

StatusBarHost::~StatusBarHost()
{
    if (g_current == this)
        g_current = nullptr;
}

StatusBarHost* StatusBarHost::Current()
{
    return g_current;
}

void StatusBarHost::SetCurrent(StatusBarHost* host)
{
    g_current = host;
}
