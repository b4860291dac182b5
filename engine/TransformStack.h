#pragma once

#include "engine/CODTransform.h"

#include <vector>

// The accumulated transforms of the components being drawn or measured, one
// stack per thread. Pushing composes a component's own transform with the
// top, so the top maps the current component's coordinates to the model's.
class TransformStack {
public:
    // pTransform may be null (identity).
    static void Push(const CODTransform* pTransform);
    static void Pop();
    // The top, or null when the stack is empty (identity).
    static const CODTransform* Top();
    static int Depth();

    // Sets the stack aside for its lifetime, so that work started in the
    // middle of a computation (a link re-routing when a port moves) sees
    // model coordinates.
    class Isolation {
    public:
        Isolation();
        ~Isolation();
        Isolation(const Isolation&) = delete;
        Isolation& operator=(const Isolation&) = delete;

    private:
        std::vector<CODTransform> m_saved;
    };
};
