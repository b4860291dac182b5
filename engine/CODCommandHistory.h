#pragma once

#include "engine/CODCommandRing.h"

#include <functional>
#include <memory>

// The undo and redo rings of a model. Doing a command empties the redo
// ring; the oldest undo step falls out past the ring's capacity.
class CODCommandHistory {
public:
    // Told after every command done, undone or redone, with the command.
    using Listener = std::function<void(const CODCommand& command)>;

    explicit CODCommandHistory(Listener onChange = Listener());

    // Executes the command; when it succeeds it becomes the newest undo
    // step. A command that fails is deleted and the rings stay as they were.
    bool Do(std::unique_ptr<CODCommand> pCommand);
    // The newest step that can be undone, moved onto the redo ring; steps
    // that cannot be undone are dropped on the way. False when none was.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !m_undo.IsEmpty(); }
    bool CanRedo() const { return !m_redo.IsEmpty(); }
    const CODCommand* GetUndoCommand() const { return m_undo.Peek(); }
    const CODCommand* GetRedoCommand() const { return m_redo.Peek(); }
    int GetUndoCount() const { return m_undo.GetCount(); }
    int GetRedoCount() const { return m_redo.GetCount(); }
    void Clear();
    void SetListener(Listener onChange) { m_onChange = std::move(onChange); }

private:
    void Tell(const CODCommand& command) const;

    CODCommandRing m_undo;
    CODCommandRing m_redo;
    Listener m_onChange;
};
