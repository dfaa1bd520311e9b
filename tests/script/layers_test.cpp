// scripts/check-layers.sh (run by every build) on a tree of one planted
// include: inside script/ each subfolder is a layer of its own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LayerCheck, RefusesEveryIncludeThatDoesNotGoDown)
{
    const struct
    {
        const char *file, *include; // an include starting with '.' is relative to the file
        bool allowed;
    } rows[] = {
        {"script/jscript/a.cpp", "script/bridge/b.h", true},  {"script/scriptcontrol.cpp", "./vbhost/v.h", true},
        {"tools/a.cpp", "script/colorizer/c.h", true},         {"script/objects/a.cpp", "script/bridge/b.h", false},
        {"script/engine/a.h", "../scriptcontrol.h", false},    {"script/vbhost/a.cpp", "script/jscript/j.h", false},
        {"script/bridge/a.cpp", "script/colorizer/c.h", false}, {"script/colorizer/a.cpp", "script/engine/e.h", false},
        {"script/new/a.cpp", "script/engine/e.h", false},      {"model/a.cpp", "script/scriptcontrol.h", false},
    };
    for (const auto &row : rows) {
        QTemporaryDir tree;
        const QDir src(tree.filePath(QStringLiteral("src")));
        const QString file = QLatin1String(row.file), include = QLatin1String(row.include);
        const QString target = include.startsWith(QLatin1Char('.')) ? QFileInfo(file).path() + QLatin1Char('/') + include : include;
        for (const auto &[path, text] : {std::pair{QDir::cleanPath(target), QByteArray()}, {file, "#include \"" + include.toUtf8() + "\"\n"}}) {
            src.mkpath(QFileInfo(path).path());
            QFile out(src.filePath(path));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
        }
        QProcess check;
        check.start(QStringLiteral("bash"), {QStringLiteral(VT_SOURCE_DIR "/scripts/check-layers.sh"), tree.path()});
        ASSERT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(check.exitCode() == 0, row.allowed) << row.file << " includes " << row.include;
    }
}

} // namespace
