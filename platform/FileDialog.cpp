#include "platform/FileDialog.h"

#include "platform/QtText.h"

#include <QDir>
#include <QFileDialog>

std::optional<std::string> FileDialog::GetOpenFileName(
    QWidget* parent, const std::string& filter, const std::string& defaultExtension)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(ToNameFilters(filter));
    dialog.setDefaultSuffix(QtText::Decode(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QtText::EncodeUtf8(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

std::optional<std::string> FileDialog::GetSaveFileName(QWidget* parent, const std::string& title,
    const std::string& initialName, const std::string& filter, const std::string& defaultExtension)
{
    QFileDialog dialog(parent, QtText::Decode(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(ToNameFilters(filter));
    QString suffix = QtText::Decode(defaultExtension);
    if (suffix.startsWith(QLatin1String("*.")))
        suffix.remove(0, 2);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QtText::Decode(initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QtText::EncodeUtf8(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

QStringList FileDialog::ToNameFilters(const std::string& filter)
{
    const QStringList parts = QtText::Decode(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.isEmpty())
            break;  // the "||" that ends the filter
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (trimmed == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            patterns << trimmed;
            if (trimmed.toUpper() != trimmed)
                patterns << trimmed.toUpper();
        }
        result << description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}
