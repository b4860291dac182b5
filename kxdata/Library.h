#pragma once

#include "kxdata/BusyMarker.h"
#include "kxdata/ExhibitExtractor.h"
#include "kxdata/Project.h"
#include "kxdata/RecordText.h"
#include "kxdata/ReplyWriter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The state of the library for the whole process and the work of each export.
// One project, one current person and one position per list.
class Library {
public:
    static Library& Instance();

    // The answer to a fault of the library itself (an exception other than CVexc).
    static constexpr int kInternalError = -3;

    // The frame shared by the exports that answer into a reply buffer: it
    // resets the reply and message, runs the work, and turns a raised error into
    // its code (closing the project for negative codes).
    int Run(char* out, char* msg, const std::function<int()>& work);

    // Closes the project and answers kInternalError with "Internal error: " and the text in msg.
    int Fail(char* out, char* msg, const char* what);

    int Init(int size, char* out, char* msg);
    int Open(const char* path, char* msg);
    int Close(char* msg);

    int Indiv(int number);
    int Flags(int which);
    int Name(int restart);
    int Relative(int which);
    int Event(int which);
    int EventDirect(int number);
    int Witness(int restart);
    int TagType(int number);
    int Places(int number);
    int PrimExhibit();
    int Exhibit(int restart);
    int Source(int number);

private:
    Library() = default;
    int EndOfList();
    bool HasProject() const { return m_project != nullptr; }
    void CloseProject();
    void ResetPerson();

    void WriteField(Table table, int64_t record, int field);
    void WriteMemo(Table table, char memoLetter, int64_t record, int field, MemoMapping mapping);
    void WriteDate(Table table, int64_t record, int field);
    void WriteParentSurety(int parentField);
    void WriteEventRecord(int64_t record);
    void WriteExhibitRecord(int64_t record);
    // Next exhibit of the current person after `start` that is (or is not) primary; 0 when none.
    int32_t NextExhibit(int32_t start, bool primary);
    void ApplyReplacement(std::string_view from, std::string_view to, int* count = nullptr);

    bool m_bInitialised = false;
    int32_t m_nBufferSize = 0;
    ReplyWriter m_reply;
    BusyMarker m_busy;
    ExhibitExtractor m_extractor;
    std::unique_ptr<Project> m_project;
    std::string m_strTempDirectory;

    int32_t m_nPerson = 0;       // number given to the last KxIndiv with a positive number
    int32_t m_nPersonRecord = 0; // its record in the person table, 0 when not found
    int32_t m_nNamePos = 0;
    int32_t m_nWitnessPos = 0;
    int32_t m_nExhibitPos = 0;
    int32_t m_nEventPos = 0;
    Key m_eventKey = Key::Count;   // Count: no event list chosen yet
    int32_t m_nRelativePos = 0;
    int m_nRelativeWhich = 0;      // 1 parents, 2 children, 0 none chosen yet
};
