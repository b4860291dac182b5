#include "platform/HeadlessApplication.h"

#include <QApplication>

#include <cstdlib>

struct HeadlessApplication::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
};

HeadlessApplication::HeadlessApplication(int& argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    m_impl = std::make_unique<Impl>(argc, argv);
}

HeadlessApplication::~HeadlessApplication() = default;
