#include "tests/charts/ChartCommandFile.h"

#include "tests/support/TestEnvironment.h"

#include <fstream>

namespace chart_test {

std::string CommandFileFor(const std::string& project, int startPerson, const std::string& databaseLines,
                           const std::string& lines)
{
    static int count = 0;
    const std::string path = (quorrel_test::TestDirectory() / ("chart" + std::to_string(++count) + ".qrc")).string();
    std::ofstream(path) << "[database]\nfile=" << project << "\nstartperson=" << startPerson << "\n"
                        << databaseLines
                        << "[Box]\nWidth=100\nHeight=30\nShadow=FALSE\nlinecolor=0 0 0\nlinewidth=1\n"
                           "PictureLocation=NONE\nNameFont=Arial\nNameFontSize=8\nNameFontColor=0 0 0\nDetailFontSize=8\n"
                           "DetailFontColor=0 0 0\nDefaultFillColor=255 255 240\n"
                        << lines;
    return path;
}

}  // namespace chart_test
