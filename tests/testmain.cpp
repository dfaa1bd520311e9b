#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test binary runs its widgets on the offscreen platform, with a private
// runtime directory so Qt does not complain about a missing or shared one, and
// as its home and state folder too (the error log goes there), which the
// programs it starts inherit.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
        qputenv("HOME", QFile::encodeName(runtimeDir.path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(runtimeDir.filePath(QStringLiteral("state"))));
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
