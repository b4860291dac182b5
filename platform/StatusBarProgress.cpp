#include "platform/StatusBarProgress.h"

#include "platform/ResourceStrings.h"
#include "platform/StatusBarHost.h"
#include "platform/WaitCursor.h"

#include <cstdint>
#include <iostream>

namespace {

bool g_echo = false;

constexpr int kDefaultRange = 100;
constexpr int kMinimumBarWidth = 20;
constexpr int kMaximumBarWidth = 200;

}  // namespace

StatusBarProgress::StatusBarProgress(unsigned int nIDText, bool bShow)
    : m_strText(ResourceStrings::Load(nIDText))
{
    if (bShow)
        Show();
}

StatusBarProgress::~StatusBarProgress()
{
    if (m_bShown)
        Hide();
}

void StatusBarProgress::Show()
{
    if (m_bShown)
        Hide();
    PutText(m_strText);
    WaitCursor::Begin();
    m_bShown = true;
}

void StatusBarProgress::Hide()
{
    if (!m_bShown)
        return;
    if (m_bHasControl) {
        if (StatusBarHost* host = StatusBarHost::Current())
            host->RemoveProgress();
        m_bHasControl = false;
    }
    if (StatusBarHost* host = StatusBarHost::Current())
        host->SetMessageText(ResourceStrings::Load(IDS_IDLE_MESSAGE));
    WaitCursor::End();
    m_bShown = false;
}

void StatusBarProgress::SetText(const std::string& text)
{
    m_strText = text;
    PutText(m_strText);
}

void StatusBarProgress::SetRange(int nRange)
{
    m_nRange = nRange == 0 ? kDefaultRange : nRange;
    m_nCount = 0;
    m_nPercent = 0;
}

void StatusBarProgress::Step()
{
    ++m_nCount;
    if (m_nRange == 0)
        m_nRange = kDefaultRange;
    if (m_nCount > m_nRange)
        m_nCount = 0;
    m_nPercent = static_cast<int>(std::int64_t{m_nCount} * 100 / m_nRange);
    SetPos(m_nPercent);
}

void StatusBarProgress::SetPos(int nPercent)
{
    if (!m_bShown)
        Show();
    WaitCursor::Restore();
    if (nPercent < 0)
        return;
    m_nPercent = nPercent;
    if (!m_bHasControl)
        CreateProgressControl();
    StatusBarHost* host = StatusBarHost::Current();
    if (m_bHasControl && host != nullptr)
        host->SetProgressPos(nPercent);
}

bool StatusBarProgress::IsShown() const
{
    return m_bShown;
}

int StatusBarProgress::GetPercent() const
{
    return m_nPercent;
}

void StatusBarProgress::SetEcho(bool bEcho)
{
    g_echo = bEcho;
}

void StatusBarProgress::PutText(const std::string& text) const
{
    if (g_echo)
        std::cerr << text << std::endl;
    if (StatusBarHost* host = StatusBarHost::Current())
        host->SetMessageText(text);
}

void StatusBarProgress::CreateProgressControl()
{
    StatusBarHost* host = StatusBarHost::Current();
    if (host == nullptr)
        return;
    RECT rect = host->MessagePaneRect();
    if (!m_strText.empty())
        rect.left += host->TextWidth(m_strText) + 2 * host->AverageCharWidth();
    const int width = rect.right - rect.left;
    if (width < kMinimumBarWidth)
        return;
    if (width > kMaximumBarWidth)
        rect.left = rect.right - kMaximumBarWidth;
    host->InsertProgress(rect);
    m_bHasControl = true;
}
