#include "app/GedcomImport.h"

#include "app/CQuorrelApp.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QProcess>

#include <filesystem>
#include <fstream>

namespace {

constexpr const char* kImporterName = "quorrel-import-gedcom";
constexpr const char* kGedcomFilter = "GEDCOM Files (*.ged)|*.ged|All Files (*.*)|*.*||";
constexpr const char* kCommandFileFilter = "Command Files (*.qrc)|*.qrc||";
constexpr int kStarterGenerations = 4;
constexpr int kFirstPerson = 1;
// The largest person number the starter dialog offers.
constexpr int kLargestPerson = 99999999;

}  // namespace

std::string GedcomImport::ImporterPath()
{
    const std::filesystem::path beside
        = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / kImporterName;
    if (std::filesystem::exists(beside))
        return beside.string();
    return QUORREL_BUILD_IMPORTER;
}

GedcomImport::Result GedcomImport::Import(const std::string& strGedcom, const std::string& strProject)
{
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText("Importing the GEDCOM file " + strGedcom);
    QProcess importer;
    importer.start(QString::fromStdString(ImporterPath()),
                   {QString::fromStdString(strGedcom), QString::fromStdString(strProject)});
    // The window stays drawn while the importer works.
    QEventLoop loop;
    QObject::connect(&importer, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&importer, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    if (importer.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    Result result;
    result.faults = importer.readAllStandardError().toStdString();
    result.summary = importer.readAllStandardOutput().trimmed().toStdString();
    result.imported = importer.exitStatus() == QProcess::NormalExit && importer.exitCode() == 0
        && importer.error() == QProcess::UnknownError;
    if (importer.error() == QProcess::FailedToStart)
        result.faults = "The importer " + ImporterPath() + " cannot be started.";
    return result;
}

std::string GedcomImport::StarterCommandFile(const std::string& strProject, int nStartPerson)
{
    std::string text;
    text += "; An ancestor chart of person " + std::to_string(nStartPerson) + " of " + strProject + ".\n";
    text += "; Every key is explained in the command-file reference (command-files.md).\n";
    text += "[CHART]\nTYPE=ANCESTOR\n\n";
    text += "[Ancestor]\ngenerations=" + std::to_string(kStarterGenerations) + "\n";
    text += "Direction=RIGHT\nGenerationGap=40\nLeftGap=20\nTopGap=70\nBoxGap=8\nlinewidth=1\n";
    text += "DefFont=Liberation Sans\nDefFontSize=9\n\n";
    text += "[database]\nfile=" + strProject + "\nstartperson=" + std::to_string(nStartPerson) + "\n";
    text += "LP1=4 0 B\nLP2=5 0 B\nLM1=4 0 B\nLM2=6 0 B\nLM3=5 0 B\nLS1=4 0 B\nLS2=5 0 B\n";
    text += "LivingPhrase=living\n\n";
    text += "[Box]\nWidth=250\nHeight=60\nShadow=TRUE\nlinewidth=1\n";
    text += "NameFont=Liberation Serif\nNameFontSize=11\nNameFontAttribute=BOLD\n";
    text += "DetailFont=Liberation Sans\nDetailFontSize=8\n";
    return text;
}

void GedcomImport::Run(QWidget* pParent)
{
    const std::optional<std::string> gedcom = FileDialog::GetOpenFileName(pParent, kGedcomFilter, "ged");
    if (!gedcom)
        return;
    const std::filesystem::path source(*gedcom);
    const std::filesystem::path suggested = source.parent_path() / source.stem();
    const std::optional<std::string> project = FileDialog::GetSaveFileName(
        pParent, "Save the project as", suggested.string(), "Projects (*)|*||", "");
    if (!project)
        return;
    const Result result = Import(*gedcom, *project);
    if (!result.imported) {
        MessageBox::Show("The GEDCOM file " + *gedcom + " was not imported.\n" + result.faults);
        return;
    }
    if (!result.faults.empty())
        MessageBox::Show(result.summary + "\n" + result.faults);

    bool chosen = false;
    const int person = QInputDialog::getInt(pParent, QStringLiteral("Import GEDCOM"),
        QtText::Decode(result.summary + "\n\nDraw an ancestor chart of person number:"), kFirstPerson, kFirstPerson,
        kLargestPerson, 1, &chosen);
    if (!chosen)
        return;
    const std::optional<std::string> commandFile = FileDialog::GetSaveFileName(
        pParent, "Save the command file as", *project + ".qrc", kCommandFileFilter, "qrc");
    if (!commandFile)
        return;
    std::ofstream file(*commandFile, std::ios::binary | std::ios::trunc);
    file << StarterCommandFile(*project, person);
    file.close();
    if (!file) {
        MessageBox::Show("Unable to write the command file " + *commandFile);
        return;
    }
    CQuorrelApp& app = CQuorrelApp::Instance();
    app.m_strCommandFile = *commandFile;
    app.RunCommandFileInNewChart();
}
