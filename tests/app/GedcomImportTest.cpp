// File > Import GEDCOM...: the importer program writes the project, and the
// starter command file it offers draws an ancestor chart of that project.
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "app/GedcomImport.h"
#include "chartparts/CIndiBox.h"
#include "engine/CODModel.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The first line of each box the chart drew.
std::vector<std::string> BoxNames(const CODModel& model)
{
    std::vector<std::string> names;
    for (int i = 0; i < model.GetChildCount(); ++i)
        if (const auto* box = dynamic_cast<const CIndiBox*>(model.GetChild(i)))
            names.push_back(box->m_strLines[0]);
    return names;
}

TEST(GedcomImportMenu, TheImportedProjectDrawsTheStarterChart)
{
    Write("family.ged",
          "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
          "0 @I1@ INDI\n1 NAME Jürg /Müller/\n1 SEX M\n1 BIRT\n2 DATE 15 JUN 1850\n1 FAMC @F1@\n"
          "0 @I2@ INDI\n1 NAME Hans /Müller/\n1 SEX M\n1 FAMS @F1@\n"
          "0 @I3@ INDI\n1 NAME Åse /Dahl/\n1 SEX F\n1 FAMS @F1@\n"
          "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n"
          "0 TRLR\n");
    const GedcomImport::Result result = GedcomImport::Import("family.ged", "FAMILY");
    ASSERT_TRUE(result.imported) << result.faults;
    EXPECT_NE(result.summary.find("3 persons, 1 families"), std::string::npos) << result.summary;

    Write("family.qrc", GedcomImport::StarterCommandFile("FAMILY", 1));
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    CQuorrelView view;
    view.GetController().RunCommandFile("family.qrc");
    MessageBox::SetSink(nullptr);
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(BoxNames(view.GetDocument().GetModel()),
              (std::vector<std::string>{"Jürg Müller", "Hans Müller", "Åse Dahl"}));
}

TEST(GedcomImportMenu, AFileThatIsNotGedcomWritesNoProject)
{
    Write("notes.ged", "Grandmother's recipes\n");
    const GedcomImport::Result result = GedcomImport::Import("notes.ged", "NOTES");
    EXPECT_FALSE(result.imported);
    EXPECT_FALSE(result.faults.empty());
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().rfind("NOTES", 0), std::string::npos) << entry.path();
}

}  // namespace
