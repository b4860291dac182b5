#include "kxdata/ReplyWriter.h"

#include "kxdata/RaiseError.h"

#include <string>

void ReplyWriter::Begin(char* out, int32_t size)
{
    m_pOut = out;
    m_nSize = size;
    m_nCount = 0;
    if (m_pOut != nullptr && m_nSize > 0)
        m_pOut[0] = '\0';
}

void ReplyWriter::Overflow()
{
    if (m_pOut != nullptr && m_nSize > 0)
        m_pOut[m_nSize - 1] = '\0';
    RaiseError(kOverflowCode, "Buffer overflow - Increase buffer size");
}

void ReplyWriter::Put(char c)
{
    if (m_pOut == nullptr || m_nCount + 1 >= m_nSize)
        Overflow();
    m_pOut[m_nCount++] = c;
}

void ReplyWriter::Put(std::string_view text)
{
    for (const char c : text)
        Put(c);
}

void ReplyWriter::Field(std::string_view value)
{
    Put(value);
    Put('|');
}

void ReplyWriter::Finish()
{
    if (m_pOut != nullptr && m_nSize > 0)
        m_pOut[m_nCount] = '\0';
}

void ReplyWriter::Clear()
{
    m_nCount = 0;
    Finish();
}

void ReplyWriter::Rewrite(std::string_view text)
{
    const std::string copy(text);
    m_nCount = 0;
    Put(copy);
}
