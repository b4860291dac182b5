#pragma once

#include <QString>

#include <string>

// The boundary between our 8-bit strings and Qt's text (drawing, measuring,
// dialogs); only platform/ and app/ include this header.
class QtText {
public:
    // Decodes by the rule of TextCodec: UTF-8 when it is valid UTF-8, else Windows-1252.
    static QString Decode(const std::string& text);
    // Windows-1252 when every character has a byte there, else UTF-8.
    static std::string Encode(const QString& text);
    // File names and other text handed back to the system are UTF-8.
    static std::string EncodeUtf8(const QString& text);
};
