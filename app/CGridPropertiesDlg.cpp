#include "app/CGridPropertiesDlg.h"

#include "app/CColorButton.h"
#include "engine/CODDrawingViewport.h"
#include "platform/QtText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

CGridPropertiesDlg::Values CGridPropertiesDlg::Values::Read(const CODDrawingViewport& viewport)
{
    return {viewport.m_fGridSpacingX, viewport.m_fGridSpacingY, viewport.m_crGrid, viewport.m_bGridVisible,
        viewport.m_bSnapToGrid};
}

void CGridPropertiesDlg::Values::ApplyTo(CODDrawingViewport& viewport) const
{
    viewport.m_fGridSpacingX = spacingX;
    viewport.m_fGridSpacingY = spacingY;
    viewport.m_crGrid = color;
    viewport.m_bGridVisible = visible;
    viewport.m_bSnapToGrid = snap;
}

CGridPropertiesDlg::CGridPropertiesDlg(QWidget* parent, const Values& values, const std::string& strUnitName)
    : QDialog(parent)
    , m_values(values)
    , m_pColor(new CColorButton(this))
    , m_pVisible(new QCheckBox(QStringLiteral("&Grid visible"), this))
    , m_pSnap(new QCheckBox(QStringLiteral("&Snap to grid"), this))
{
    setWindowTitle(QStringLiteral("Grid Properties"));
    m_pColor->setObjectName(QStringLiteral("color"));
    m_pColor->SetColor(values.color);
    m_pVisible->setObjectName(QStringLiteral("visible"));
    m_pVisible->setChecked(values.visible);
    m_pSnap->setObjectName(QStringLiteral("snap"));
    m_pSnap->setChecked(values.snap);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const QString unit = QStringLiteral(" (%1):").arg(QtText::Decode(strUnitName));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Spacing &across") + unit, MakeSpacing(m_values.spacingX, "spacingX"));
    form->addRow(QStringLiteral("Spacing &down") + unit, MakeSpacing(m_values.spacingY, "spacingY"));
    form->addRow(QStringLiteral("&Colour:"), m_pColor);
    form->addRow(m_pVisible);
    form->addRow(m_pSnap);
    form->addRow(buttons);
}

QDoubleSpinBox* CGridPropertiesDlg::MakeSpacing(double& fSpacing, const char* name)
{
    auto* spin = new QDoubleSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setDecimals(kSpacingDecimals);
    spin->setRange(kMinSpacing, kMaxSpacing);
    spin->setValue(fSpacing);
    // Only an edit replaces the spacing: the box shows it rounded.
    connect(spin, &QDoubleSpinBox::valueChanged, this, [&fSpacing](double value) { fSpacing = value; });
    return spin;
}

CGridPropertiesDlg::Values CGridPropertiesDlg::GetValues() const
{
    Values values = m_values;
    values.color = m_pColor->GetColor();
    values.visible = m_pVisible->isChecked();
    values.snap = m_pSnap->isChecked();
    return values;
}
