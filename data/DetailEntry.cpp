#include "data/DetailEntry.h"

#include "platform/ParseInt32.h"
#include "platform/TextCodec.h"

DetailEntry::DetailEntry(const std::string& text)
{
    const std::string upper = TextCodec::ToUpper(text);
    m_nGroup = ParseInt32(upper);
    const std::size_t blank = upper.find(' ');
    m_nType = blank == std::string::npos ? m_nGroup : ParseInt32(upper.substr(blank));
    m_cLetter = upper.empty() ? 0 : upper.back();
}
