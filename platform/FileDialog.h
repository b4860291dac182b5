#pragma once

#include <QStringList>

#include <optional>
#include <string>

class QWidget;

// The system's file dialogs with filters written the Windows way:
// "Description|*.a;*.b|Other|*.c||".
class FileDialog {
public:
    // Asks for an existing file; its full path, or nothing when the user cancels.
    // A name typed without extension gets defaultExtension.
    static std::optional<std::string> GetOpenFileName(
        QWidget* parent, const std::string& filter, const std::string& defaultExtension);

    // Asks for a file to write, starting at initialName; asks before an
    // existing file is replaced. A name typed without extension gets
    // defaultExtension (a leading "*." is dropped). Nothing when cancelled.
    static std::optional<std::string> GetSaveFileName(QWidget* parent, const std::string& title,
        const std::string& initialName, const std::string& filter, const std::string& defaultExtension);

    // The filter as Qt name filters, one a description. Patterns also match in upper
    // case, since files copied from Windows often carry upper-case extensions, and
    // "*.*" matches every file, as it does on Windows.
    static QStringList ToNameFilters(const std::string& filter);
};
