#pragma once

#include <string>
#include <vector>

// What the command line asks for: quorrel [--verbose] [FILE], --help, --version,
// or quorrel --export OUT.bmp|.jpg|.png|.pdf|.svg CHART.qrd for scripts.
// A file whose name ends in .INI or .QRC (any case) is a command file, run in a
// new chart window; any other file is a chart document to open.
class CommandLineInfo {
public:
    enum class ShellCommand { FileNew, FileOpen };

    static CommandLineInfo Parse(const std::vector<std::string>& arguments);

    // Text for --help and --version.
    static std::string Usage();
    static std::string Version();

    ShellCommand m_nShellCommand = ShellCommand::FileNew;
    std::string m_strFileName;     // the document for FileOpen
    std::string m_strCommandFile;  // the command file to run, empty when none
    std::string m_strExportFile;   // the picture to render the chart document into, empty when none
    bool m_bShowHelp = false;
    bool m_bShowVersion = false;
    bool m_bVerbose = false;
    std::string m_strError;  // a command line that cannot be used, with the reason
};
