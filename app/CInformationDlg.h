#pragma once

#include <QDialog>

// The modeless "Information" window a chart run shows while it works. Created
// visible; nothing in it can be operated.
class CInformationDlg : public QDialog {
public:
    explicit CInformationDlg(QWidget* parent);

    // Shows the window normally and paints it at once: the run does not return
    // to the event loop until it is done.
    void ShowNormalNow();

    static const char* const kText;

protected:
    // A window of the same kind with its own title and text.
    CInformationDlg(QWidget* parent, const char* title, const char* text);
};
