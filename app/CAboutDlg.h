#pragma once

#include <QDialog>

#include <string>

// The About box: program name and version, the licence, the Qt version, and the build date in a read-only field.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent);

    // "Build Date Oct 14 2000 11:44:02": the date and time this program was compiled.
    static std::string BuildDateLine();
    // "Qt " and the version of the Qt libraries in use.
    static std::string QtVersionLine();
};
