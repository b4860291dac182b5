#include "app/CInformationDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

const char* const CInformationDlg::kText =
    "Depending on the amount of data you requested, building the chart may take from a few moments to a few "
    "minutes.\n"
    "\n"
    "Please be patient.\n"
    "and\n"
    "Watch the status bar for progress information.";

CInformationDlg::CInformationDlg(QWidget* parent)
    : CInformationDlg(parent, "Information", kText)
{
}

CInformationDlg::CInformationDlg(QWidget* parent, const char* title, const char* message)
    : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(title));
    setModal(false);
    auto* text = new QLabel(QString::fromLatin1(message), this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setFixedWidth(340);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(text);
    show();
}

void CInformationDlg::ShowNormalNow()
{
    showNormal();
    raise();
    // Let the window system map and expose the window; user input waits for the run's end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}
