#include "storage/file_flow_context.h"

#include "devices/prompts.h"

#include <QFileInfo>

QString ChooseFileWithExtension(FileFlowContext& c, bool save, const QString& extension, const QString& filter) {
    QString path = c.prompts.ChooseFile({save, extension, QStringLiteral("*.") + extension, filter});
    if (save && !path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    return path;
}

void ExportInto(Prompts& prompts, const QString& extension, const QString& description,
                const std::function<bool(const QString& path)>& write) {
    constexpr StringId kSaveTitle = 186, kNotWritten = 446;
    const QString filter = QStringLiteral("%1 (*.%2)|*.%2|All Files (*.*)|*.*||").arg(description, extension);
    const QString path = prompts.ChooseFile({true, extension, QStringLiteral("*.") + extension, filter});
    if (!path.isEmpty() && !write(path))
        prompts.ShowMessage(kSaveTitle, kNotWritten);
}
