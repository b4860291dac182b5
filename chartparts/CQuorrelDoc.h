#pragma once

#include "chartparts/CQuorrelModel.h"

#include <cstddef>
#include <string>

class CArchive;

// The chart document: one chart model, saved to and opened from .qrd files
// whose bytes are the model body and nothing else. This is the content side;
// the window framework's side lives with the view.
class CQuorrelDoc {
public:
    // The text reported for a file that cannot be read as a chart.
    static constexpr const char* kDamagedText = "the file is not a Quorrel chart, or it is damaged";
    // Chart files larger than this are not read into memory.
    static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;
    static constexpr int kCanvasSize = 15000;

    CQuorrelDoc();
    CQuorrelDoc(const CQuorrelDoc&) = delete;
    CQuorrelDoc& operator=(const CQuorrelDoc&) = delete;

    // An empty 15000 x 15000 canvas at (0, 0), unmodified.
    void DeleteContents();
    bool OnNewDocument();
    // The model body, nothing before or after it.
    void Serialize(CArchive& ar);
    // Empties the document, then reads the file; false with the reason in
    // strError (the document left empty) when it cannot be read.
    bool OnOpenDocument(const std::string& strPath, std::string& strError);
    // False with the reason in strError when the file cannot be written.
    bool OnSaveDocument(const std::string& strPath, std::string& strError);

    // The framework's flag or the model's.
    bool IsModified() const { return m_bModified || m_model.IsModified(); }
    // The framework's flag only.
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    CQuorrelModel& GetModel() { return m_model; }
    const CQuorrelModel& GetModel() const { return m_model; }

private:
    CQuorrelModel m_model;
    bool m_bModified = false;
};
