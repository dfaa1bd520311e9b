#include "languagefiles.h"

#include "errorcore/error.h"
#include "common/nodes.h"

#include <QFileInfo>

bool CheckLangInDisk(const QString &languageId, const QString &folder)
{
    return passing(" General.CheckLangInDisk() ", [&] {
        const QString fileName = folder + QLatin1Char('\\') + languageId + QLatin1String(".lng");
        return QFileInfo(localFilePath(fileName)).isFile();
    });
}
