#pragma once

#include <string>

class QWidget;

// File > Import GEDCOM...: a GEDCOM file becomes a project through the
// importer program installed with Quorrel, and a starter command file for
// an ancestor chart of one of its persons is offered.
class GedcomImport {
public:
    // What an import said: its summary line and the faults it listed.
    struct Result {
        bool imported = false;
        std::string summary;
        std::string faults;
    };

    // The importer program: beside this program when installed, else the build's.
    static std::string ImporterPath();
    // Runs the importer on the file, writing the project; the status bar shows
    // that it is busy. A file that is not GEDCOM writes nothing.
    static Result Import(const std::string& strGedcom, const std::string& strProject);
    // An ancestor chart of the person in the project, four generations to the
    // right, written into the chart window (no HideWindows), ready to be tuned.
    static std::string StarterCommandFile(const std::string& strProject, int nStartPerson);

    // The whole command: asks for the file and where the project goes, imports
    // it, reports, then offers the starter command file and runs it.
    static void Run(QWidget* pParent);
};
