#pragma once

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

private:
    std::unique_ptr<CQuorrelController> m_pController;
};
