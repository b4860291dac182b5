#include "tests/kxdata/FamilyProject.h"

#include "tools/projectwriter/ProjectWriter.h"

#include <filesystem>

namespace kxdata_test {

std::string PortraitBytes()
{
    return std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01 image", 17);
}

std::string WriteFamilyProject(const std::string& directory, bool withUserFlags)
{
    using D = StoredDate;
    ProjectWriter w;
    if (withUserFlags) {
        w.AddField('$', "MYFLAG", 'C', 1);
        w.AddField('$', "FLAG|~X", 'C', 2);
    }
    w.AddTagType({.number = 1, .name = "Birth", .admin = 4, .abbrev = "B"});
    w.AddTagType({.number = 3, .name = "Marriage", .admin = 6, .abbrev = "M"});

    w.AddPlace({.number = 10, .parts = {"", "Main St", "Springfield", "Greene", "Ohio", "USA", "", ""}});
    w.AddPlace({.number = 11, .parts = {"Line one^1Line two", "Town"}});
    w.AddPlace({.number = 12, .parts = {"A~b|c", ""}});

    ProjectFields flags = {{"ANCE_INT", "A"}, {"DESC_INT", "D"}};
    if (withUserFlags) {
        flags.emplace_back("MYFLAG", "X");
        flags.emplace_back("FLAG|~X", "ab");
    }
    w.AddPerson({.number = 1, .sex = "M", .birth = D::Exact(1850, 6, 15), .father = 2, .mother = 3,
                 .reference = "R-1", .spouseLast = "Doe", .birthOrder = "3", .living = "N", .lastEdit = "20240101",
                 .more = flags});
    w.AddPerson({.number = 2, .sex = "M", .birth = D::Regular(D::kCirca, {1820, 0, 0, true}, {}, true)});
    w.AddPerson({.number = 3, .sex = "F", .birth = D::Irregular("abt. 1825"),
                 .death = D::Regular(D::kBetween, {1890, 1, 2}, {1891, 0, 0})});
    const int deleted = w.AddPerson({.number = 4, .sex = "F", .father = 2, .mother = 3});
    w.MarkDeleted('$', deleted);

    w.AddParentLink({.child = 1, .parent = 3, .surety = "2", .type = "B", .note = "n|1"});
    w.AddParentLink({.child = 4, .parent = 2, .surety = "1"});
    w.AddParentLink({.child = 4, .parent = 3, .surety = "3", .primary = false});

    w.AddName({.person = 1, .parts = {"Smith", "John", "!Jr"}, .note = "a|b~c",
               .more = {{"ALTYPE", "0"}, {"NDATE", "1850"}, {"STRDATE", "x"}}});
    w.AddName({.person = 3, .parts = {"Brown", "Mary"}});
    w.AddName({.person = 1, .parts = {"Smyth", "Jon&"}, .primary = "F", .surety = "1"});

    w.AddEvent({.type = 1, .per1 = 1, .date = D::Exact(1850, 6, 15), .place = 10, .sortDate = D::Exact(1850, 6, 15),
                .note = "foot~note", .sentence = "[P] was born", .more = {{"ENSURE", "3"}}});
    w.AddEvent({.type = 3, .per1 = 2, .per2 = 3, .date = D::Regular(D::kBetween, {1845, 5, 0}, {1846, 0, 0}),
                .place = 11});
    w.AddEvent({.type = 1, .per1 = 3, .date = D::Irregular("abt. 1825")});
    w.AddEvent({.type = 1, .per1 = 4, .more = {{"RECNO", "99"}}});
    w.AddParticipant({.person = 1, .event = 1});
    w.AddParticipant({.person = 2, .event = 2});
    w.AddParticipant({.person = 3, .event = 2});
    w.AddParticipant({.person = 1, .event = 2, .primary = false});

    w.AddExhibit({.person = 1, .type = 2, .name = "Portrait", .data = PortraitBytes(), .primary = true});
    w.AddExhibit({.person = 1, .type = 2, .name = "Sketch", .file = "C:\\pics\\a~b.bmp"});
    w.AddExhibit({.person = 1, .type = 1, .name = "Letter", .data = "Dear sir"});
    w.AddExhibit({.person = 1, .type = 2, .name = "Church", .file = "church.bmp", .owner = "G"});
    w.AddExhibit({.person = 1, .type = 4, .name = "Object", .file = "obj.ole", .more = {{"PRIMARY", ""}}});
    w.AddExhibit({.person = 1, .type = 3, .name = "Voice", .data = "RIFF....WAVE"});

    w.AddSource({.number = 7, .abbrev = "Census", .title = "1850$!&census|x", .more = {{"TEXT", "body"}}});

    std::filesystem::create_directories(directory);
    const std::string path = directory + "/SMITH.ZNT";
    w.Write(path);
    return path;
}

}  // namespace kxdata_test
