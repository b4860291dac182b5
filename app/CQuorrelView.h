#pragma once

#include "chartparts/CQuorrelDoc.h"

#include <QWidget>

#include <memory>

class CQuorrelController;

// The chart view of one chart window. For now an empty white page; the
// controller attached to it runs command files into its chart.
class CQuorrelView : public QWidget {
public:
    explicit CQuorrelView(QWidget* parent = nullptr);
    ~CQuorrelView() override;

    CQuorrelController& GetController();
    CQuorrelDoc& GetDocument() { return m_document; }

private:
    CQuorrelDoc m_document;  // before the controller, which works on its model
    std::unique_ptr<CQuorrelController> m_pController;
};
