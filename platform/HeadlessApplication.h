#pragma once

#include <memory>

// The application object that measuring and drawing need, for programs that
// show no window (benchmarks, command-line tools); widgets may still be made
// and painted, as a benchmark of the chart view does. Without a platform
// named in QT_QPA_PLATFORM it runs on the offscreen one.
class HeadlessApplication {
public:
    HeadlessApplication(int& argc, char** argv);
    ~HeadlessApplication();
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
