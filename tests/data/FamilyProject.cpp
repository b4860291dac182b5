#include "tests/data/FamilyProject.h"

#include "tests/support/TestEnvironment.h"
#include "tools/projectwriter/ProjectWriter.h"

#include <fstream>

namespace family {
namespace {

enum TagType { Birth = 1, Death, Marriage, Burial };
enum Place { London = 1, Paris, Munich };

std::string Circa(int year)
{
    return StoredDate::Regular(StoredDate::kCirca, {.year = year});
}

class Builder {
public:
    void Person(int number, const std::string& surname, const std::string& given, PersonRecordSpec person = {})
    {
        person.number = number;
        m_writer.AddPerson(person);
        m_writer.AddName({.person = number, .parts = {surname, "", given, ""}});
    }

    // An event with its principals' participations; sureties "3" unless given.
    int Event(int type, int per1, int per2, const std::string& date, int place = 0, const std::string& dateSurety = "3",
              const std::string& placeSurety = "3", const std::string& sortDate = "")
    {
        const int event = m_writer.AddEvent({.type = type,
                                             .per1 = per1,
                                             .per2 = per2,
                                             .date = date,
                                             .place = place,
                                             .sortDate = sortDate,
                                             .more = {{"EDSURE", dateSurety}, {"EPSURE", placeSurety}}});
        m_writer.AddParticipant({.person = per1, .event = event});
        if (per2 != 0)
            m_writer.AddParticipant({.person = per2, .event = event});
        return event;
    }

    void Child(int child, int parent, const std::string& surety = "3", bool primary = true)
    {
        m_writer.AddParentLink({.child = child, .parent = parent, .surety = surety, .primary = primary});
    }

    ProjectWriter m_writer;
};

std::string Write()
{
    Builder b;
    ProjectWriter& w = b.m_writer;
    w.AddTagType({.number = Birth, .name = "Birth", .admin = 4, .abbrev = "b."});
    w.AddTagType({.number = Death, .name = "Death", .admin = 5, .abbrev = "d."});
    w.AddTagType({.number = Marriage, .name = "Marriage", .admin = 6, .abbrev = "m."});
    w.AddTagType({.number = Burial, .name = "Burial", .admin = 5, .abbrev = "bur."});
    w.AddPlace({.number = London, .parts = {"", "", "London", "Middlesex", "", "England"}});
    w.AddPlace({.number = Paris, .parts = {"", "", "Paris", "", "", "France"}});
    w.AddPlace({.number = Munich, .parts = {"", "", "M\xC3\xBCnchen", "", "", "Deutschland"}});

    b.Person(John, "Smith", "John", {.sex = "M"});
    b.Person(Mary, "Jones", "Mary", {.sex = "F"});
    // Anne's first name record is an alternative; the primary one follows.
    w.AddName({.person = Anne, .parts = {"Smyth", "", "Ann", ""}, .primary = "F"});
    b.Person(Anne, "Smith", "Anne",
             {.sex = "F", .birth = StoredDate::Exact(1850, 6, 15), .father = John, .mother = Mary, .reference = "R7",
              .birthOrder = "2"});
    b.Person(Beth, "Smith", "Beth", {.sex = "F", .father = John, .mother = Mary, .birthOrder = "3"});
    b.Person(Carl, "Other", "Carl", {.sex = "M", .father = Fred, .mother = Mary});
    b.Person(Fred, "Other", "Fred", {.sex = "M"});
    b.Person(Dan, "Brown", "Dan", {.sex = "M", .father = George, .mother = Anne, .birthOrder = "?"});
    b.Person(Eve, "Brown", "Eve", {.sex = "F", .father = George, .mother = Anne});
    b.Person(George, "Brown", "George", {.sex = "M"});
    b.Person(Hugh, "Green", "Hugh", {.sex = "M"});
    b.Person(Ivy, "Smith", "Ivy", {.sex = "F", .living = "Y"});
    b.Person(Jack, "Lee", "Jack", {.sex = "M", .birth = StoredDate::Exact(1860, 1, 2), .father = Len, .mother = Meg});
    b.Person(Kate, "Lee", "Kate", {.sex = "F", .father = Len, .mother = Meg});
    b.Person(Len, "Lee", "Len", {.sex = "M"});
    b.Person(Meg, "Lee", "Meg", {.sex = "F"});
    w.AddPerson({.number = Nora});
    w.AddName({.person = Nora, .parts = {"Doe", "", "Nora", ""}, .surety = "1"});
    w.AddPerson({.number = Olga});
    w.AddName({.person = Olga, .parts = {"Roe", "", "Olga", ""}, .primary = "F"});
    b.Person(Zoe, "Smith", "Zoe", {.sex = "F", .father = John, .mother = Mary, .birthOrder = "1"});
    b.Person(Walt, "Brown", "Walt", {.sex = "M", .father = George, .mother = Anne, .birthOrder = "1"});

    for (int child : {Anne, Beth, Zoe}) {
        b.Child(child, John);
        b.Child(child, Mary);
    }
    b.Child(Carl, Fred);
    b.Child(Carl, Mary);
    for (int child : {Dan, Walt}) {
        b.Child(child, Anne);
        b.Child(child, George);
    }
    b.Child(Eve, Anne, "3", false);
    b.Child(Eve, George, "3", false);
    b.Child(Jack, Len, "1");
    b.Child(Jack, Meg);
    b.Child(Kate, Meg);

    // Anne witnessed Walt's birth before her own events were recorded: not hers.
    const int waltsBirth = w.AddEvent({.type = Birth, .per1 = Walt, .date = StoredDate::Exact(1872),
                                       .more = {{"EDSURE", "3"}}});
    w.AddParticipant({.person = Anne, .event = waltsBirth, .primary = false});
    w.AddParticipant({.person = Walt, .event = waltsBirth});
    b.Event(Birth, Anne, 0, StoredDate::Exact(1850, 6, 15), London);
    b.Event(Death, Anne, 0, StoredDate::Exact(1900, 1, 1), 0, "3", "");
    b.Event(Marriage, George, Anne, StoredDate::Exact(1870, 5, 1), Paris);
    b.Event(Marriage, Anne, George, StoredDate::Exact(1875), Paris);
    b.Event(Marriage, Hugh, Anne, StoredDate::Exact(1880), London);
    b.Event(Birth, Beth, 0, Circa(1848), 0, "3", "3", Circa(1850));
    b.Event(Birth, Carl, 0, StoredDate::Exact(1852), London, "", "3");
    b.Event(Birth, Zoe, 0, StoredDate::Exact(1845, 3, 1), Munich);
    b.Event(Birth, Ivy, 0, StoredDate::Exact(1950, 2, 2), London);
    b.Event(Burial, Ivy, 0, StoredDate::Exact(2000), London);

    const std::string path = (quorrel_test::TestDirectory() / "FAMILY").string();
    w.Write(path);
    return path;
}

}  // namespace

const std::string& ProjectPath()
{
    static const std::string path = Write();
    return path;
}

std::string CommandFileWith(const std::string& databaseLines)
{
    static int count = 0;
    const std::string path = (quorrel_test::TestDirectory() / ("run" + std::to_string(++count) + ".qrc")).string();
    std::ofstream(path) << "[database]\nfile=" << ProjectPath() << "\n" << databaseLines;
    return path;
}

}  // namespace family
