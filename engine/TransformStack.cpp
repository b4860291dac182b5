#include "engine/TransformStack.h"

#include "engine/CODTransform.h"

#include <vector>

namespace {
std::vector<CODTransform>& Stack()
{
    thread_local std::vector<CODTransform> stack;
    return stack;
}
}  // namespace

void TransformStack::Push(const CODTransform* pTransform)
{
    auto& stack = Stack();
    CODTransform accumulated = stack.empty() ? CODTransform() : stack.back();
    if (pTransform)
        accumulated.Multiply(*pTransform);
    stack.push_back(accumulated);
}

void TransformStack::Pop()
{
    auto& stack = Stack();
    if (!stack.empty())
        stack.pop_back();
}

const CODTransform* TransformStack::Top()
{
    const auto& stack = Stack();
    return stack.empty() ? nullptr : &stack.back();
}

int TransformStack::Depth()
{
    return static_cast<int>(Stack().size());
}

TransformStack::Isolation::Isolation()
{
    m_saved.swap(Stack());
}

TransformStack::Isolation::~Isolation()
{
    m_saved.swap(Stack());
}
