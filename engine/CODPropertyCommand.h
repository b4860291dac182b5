#pragma once

#include "engine/CODCommand.h"
#include "engine/CODTextFit.h"

#include <memory>

class CODProperty;

// Gives components properties of their own; undo puts back what each had
// itself before, or takes the property away again when it had none (it then
// inherits from its parents as before). A text whose new font needs more
// room grows its box, and gets its old box back on undo.
class CODPropertyCommand : public CODCommand {
public:
    explicit CODPropertyCommand(CODModel* pModel);

    // Before the first Execute. A component may take several properties.
    void Add(CODComponent* pComponent, const CODProperty& property);
    bool IsEmpty() const { return m_changes.empty(); }

    // False when there is nothing to set.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    struct Change {
        CODComponent* pComponent;
        std::unique_ptr<CODProperty> pNew;
        // The component's own property of that id before; none when it had none.
        std::unique_ptr<CODProperty> pBefore;
    };

    std::vector<Change> m_changes;
    CODTextFit m_fit;
};
