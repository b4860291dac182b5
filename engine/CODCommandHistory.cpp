#include "engine/CODCommandHistory.h"

CODCommandHistory::CODCommandHistory(Listener onChange) : m_onChange(std::move(onChange)) {}

bool CODCommandHistory::Do(std::unique_ptr<CODCommand> pCommand)
{
    if (!pCommand || !pCommand->Execute())
        return false;
    const CODCommand& done = *pCommand;
    m_undo.Push(std::move(pCommand));
    m_redo.Clear();
    Tell(done);
    return true;
}

bool CODCommandHistory::Undo()
{
    while (std::unique_ptr<CODCommand> command = m_undo.Pop()) {
        if (!command->CanUndo() || !command->Unexecute())
            continue;
        const CODCommand& undone = *command;
        m_redo.Push(std::move(command));
        Tell(undone);
        return true;
    }
    return false;
}

bool CODCommandHistory::Redo()
{
    std::unique_ptr<CODCommand> command = m_redo.Pop();
    if (!command || !command->CanUndo() || !command->Execute())
        return false;
    const CODCommand& redone = *command;
    m_undo.Push(std::move(command));
    Tell(redone);
    return true;
}

void CODCommandHistory::Clear()
{
    m_redo.Clear();
    m_undo.Clear();
}

void CODCommandHistory::Tell(const CODCommand& command) const
{
    if (m_onChange)
        m_onChange(command);
}
