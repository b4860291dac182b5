#pragma once

#include <QPlainTextEdit>

#include <functional>

// The editor opened over a text while the user edits it in place. Enter ends
// the edit and so does leaving it; Shift+Enter starts a new line in a text of
// several lines; Escape ends it without the changes.
class CInPlaceTextEdit : public QPlainTextEdit {
public:
    CInPlaceTextEdit(QWidget* parent, bool bMultiLine);

    // Called once, with whether the typed text is to be kept.
    std::function<void(bool bApply)> m_onEnd;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void End(bool bApply);

    bool m_bMultiLine;
    bool m_bEnded = false;
};
