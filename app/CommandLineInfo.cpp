#include "app/CommandLineInfo.h"

#include "platform/TextCodec.h"

#ifndef QUORREL_VERSION
#define QUORREL_VERSION "0"
#endif

CommandLineInfo CommandLineInfo::Parse(const std::vector<std::string>& arguments)
{
    CommandLineInfo info;
    std::string fileName;
    bool optionsEnded = false;
    bool exportNext = false;
    for (const std::string& argument : arguments) {
        if (exportNext) {
            info.m_strExportFile = argument;
            exportNext = false;
        } else if (!optionsEnded && argument == "--export") {
            exportNext = true;
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            info.m_bShowHelp = true;
        } else if (!optionsEnded && argument == "--version") {
            info.m_bShowVersion = true;
        } else if (!optionsEnded && argument == "--verbose") {
            info.m_bVerbose = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            info.m_strError = "unknown option " + argument;
            return info;
        } else if (fileName.empty()) {
            fileName = argument;
        } else {
            info.m_strError = "more than one file given: " + fileName + ", " + argument;
            return info;
        }
    }
    const bool exporting = exportNext || !info.m_strExportFile.empty();
    if (exporting && (info.m_strExportFile.empty() || fileName.empty())) {
        std::string reason;
        reason += "--export needs the picture to write and the chart to render";
        info.m_strError = reason;
        return info;
    }
    if (fileName.empty())
        return info;

    const std::string extension = TextCodec::ToUpper(fileName.size() >= 4 ? fileName.substr(fileName.size() - 4) : fileName);
    if (exporting && (extension == ".INI" || extension == ".QRC")) {
        std::string reason;
        reason += "--export renders a chart document, not a command file: ";
        reason += fileName;
        info.m_strError = reason;
        return info;
    }
    if (extension == ".INI" || extension == ".QRC") {
        info.m_strCommandFile = fileName;
        info.m_nShellCommand = ShellCommand::FileNew;
    } else {
        info.m_strFileName = fileName;
        info.m_nShellCommand = ShellCommand::FileOpen;
    }
    return info;
}

std::string CommandLineInfo::Usage()
{
    return "Usage: quorrel [--verbose] [FILE]\n"
           "       quorrel --export OUT.bmp|.jpg|.png|.pdf|.svg CHART.qrd\n"
           "Draws genealogy charts and lets you edit them.\n"
           "\n"
           "  FILE        a command file (.qrc or .ini) to run in a new chart window,\n"
           "              or a chart document to open; without FILE an empty chart window opens\n"
           "  --verbose   also write the status texts of a chart run to standard error\n"
           "  --export    render the chart document into a BMP, JPEG or PNG picture, or a\n"
           "              PDF or SVG drawing, and exit,\n"
           "              without a display (status 0 when written, 1 otherwise)\n"
           "  --help      show this text and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "A command file whose [CHART] HideWindows is TRUE runs without a display: no window\n"
           "appears, messages go to standard error, and the program exits when the chart is\n"
           "written, with status 0 when no error was reported and 1 otherwise.\n";
}

std::string CommandLineInfo::Version()
{
    return std::string("Quorrel ") + QUORREL_VERSION + "\n";
}
