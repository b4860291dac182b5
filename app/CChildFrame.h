#pragma once

#include <QMdiSubWindow>

#include <string>

class CQuorrelView;

// A chart window inside the main window: created maximized, showing one chart
// view, titled with the chart's document name. Closing it asks first whether
// a modified chart is to be saved.
class CChildFrame : public QMdiSubWindow {
public:
    CChildFrame(const std::string& strTitle, QWidget* parent = nullptr);

    CQuorrelView* GetActiveView() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CQuorrelView* m_pView;
};
