#pragma once

#include "platform/CRect.h"

#include <string>
#include <vector>

class CODComponent;
class CODModel;

// A change to a model that the model's history can undo and redo. A command
// holds one reference on every component it acts on, so the components it
// took out of the model live on for its undo.
class CODCommand {
public:
    CODCommand(CODModel* pModel, const std::vector<CODComponent*>& components);
    virtual ~CODCommand();
    CODCommand(const CODCommand&) = delete;
    CODCommand& operator=(const CODCommand&) = delete;

    // False when nothing could be done; the model is then as it was.
    virtual bool Execute() = 0;
    virtual bool Unexecute() = 0;
    virtual bool CanUndo() const { return true; }
    virtual std::string GetDescription() const = 0;

    CODModel* GetModel() const { return m_pModel; }
    const std::vector<CODComponent*>& GetComponents() const { return m_components; }
    // The union of the components' bounds, for repainting what a change touches.
    CRect GetComponentsBounds() const;

protected:
    // printf-style text of a description.
    static std::string Describe(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // The drawing order of the model's children, and putting it back: a change
    // that takes components out and in again leaves the order exactly as it
    // was, labels that left with their symbols included. False when the
    // children are no longer the same set.
    std::vector<CODComponent*> SaveOrder() const;
    bool RestoreOrder(const std::vector<CODComponent*>& order) const;
    // Takes the component out of the model (the command keeps it alive);
    // false when it is not a child of the model.
    bool RemoveFromModel(CODComponent* pComponent) const;
    int Count() const { return static_cast<int>(m_components.size()); }
    // One more component to hold, once.
    void AddComponent(CODComponent* pComponent);

private:
    CODModel* m_pModel;
    std::vector<CODComponent*> m_components;
};
