#include "app/CColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr QSize kSwatchSize(32, 14);

QColor ToQColor(COLORREF crColor)
{
    return QColor(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
}

}  // namespace

CColorButton::CColorButton(QWidget* parent)
    : QPushButton(parent)
{
    setIconSize(kSwatchSize);
    connect(this, &QPushButton::clicked, this, [this] { Choose(); });
    SetColor(m_crColor);
}

void CColorButton::SetColor(COLORREF crColor)
{
    m_crColor = crColor;
    QPixmap swatch(kSwatchSize);
    swatch.fill(ToQColor(crColor));
    // Outlined, so that white shows on a light button.
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
}

void CColorButton::Choose()
{
    const QColor chosen = QColorDialog::getColor(ToQColor(m_crColor), this);
    if (chosen.isValid())
        SetColor(RGB(static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                     static_cast<std::uint8_t>(chosen.blue())));
}
