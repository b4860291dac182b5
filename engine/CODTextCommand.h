#pragma once

#include "engine/CODCommand.h"
#include "engine/CODTextFit.h"

class CODTextComponent;

// Gives a text component a new text, its box grown to fit; undo gives back
// the old text in its old box.
class CODTextCommand : public CODCommand {
public:
    CODTextCommand(CODModel* pModel, CODTextComponent* pText, const std::string& strText);

    // False for a text the component refuses (too long).
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    bool Show(const std::string& strText) const;

    CODTextComponent* m_pText;
    std::string m_strText;
    std::string m_strOldText;
    CODTextFit m_fit;
};
