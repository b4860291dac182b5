#include "kxdata/RecordText.h"

void WriteMemoField(ReplyWriter& reply, std::string_view bytes, MemoMapping mapping)
{
    for (char c : bytes) {
        if (c == '\0')
            continue;
        if (mapping != MemoMapping::Raw && (c == '~' || c == '|'))
            c = '/';
        if (mapping == MemoMapping::Name) {
            if (c == '!' || c == '&')
                continue;
            if (c == '$')
                c = '~';
        }
        reply.Put(c);
    }
    reply.Put('|');
}

namespace {
const char* QualifierWord(char q)
{
    switch (q) {
    case '0': return "Before";
    case '1': return "Say";
    case '2': return "Circa";
    case '4': return "After";
    case '5': return "Between";
    case '6': return "Or";
    case '7': return "From-To";
    default: return nullptr;
    }
}

// Characters past the end of a short stored date read as NUL, as in a zeroed buffer.
char At(std::string_view t, size_t i)
{
    return i < t.size() ? t[i] : '\0';
}

// The "%.4s/%.2s/%.2s" form of the date whose digits start at `from`.
void WriteDatePart(ReplyWriter& reply, std::string_view t, size_t from)
{
    static constexpr size_t kWidths[] = {4, 2, 2};
    size_t start = from;
    for (size_t part = 0; part < 3; ++part) {
        if (part > 0)
            reply.Put('/');
        for (size_t i = start; i < start + kWidths[part] && At(t, i) != '\0'; ++i)
            reply.Put(t[i]);
        start += kWidths[part];
    }
}
}  // namespace

void WriteDateField(ReplyWriter& reply, std::string_view t)
{
    if (t.empty()) {
        reply.Put('|');
        return;
    }
    if (t[0] == '0') {
        std::string_view kept = t.substr(1, 23);
        while (!kept.empty() && (kept.back() == ' ' || kept.back() == '\t'))
            kept.remove_suffix(1);
        reply.Put(">Irreg:");
        reply.Put(EscapeText(kept));
        reply.Put('|');
        return;
    }
    if (t[0] != '1') {
        reply.Put("Error|");
        return;
    }
    if (At(t, 20) != '0')
        reply.Put('?');
    const char q = At(t, 10);
    if (const char* word = QualifierWord(q)) {
        reply.Put('>');
        reply.Put(word);
        reply.Put(':');
    }
    WriteDatePart(reply, t, 1);
    if (At(t, 9) != '0')
        reply.Put("(Old)");
    if (q > '4') {
        reply.Put('-');
        WriteDatePart(reply, t, 11);
        if (At(t, 19) != '0')
            reply.Put("(Old)");
    }
    reply.Put('|');
}

std::string EscapeText(std::string_view text)
{
    std::string escaped;
    size_t pendingMarks = 0;
    for (const char c : text) {
        if (c == '\x01') {
            ++pendingMarks;
            continue;
        }
        escaped.append(pendingMarks, '~');
        pendingMarks = 0;
        escaped += c == '|' ? '!' : c == '~' ? '-' : c;
    }
    return escaped;
}

int ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    int count = 0;
    std::string::size_type at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
        ++count;
    }
    return count;
}
