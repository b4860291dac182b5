#pragma once

#include <QMdiSubWindow>

#include <string>

class CQuorrelView;

// A chart window inside the main window: created maximized, showing one chart
// view, titled with the chart's document name.
class CChildFrame : public QMdiSubWindow {
public:
    CChildFrame(const std::string& strTitle, QWidget* parent = nullptr);

    CQuorrelView* GetActiveView() const;

private:
    CQuorrelView* m_pView;
};
