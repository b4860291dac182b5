#include "tests/kxdata/FamilyProject.h"
#include "tests/kxdata/Python.h"
#include "tests/support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using testing::Contains;

namespace {

// python3-dbfread, an independent reader, sees the tables the project writer
// makes with the field names, record counts and values it was given.
TEST(ProjectWriterWitnessTest, DbfreadReadsEveryTable)
{
    const std::string python = kxdata_test::FindPython();
    if (python.empty())
        GTEST_SKIP() << "python3 is not installed";
    kxdata_test::WriteFamilyProject("family");
    int status = 0;
    const std::string output = kxdata_test::RunPython(python, R"(
import dbfread
for letter in '$NGEFITPMRWS':
    table = dbfread.DBF('family/SMITH__%s.DBF' % letter, encoding='cp1252')
    records = list(table)
    count = len(records) + len(list(table.deleted))
    print('%s %d %s' % (letter, count, ','.join(table.field_names)))
    for number, record in enumerate(records, 1):
        for name, value in record.items():
            if value not in (None, ''):
                if isinstance(value, bytes):
                    value = value.hex()
                print('%s%d %s=%s' % (letter, number, name, value))
)", status);
    ASSERT_EQ(status, 0) << output;
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);

    const char* expected[] = {
        "$ 4 PER_NO,FATHER,FATHERSURE,MOTHER,MOTHERSURE,LAST_EDIT,REFERENCE,SPOULAST,SCBUFF,PBIRTH,PDEATH,SEX,LIVING,"
        "BIRTHORDER,MULTIBIRTH,ADOPTED,ANCE_INT,DESC_INT,MYFLAG,FLAG|~X",
        "N 3 NPER,ALTYPE,ISPICKED,NAME,INFS,INFG,PRIMARY,NSURE,FSURE,NNOTE,RECNO,NDATE,STRDATE,DSURE,SENTENCE",
        "G 4 ETYPE,PER1SHOW,PER2SHOW,PER1,PER2,EDATE,PLACENUM,EFOOT,ENSURE,ESSURE,EDSURE,EPSURE,EFSURE,RECNO,"
        "SENTENCE,SRTDATE",
        "E 4 EPER,GNUM,PRIMARY,WSENTENCE",
        "F 3 PRIMARY,CHILD,PARENT,PTYPE,PNOTE,PSURE,FSURE,RECNO",
        "T 2 PICKED,ACTIVE,ETYPENUM,ADMIN,LDSONLY,ETYPENAME,SENTENCE,GEDCOM_TAG,YNDATE,YNPLACE,YNFOOT,YNNAME,ISREPORT,"
        "WSENTENCE,ABBREV,WITDISP,PASTTENSE",
        "P 3 PLACE,RECNO",
        "R 0 ABBREV,NAME,ADDRESS,RNOTE,RPERNO,RECNO,ISPICKED",
        "W 0 MNUMBER,RNUMBER,REFERENCE,PRIMARY",
        "$1 PER_NO=1",
        "$1 PBIRTH=118500615030000000000",
        "$1 SPOULAST=Doe",
        "$1 FLAG|~X=ab",
        "$3 PBIRTH=0abt. 1825",
        "$3 PDEATH=118900102051891000000",
        "N1 NAME=Smith$John$!Jr",
        "N1 NNOTE=a|b~c",
        "G1 EFOOT=foot~note",
        "G4 RECNO=99",
        "E4 PRIMARY=F",
        "F1 PNOTE=n|1",
        "P1 PLACE=$!&Main St$!&Springfield$!&Greene$!&Ohio$!&USA$!&$!&",
        "P3 RECNO=12",
        "I1 IMAGE=ffd8ffe000104a464946000120696d6167",
        "I2 IFILENAME=C:\\pics\\a~b.bmp",
        "I3 TEXT=Dear sir",
        "I3 EXHTYPE=1",
        "M1 TITLE=1850$!&census|x",
    };
    for (const char* line : expected)
        EXPECT_THAT(lines, Contains(std::string(line))) << output;
    EXPECT_THAT(lines, Contains(testing::StartsWith("I 6 XNAME,IFILENAME,AFILENAME,TFILENAME,ISCALE,")));
}

}  // namespace
