#pragma once

#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"

#include <QWidget>

#include <memory>

class CQuorrelController;

// The chart view of one chart window, with its chart document and the
// viewport that draws it. For now it paints an empty white page; the
// controller attached to it runs command files into its chart.
class CQuorrelView : public QWidget {
public:
    explicit CQuorrelView(QWidget* parent = nullptr);
    ~CQuorrelView() override;

    CQuorrelController& GetController();
    CQuorrelDoc& GetDocument() { return m_document; }
    CQuorrelViewport& GetViewport() { return m_viewport; }

private:
    CQuorrelDoc m_document;  // before the controller, which works on its model
    CQuorrelViewport m_viewport;
    std::unique_ptr<CQuorrelController> m_pController;
};
