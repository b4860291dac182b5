#include "engine/CODTextFit.h"

#include "engine/CODTextComponent.h"

void CODTextFit::Grow(const std::vector<CODComponent*>& components)
{
    m_boxes.clear();
    for (CODComponent* component : components) {
        auto* text = dynamic_cast<CODTextComponent*>(component);
        if (!text)
            continue;
        Box box{text, {}};
        for (int i = 0; i < text->GetPointCount(); ++i)
            box.points.push_back(text->GetPoint(i));
        m_boxes.push_back(std::move(box));
        text->SizeToText(CODTextComponent::kSizeGrow, nullptr);
    }
}

void CODTextFit::Restore()
{
    for (const Box& box : m_boxes) {
        box.pText->SetPoints(box.points.data(), static_cast<int>(box.points.size()));
        box.pText->UpdateBounds();
    }
}
