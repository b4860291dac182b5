#include "chartparts/CQuorrelDoc.h"

#include "engine/CArchive.h"

#include <fstream>
#include <iterator>
#include <vector>

CQuorrelDoc::CQuorrelDoc()
{
    DeleteContents();
}

void CQuorrelDoc::DeleteContents()
{
    // Nothing a reset can raise may escape the framework's hook.
    try {
        m_model.Reset();
        m_model.SetSize(kCanvasSize, kCanvasSize);
    } catch (...) {
    }
    m_model.SetModified(false);
    m_bModified = false;
}

bool CQuorrelDoc::OnNewDocument()
{
    DeleteContents();
    return true;
}

void CQuorrelDoc::Serialize(CArchive& ar)
{
    m_model.Serialize(ar);
}

bool CQuorrelDoc::OnOpenDocument(const std::string& strPath, std::string& strError)
{
    DeleteContents();
    std::ifstream file(strPath, std::ios::binary | std::ios::ate);
    if (!file) {
        strError = strPath;
        strError += ": the file cannot be opened";
        return false;
    }
    const std::streamoff length = file.tellg();
    if (length < 0 || static_cast<std::uint64_t>(length) > kMaxFileBytes) {
        strError = strPath;
        strError += ": ";
        strError += kDamagedText;
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), length);
    if (!file) {
        strError = strPath;
        strError += ": the file cannot be read";
        return false;
    }
    try {
        CArchive ar(bytes.data(), bytes.size());
        Serialize(ar);
    } catch (const CArchiveException& e) {
        DeleteContents();
        strError = strPath;
        strError += ": ";
        strError += kDamagedText;
        strError += " (reading stopped at byte ";
        strError += std::to_string(e.GetOffset());
        strError += ")";
        return false;
    }
    m_bModified = false;
    return true;
}

bool CQuorrelDoc::OnSaveDocument(const std::string& strPath, std::string& strError)
{
    std::vector<std::uint8_t> bytes;
    try {
        CArchive ar;
        Serialize(ar);
        bytes = ar.GetStored();
    } catch (const CArchiveException& e) {
        strError = strPath;
        strError += ": the chart cannot be saved: ";
        strError += e.what();
        return false;
    }
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        strError = strPath;
        strError += ": the file cannot be written";
        return false;
    }
    m_model.SetModified(false);
    m_bModified = false;
    return true;
}
