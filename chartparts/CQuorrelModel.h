#pragma once

#include "engine/CODModel.h"

// The chart model: the engine's model with the editor's three switches of
// its own edit property (id 40).
class CQuorrelModel : public CODModel {
public:
    // Charts hold boxes, curve texts and symbols of the program's own
    // classes: a chart model can store and load them wherever it is made.
    CQuorrelModel();

    // Exactly the engine's model body.
    void Serialize(CArchive& ar) override;

    // Sub-id 41; 0 when the model has no edit property of its own.
    bool IsReadOnly() const;
    void SetReadOnly(bool bReadOnly);
    // Sub-id 42; 1 when absent.
    bool IsSelectable() const;
    void SetSelectable(bool bSelectable);
    // Sub-id 47; 1 when absent.
    bool CanChangeProperties() const;
    void SetCanChangeProperties(bool bCanChange);

private:
    bool Switch(int nFlag, bool bAbsent) const;
    void SetSwitch(int nFlag, unsigned nMask, bool bValue);
};
