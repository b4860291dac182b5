#pragma once

#include "platform/WinTypes.h"

#include <QPushButton>

#include <functional>

// A button that shows a colour and, when clicked, lets the user choose
// another one from the colour dialog.
class CColorButton : public QPushButton {
public:
    explicit CColorButton(QWidget* parent);

    COLORREF GetColor() const { return m_crColor; }
    void SetColor(COLORREF crColor);

private:
    void Choose();

    COLORREF m_crColor = 0;
};
