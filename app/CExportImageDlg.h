#pragma once

#include "app/CInformationDlg.h"

// "Export Image": the modeless note shown while an exported picture is built.
class CExportImageDlg : public CInformationDlg {
public:
    static constexpr int IDD = 103;
    static const char* const kText;

    explicit CExportImageDlg(QWidget* parent);

    // Centred on the main window and painted before the export holds the thread.
    void ShowCentredNow();
};
