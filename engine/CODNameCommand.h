#pragma once

#include "engine/CODCommand.h"

// Renames a component; undo gives back the old name.
class CODNameCommand : public CODCommand {
public:
    CODNameCommand(CODModel* pModel, CODComponent* pComponent, const std::string& strName);

    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    CODComponent* m_pComponent;
    std::string m_strName;
    std::string m_strOldName;
};
