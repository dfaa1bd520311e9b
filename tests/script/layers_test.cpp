// scripts/check-layers.sh (run by every build) on a tree of one planted
// include each: inside script/ the subfolders are layers of their own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(LayerCheck, RefusesEveryIncludeThatDoesNotGoDown)
{
    const struct
    {
        const char *file, *include, *target; // target: the included file, from src/
        bool allowed;
    } rows[] = {
        {"script/jscript/a.cpp", "script/bridge/b.h", "script/bridge/b.h", true},
        {"script/scriptcontrol.cpp", "vbhost/v.h", "script/vbhost/v.h", true},
        {"script/objects/a.cpp", "script/vbscript/v.h", "script/vbscript/v.h", true},
        {"tools/a.cpp", "script/colorizer/c.h", "script/colorizer/c.h", true},
        {"script/colorizer/a.cpp", "host/h.h", "host/h.h", true},
        {"script/objects/a.cpp", "script/bridge/b.h", "script/bridge/b.h", false},
        {"script/engine/a.h", "script/objects/o.h", "script/objects/o.h", false},
        {"script/engine/a.h", "../scriptcontrol.h", "script/scriptcontrol.h", false},
        {"script/vbhost/a.cpp", "script/jscript/j.h", "script/jscript/j.h", false},
        {"script/bridge/a.cpp", "script/colorizer/c.h", "script/colorizer/c.h", false},
        {"script/colorizer/a.cpp", "script/engine/e.h", "script/engine/e.h", false},
        {"script/vbscript/a.cpp", "script/engine/e.h", "script/engine/e.h", false},
        {"script/newfolder/a.cpp", "script/engine/e.h", "script/engine/e.h", false},
        {"model/a.cpp", "script/scriptcontrol.h", "script/scriptcontrol.h", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.file) + " includes " + row.include);
        QTemporaryDir tree;
        write(tree.filePath(QStringLiteral("src/") + QLatin1String(row.target)), "#pragma once\n");
        write(tree.filePath(QStringLiteral("src/") + QLatin1String(row.file)),
              QByteArray("#include \"") + row.include + "\"\n");
        QProcess check;
        check.start(QStringLiteral("bash"), {QStringLiteral(VT_SOURCE_DIR "/scripts/check-layers.sh"), tree.path()});
        ASSERT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(check.exitCode() == 0, row.allowed) << check.readAllStandardOutput().toStdString();
    }
}

} // namespace
