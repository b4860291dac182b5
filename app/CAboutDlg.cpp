#include "app/CAboutDlg.h"

#include "app/CommandLineInfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <QtGlobal>

#include <cstdio>

namespace {

constexpr const char* kLicence = "Free software under the GNU General Public License, version 3 or later.";

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Quorrel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(CommandLineInfo::Version()).trimmed(), this));
    auto* licence = new QLabel(QString::fromLatin1(kLicence), this);
    licence->setObjectName(QStringLiteral("Licence"));
    layout->addWidget(licence);
    auto* qtVersion = new QLabel(QString::fromStdString(QtVersionLine()), this);
    qtVersion->setObjectName(QStringLiteral("QtVersion"));
    layout->addWidget(qtVersion);
    auto* buildDate = new QLineEdit(QString::fromStdString(BuildDateLine()), this);
    buildDate->setReadOnly(true);
    buildDate->setMinimumWidth(buildDate->fontMetrics().horizontalAdvance(buildDate->text()) + 24);
    buildDate->setObjectName(QStringLiteral("BuildDate"));
    layout->addWidget(buildDate);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

std::string CAboutDlg::BuildDateLine()
{
    char line[64];
    std::snprintf(line, sizeof line, "Build Date %s %s", __DATE__, __TIME__);
    return line;
}

std::string CAboutDlg::QtVersionLine()
{
    // The library the program runs with, which may be newer than the one it was built with.
    return std::string("Qt ") + qVersion();
}
