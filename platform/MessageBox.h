#pragma once

#include <functional>
#include <string>

// The program's one kind of message box: a text and an OK button. Every message
// shown counts as a reported error, which decides an unattended run's exit status.
class MessageBox {
public:
    // Shows the text with an OK button: a modal dialog when the program has a display and is not
    // unattended; otherwise writes the text as one line to standard error and returns at once.
    static void Show(const std::string& text);
    // Number of messages shown since start (an unattended run exits 1 when it is not 0).
    static int ShownCount();
    // Tests (and unattended runs) may capture messages instead: while a sink is set, Show hands
    // the text to it (still counting) and shows nothing. Pass nullptr to remove it.
    static void SetSink(std::function<void(const std::string&)> sink);
    static void SetUnattended(bool unattended);

    enum class Answer { Yes, No, Cancel };
    // A question with Yes, No and Cancel; not an error, so not counted. Without a
    // dialog to show (unattended, offscreen) the answerer set for tests decides,
    // else Cancel, so nothing is lost or written unasked.
    static Answer Ask(const std::string& text);
    static void SetAnswerer(std::function<Answer(const std::string&)> answerer);
};
