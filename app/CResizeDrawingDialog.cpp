#include "app/CResizeDrawingDialog.h"

#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kSizeDecimals = 2;
constexpr double kHundredths = 100.0;

}  // namespace

CResizeDrawingDialog::CResizeDrawingDialog(
    QWidget* parent, double fWidth, double fHeight, const std::string& strUnitName)
    : QDialog(parent)
    , m_fWidth(fWidth)
    , m_fHeight(fHeight)
    , m_pHorizontal(new QRadioButton(QStringLiteral("Horizontal"), this))
    , m_pVertical(new QRadioButton(QStringLiteral("Verticle"), this))
    , m_pNewSize(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Resize Drawing"));
    const QString unit = QtText::Decode(strUnitName);
    char text[256];
    std::snprintf(text, sizeof text,
        "Enter the size of the new dimension.\n\nYour diagram is:\n\t%0.2f %s wide and\n\t%0.2f %s tall.", fWidth,
        strUnitName.c_str(), fHeight, strUnitName.c_str());
    auto* message = new QLabel(QtText::Decode(text), this);
    message->setObjectName(QStringLiteral("1008"));
    auto* unitName = new QLabel(unit, this);
    unitName->setObjectName(QStringLiteral("1007"));
    m_pHorizontal->setObjectName(QStringLiteral("1004"));
    m_pVertical->setObjectName(QStringLiteral("1005"));
    m_pNewSize->setObjectName(QStringLiteral("1006"));
    m_pHorizontal->setChecked(true);
    auto* validator = new QDoubleValidator(0.0, kMaxSize, kSizeDecimals, m_pNewSize);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    m_pNewSize->setValidator(validator);
    m_pNewSize->setText(QString::number(fWidth, 'f', kSizeDecimals));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(m_pHorizontal);
    layout->addWidget(m_pVertical);
    auto* size = new QHBoxLayout();
    size->addWidget(m_pNewSize);
    size->addWidget(unitName);
    layout->addLayout(size);
    layout->addWidget(buttons);
}

double CResizeDrawingDialog::GetFactor() const
{
    const double current = m_pHorizontal->isChecked() ? m_fWidth : m_fHeight;
    bool ok = false;
    const double newSize = QLocale::c().toDouble(m_pNewSize->text(), &ok);
    if (!ok || current <= 0 || newSize < 0 || newSize > kMaxSize)
        return 0;
    return newSize / current;
}

float CResizeDrawingDialog::GetScaleFactor() const
{
    return static_cast<float>(std::floor(GetFactor() * kHundredths) / kHundredths);
}
