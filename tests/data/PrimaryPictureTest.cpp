#include "data/ProjectDatabase.h"
#include "engine/CODImageComponent.h"
#include "platform/CommandFile.h"
#include "tests/data/PictureProject.h"

#include <gtest/gtest.h>

namespace {

class PrimaryPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CommandFile file(pictures::CommandFileWith(""));
        m_db.LoadOptions(file);
        ASSERT_TRUE(m_db.Open());
    }

    std::unique_ptr<CODImageComponent> PictureOf(int person)
    {
        m_db.ReadPerson(person);
        return m_db.GetPrimaryPicture();
    }

    ProjectDatabase m_db{pictures::ProjectPath()};
};

struct PictureCase {
    const char* what;
    int person;
    int width;  // 0: no picture
    int height;
};

TEST_F(PrimaryPictureTest, ReadsOnlyPictureFilesTheReadersAccept)
{
    const PictureCase cases[] = {
        {"lower-case .bmp is accepted", pictures::Wide, 300, 200},
        {"a BMP named .jpg is read by the BMP reader", pictures::BmpAsJpg, 30, 20},
        {"a four-letter .jpeg ending is refused", pictures::Jpeg4, 0, 0},
        {"an embedded GIF is refused", pictures::EmbeddedGif, 0, 0},
        {"a missing file gives none", pictures::Missing, 0, 0},
        {"a file no reader takes gives none", pictures::Garbage, 0, 0},
        {"no primary exhibit gives none", pictures::NoExhibit, 0, 0},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::unique_ptr<CODImageComponent> picture = PictureOf(c.person);
        if (c.width == 0) {
            EXPECT_EQ(picture, nullptr);
            continue;
        }
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->GetBounds().Width(), c.width);
        EXPECT_EQ(picture->GetBounds().Height(), c.height);
    }
    // Failures are silent and leave the project open for the next person.
    EXPECT_TRUE(m_db.IsOpen());
    EXPECT_NE(PictureOf(pictures::Small), nullptr);
}

TEST_F(PrimaryPictureTest, EmptyOrUnknownPersonAsksNothing)
{
    EXPECT_EQ(PictureOf(0), nullptr);
    EXPECT_EQ(PictureOf(-1), nullptr);
    EXPECT_TRUE(m_db.IsOpen());
}

}  // namespace
