#pragma once

#include "kxdata/kxdata.h"

#include <ostream>
#include <string>
#include <vector>

namespace kxdata_test {

struct KxReply {
    int code = 0;
    std::string out;
    std::string msg;
    bool operator==(const KxReply&) const = default;
};

inline void PrintTo(const KxReply& reply, std::ostream* os)
{
    *os << "{" << reply.code << ", \"" << reply.out << "\", \"" << reply.msg << "\"}";
}

// Calls exports with a reply and message buffer as the program does.
class KxClient {
public:
    template <typename F, typename... Args>
    KxReply Call(F function, Args... args)
    {
        Fill();
        const int code = function(args..., m_out.data(), m_msg.data());
        return {code, m_out.data(), m_msg.data()};
    }

    KxReply Open(const std::string& path)
    {
        Fill();
        const int code = KxOpen(path.c_str(), m_msg.data());
        return {code, std::string(), m_msg.data()};
    }

    KxReply Close()
    {
        Fill();
        const int code = KxClose(m_msg.data());
        return {code, std::string(), m_msg.data()};
    }

    // Every reply of a list: the start call, then continuations until a non-zero code.
    template <typename F>
    std::vector<std::string> List(F function, int start)
    {
        std::vector<std::string> replies;
        for (KxReply r = Call(function, start); r.code == 0; r = Call(function, 0))
            replies.push_back(r.out);
        return replies;
    }

    const std::vector<char>& RawOut() const { return m_out; }

private:
    // Bytes the library did not write show as 0x7F; the last byte ends the text in any case.
    void Fill()
    {
        m_out.assign(102400, '\x7F');
        m_msg.assign(8192, '\x7F');
        m_out.back() = '\0';
        m_msg.back() = '\0';
    }

    std::vector<char> m_out;
    std::vector<char> m_msg;
};

}  // namespace kxdata_test
