#include "appenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace appenv {

QString version()
{
    return QStringLiteral(VT_VERSION);
}

static bool usableRuntimeDir(const QByteArray &path)
{
    struct stat info;
    return !path.isEmpty() && ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0700;
}

std::unique_ptr<QTemporaryDir> ensureRuntimeDir()
{
    if (usableRuntimeDir(qgetenv("XDG_RUNTIME_DIR")))
        return nullptr;
    // QTemporaryDir creates the folder with mode 0700.
    auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/veltrano-runtime-XXXXXX"));
    if (!dir->isValid())
        return nullptr; // Qt then says why itself
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir->path()));
    return dir;
}

static QtMessageHandler previousHandler = nullptr;

static void dropHintWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    previousHandler(type, context, message);
}

void dropWindowHintWarnings()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(dropHintWarning);
}

QString defaultDataFolder()
{
#ifdef VT_INSTALLED_DATA_DIR
    const QDir installed(QCoreApplication::applicationDirPath() + QStringLiteral("/" VT_INSTALLED_DATA_DIR));
    if (QFileInfo::exists(installed.filePath(QStringLiteral("Veltrano.xml"))))
        return installed.absolutePath();
#endif
    return QStringLiteral(VT_DEFAULT_DATA_DIR);
}

QString dataFolderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("data folder %1 does not exist").arg(folder);
    if (!info.isDir())
        return QStringLiteral("data folder %1 is not a folder").arg(folder);
    if (!QFileInfo(QDir(folder).filePath(QStringLiteral("Veltrano.xml"))).isFile())
        return QStringLiteral("data folder %1 holds no sensor pattern (Veltrano.xml)").arg(folder);
    return {};
}

bool asksHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *word : {"--help", "-h", "--help-all", "--version", "-v", "-V"}) {
            if (std::strcmp(argv[i], word) == 0)
                return true;
        }
    }
    return false;
}

QString dataArgumentProblem(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
            return dataFolderProblem(QFile::decodeName(argv[i + 1]));
        if (std::strncmp(argv[i], "--data=", 7) == 0)
            return dataFolderProblem(QFile::decodeName(argv[i] + 7));
    }
    return {};
}

} // namespace appenv
