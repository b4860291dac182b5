#include "app/CDiagramMeasurementsDlg.h"

#include "engine/CODDrawingViewport.h"
#include "engine/CODModel.h"
#include "platform/Arithmetic.h"
#include "platform/QtText.h"
#include "platform/ResourceStrings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

#include <algorithm>
#include <cmath>
#include <utility>

CDiagramMeasurementsDlg::Values CDiagramMeasurementsDlg::Values::Read(
    const CODModel& model, const CODDrawingViewport& viewport)
{
    const CSize size = model.GetSize();
    return {size.cx, size.cy, viewport.m_nUnitOfMeasure};
}

void CDiagramMeasurementsDlg::Values::ApplyTo(CODModel& model, CODDrawingViewport& viewport) const
{
    if (model.GetSize() != CSize(cx, cy))
        model.SetSize(cx, cy);
    if (viewport.m_nUnitOfMeasure == unit)
        return;
    const double factor
        = CODDrawingViewport::LogicalUnitsPerUnit(viewport.m_nUnitOfMeasure) / CODDrawingViewport::LogicalUnitsPerUnit(unit);
    viewport.m_fGridSpacingX *= factor;
    viewport.m_fGridSpacingY *= factor;
    viewport.m_nUnitOfMeasure = unit;
}

std::string CDiagramMeasurementsDlg::UnitName(int nUnit)
{
    return ResourceStrings::Load(IDS_UNIT_INCHES + static_cast<unsigned int>(nUnit >= 0 && nUnit < kUnitCount ? nUnit : 0));
}

CDiagramMeasurementsDlg::CDiagramMeasurementsDlg(QWidget* parent, const Values& values)
    : QDialog(parent)
    , m_values(values)
    , m_pUnit(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Diagram Measurements"));
    m_pUnit->setObjectName(QStringLiteral("unit"));
    for (int unit = 0; unit < kUnitCount; ++unit)
        m_pUnit->addItem(QtText::Decode(UnitName(unit)), unit);
    m_pUnit->setCurrentIndex(std::max(0, m_pUnit->findData(values.unit)));
    m_values.unit = m_pUnit->currentData().toInt();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_pWidth = MakeSide(m_values.cx, "width");
    m_pHeight = MakeSide(m_values.cy, "height");
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Width:"), m_pWidth);
    form->addRow(QStringLiteral("&Height:"), m_pHeight);
    form->addRow(QStringLiteral("&Unit of measure:"), m_pUnit);
    form->addRow(buttons);
    ShowSides();
    connect(m_pUnit, &QComboBox::currentIndexChanged, this, [this] {
        m_values.unit = m_pUnit->currentData().toInt();
        ShowSides();
    });
}

QDoubleSpinBox* CDiagramMeasurementsDlg::MakeSide(int& nSide, const char* name)
{
    auto* spin = new QDoubleSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setDecimals(kSizeDecimals);
    connect(spin, &QDoubleSpinBox::valueChanged, this, [this, &nSide](double value) {
        if (!m_bShowing)
            nSide = std::clamp(RoundHalfAwayFromZero(value * CODDrawingViewport::LogicalUnitsPerUnit(m_values.unit)), 1,
                               kMaxCanvas);
    });
    return spin;
}

void CDiagramMeasurementsDlg::ShowSides()
{
    const double perUnit = CODDrawingViewport::LogicalUnitsPerUnit(m_values.unit);
    m_bShowing = true;
    for (auto [spin, side] : {std::pair{m_pWidth, m_values.cx}, std::pair{m_pHeight, m_values.cy}}) {
        // The smallest side is one logical unit, or the smallest step the box shows.
        spin->setRange(std::max(1.0 / perUnit, std::pow(10.0, -kSizeDecimals)), kMaxCanvas / perUnit);
        spin->setValue(side / perUnit);
    }
    m_bShowing = false;
}
