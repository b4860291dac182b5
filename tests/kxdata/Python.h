#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace kxdata_test {

// The Debian python3 (which has python3-dbf and python3-dbfread), else the
// python3 on PATH; empty when there is none.
inline std::string FindPython()
{
    if (::access("/usr/bin/python3", X_OK) == 0)
        return "/usr/bin/python3";
    return std::system("command -v python3 >/dev/null 2>&1") == 0 ? "python3" : std::string();
}

// Runs a Python script and returns what it printed; status gets the exit status.
inline std::string RunPython(const std::string& python, const std::string& script, int& status)
{
    const std::string scriptPath = "witness.py";
    if (std::FILE* file = std::fopen(scriptPath.c_str(), "w")) {
        std::fputs(script.c_str(), file);
        std::fclose(file);
    }
    std::string output;
    std::FILE* pipe = ::popen((python + " " + scriptPath + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return output;
    }
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    status = ::pclose(pipe);
    return output;
}

}  // namespace kxdata_test
