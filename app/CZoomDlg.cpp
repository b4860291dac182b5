#include "app/CZoomDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

CZoomDlg::CZoomDlg(QWidget* parent, int nPercent, int nMinPercent, int nMaxPercent)
    : QDialog(parent)
    , m_pPercent(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Zoom"));
    m_pPercent->setObjectName(QStringLiteral("percent"));
    m_pPercent->setRange(nMinPercent, nMaxPercent);
    m_pPercent->setSuffix(QStringLiteral(" %"));
    m_pPercent->setValue(nPercent);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Magnification:"), m_pPercent);
    form->addRow(buttons);
}

int CZoomDlg::GetPercent() const
{
    return m_pPercent->value();
}
