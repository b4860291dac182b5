#include "platform/QtStatusBarHost.h"

#include "platform/QtText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>

#include <algorithm>

QtStatusBarHost::QtStatusBarHost(QStatusBar* statusBar)
    : m_pStatusBar(statusBar)
    , m_pMessagePane(new QLabel(statusBar))
{
    // The pane takes what is left, however long its text.
    m_pMessagePane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pStatusBar->insertWidget(0, m_pMessagePane, 1);
}

QtStatusBarHost::~QtStatusBarHost() = default;

void QtStatusBarHost::SetMessageText(const std::string& text)
{
    m_pMessagePane->setText(QtText::Decode(text));
    // The run holds the thread, so paint now rather than when events are processed.
    m_pMessagePane->repaint();
}

RECT QtStatusBarHost::MessagePaneRect() const
{
    m_pStatusBar->layout()->activate();
    const QRect pane = m_pMessagePane->geometry();
    const int right = m_pProgress != nullptr ? m_pProgress->geometry().right() + 1 : pane.right() + 1;
    return RECT{pane.left(), pane.top(), right, pane.bottom() + 1};
}

int QtStatusBarHost::TextWidth(const std::string& text) const
{
    return QFontMetrics(m_pStatusBar->font()).horizontalAdvance(QtText::Decode(text));
}

int QtStatusBarHost::AverageCharWidth() const
{
    return QFontMetrics(m_pStatusBar->font()).averageCharWidth();
}

void QtStatusBarHost::InsertProgress(const RECT& rect)
{
    // The bar always ends where the pane ends, so fixing its width puts its left
    // edge at rect.left; the message pane shrinks to what is left.
    RemoveProgress();
    m_pProgress = new QProgressBar(m_pStatusBar);
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    m_pProgress->setTextVisible(false);
    m_pProgress->setFixedWidth(rect.right - rect.left);
    m_pStatusBar->insertWidget(1, m_pProgress, 0);  // right after the message pane, which is first
    m_pProgress->show();
    m_pStatusBar->layout()->activate();
    m_pStatusBar->repaint();
}

void QtStatusBarHost::SetProgressPos(int percent)
{
    if (m_pProgress == nullptr)
        return;
    m_pProgress->setValue(std::clamp(percent, 0, 100));
    m_pProgress->repaint();
}

void QtStatusBarHost::RemoveProgress()
{
    if (m_pProgress == nullptr)
        return;
    m_pStatusBar->removeWidget(m_pProgress);
    delete m_pProgress;
    m_pProgress = nullptr;
    m_pStatusBar->layout()->activate();
    m_pStatusBar->repaint();
}

QLabel* QtStatusBarHost::MessagePane() const
{
    return m_pMessagePane;
}

QProgressBar* QtStatusBarHost::ProgressBar() const
{
    return m_pProgress;
}
