#include "platform/MessageBox.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>
#include <utility>

namespace {

int g_shownCount = 0;
bool g_unattended = false;
std::function<void(const std::string&)> g_sink;
std::function<MessageBox::Answer(const std::string&)> g_answerer;

// A dialog needs a widget application on a real display; offscreen or without
// one there is nobody to press OK.
bool CanShowDialog()
{
    if (g_unattended || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

std::string OneLine(std::string text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result.push_back(text[i] == '\r' || text[i] == '\n' ? ' ' : text[i]);
    }
    return result;
}

}  // namespace

void MessageBox::Show(const std::string& text)
{
    ++g_shownCount;
    if (g_sink) {
        g_sink(text);
        return;
    }
    if (!CanShowDialog()) {
        std::cerr << OneLine(text) << std::endl;
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationDisplayName(), QtText::Decode(text));
}

int MessageBox::ShownCount()
{
    return g_shownCount;
}

void MessageBox::SetSink(std::function<void(const std::string&)> sink)
{
    g_sink = std::move(sink);
}

void MessageBox::SetUnattended(bool unattended)
{
    g_unattended = unattended;
}

MessageBox::Answer MessageBox::Ask(const std::string& text)
{
    if (g_answerer)
        return g_answerer(text);
    if (!CanShowDialog())
        return Answer::Cancel;
    const QMessageBox::StandardButton button = QMessageBox::question(QApplication::activeWindow(),
        QApplication::applicationDisplayName(), QtText::Decode(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void MessageBox::SetAnswerer(std::function<Answer(const std::string&)> answerer)
{
    g_answerer = std::move(answerer);
}
