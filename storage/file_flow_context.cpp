#include "storage/file_flow_context.h"

#include "devices/prompts.h"

#include <QFileInfo>

QString ChooseFileWithExtension(FileFlowContext& c, bool save, const QString& extension, const QString& filter) {
    QString path = c.prompts.ChooseFile({save, extension, QStringLiteral("*.") + extension, filter});
    if (save && !path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    return path;
}
