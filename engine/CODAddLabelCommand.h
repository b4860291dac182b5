#pragma once

#include "engine/CODCommand.h"

class CODLabelComponent;
class CODSymbolComponent;

// Gives a symbol a new label, which joins the symbol's parent beside it;
// undo takes the label away again.
class CODAddLabelCommand : public CODCommand {
public:
    CODAddLabelCommand(CODModel* pModel, CODSymbolComponent* pSymbol, CODLabelComponent* pLabel);

    // False when the label belongs to a symbol already.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    CODSymbolComponent* m_pSymbol;
    CODLabelComponent* m_pLabel;
};
