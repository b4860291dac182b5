#pragma once

class CODModel;

// A view of a model, told what changed so it can repaint or re-layout.
class CODModelObserver {
public:
    // Background colour or component changed.
    static constexpr int kHintBackground = 0;
    // Components changed by a command done, undone or redone.
    static constexpr int kHintComponents = 1;
    // Canvas size or origin changed, or a document was loaded.
    static constexpr int kHintCanvas = 3;
    // The model was reset.
    static constexpr int kHintReset = 5;

    virtual ~CODModelObserver() = default;
    virtual void OnModelUpdate(CODModel* pModel, int nHint) = 0;
};
