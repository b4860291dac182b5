#include "app/CExportImageDlg.h"

const char* const CExportImageDlg::kText =
    "Depending on the size of chart you are exporting, building the image may take from a few seconds to a "
    "several minutes.\n"
    "\n"
    "Please be patient.\n"
    "and\n"
    "Watch the status bar for progress information.";

CExportImageDlg::CExportImageDlg(QWidget* parent)
    : CInformationDlg(parent, "Export Image", kText)
{
}

void CExportImageDlg::ShowCentredNow()
{
    adjustSize();
    if (parentWidget() != nullptr)
        move(parentWidget()->window()->geometry().center() - rect().center());
    ShowNormalNow();
}
