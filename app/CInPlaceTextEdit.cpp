#include "app/CInPlaceTextEdit.h"

#include <QKeyEvent>

CInPlaceTextEdit::CInPlaceTextEdit(QWidget* parent, bool bMultiLine)
    : QPlainTextEdit(parent)
    , m_bMultiLine(bMultiLine)
{
    setFrameShape(QFrame::Box);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(bMultiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    // The typed text stands where the drawn text stood.
    document()->setDocumentMargin(0);
}

void CInPlaceTextEdit::keyPressEvent(QKeyEvent* event)
{
    const bool bEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape) {
        End(false);
    } else if (bEnter && m_bMultiLine && (event->modifiers() & Qt::ShiftModifier) != 0) {
        insertPlainText(QStringLiteral("\n"));
    } else if (bEnter) {
        End(true);
    } else {
        QPlainTextEdit::keyPressEvent(event);
    }
}

void CInPlaceTextEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // A menu or a dialog taking the focus for a moment does not end the edit.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        End(true);
}

void CInPlaceTextEdit::End(bool bApply)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    if (m_onEnd)
        m_onEnd(bApply);
}
