// Scripting.FileSystemObject and its File, Folder, Drive and TextStream
// objects, reached by member name as a script reaches them.
#include "expecterror.h"
#include "script_support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace objtest;

namespace {

const QString fsoSource = QStringLiteral("Scripting.FileSystemObject");

TEST(FsoPaths, ComputedFromTheTextAlone)
{
    const struct
    {
        const char *member, *path, *expected;
    } rows[] = {
        {"GetFileName", "/var/log/app.log", "app.log"},           {"GetFileName", "/var/log/", "log"},
        {"GetFileName", "/", ""},                                 {"GetBaseName", "/data/archive.tar.gz", "archive.tar"},
        {"GetBaseName", "/data/README", "README"},                {"GetExtensionName", "/data/archive.tar.gz", "gz"},
        {"GetExtensionName", "/data/README", ""},                 {"GetExtensionName", "/home/u/.profile", "profile"},
        {"GetParentFolderName", "/var/log/app.log", "/var/log"},  {"GetParentFolderName", "/var/log/", "/var"},
        {"GetParentFolderName", "/var", "/"},                     {"GetParentFolderName", "/", ""},
        {"GetParentFolderName", "app.log", ""},                   {"GetParentFolderName", "logs/app.log", "logs"},
        {"GetAbsolutePathName", "/var/./log/../tmp", "/var/tmp"},
    };
    auto fso = create("Scripting.FileSystemObject");
    for (const auto &row : rows)
        EXPECT_EQ(call(fso.get(), row.member, {QString::fromUtf8(row.path)}), QVariant(QString::fromUtf8(row.expected)))
            << row.member << "(" << row.path << ")";
    const struct
    {
        const char *folder, *name, *expected;
    } builds[] = {{"/var/log", "syslog", "/var/log/syslog"}, {"/var/log/", "/syslog", "/var/log/syslog"},
                  {"/var/log/", "syslog", "/var/log/syslog"}, {"", "syslog", "syslog"}, {"/var", "", "/var"}};
    for (const auto &row : builds)
        EXPECT_EQ(call(fso.get(), "BuildPath", {QString::fromUtf8(row.folder), QString::fromUtf8(row.name)}),
                  QVariant(QString::fromUtf8(row.expected)))
            << row.folder << " + " << row.name;
    EXPECT_EQ(call(fso.get(), "GetAbsolutePathName", {QStringLiteral("sub/x.txt")}),
              QVariant(QDir::current().absoluteFilePath(QStringLiteral("sub/x.txt"))));
    EXPECT_EQ(call(fso.get(), "GetAbsolutePathName", {QString()}), QVariant(QDir::currentPath()));
}

class FsoDisk : public ::testing::Test
{
protected:
    QString path(const char *relative) const { return root + QLatin1Char('/') + QString::fromUtf8(relative); }

    void write(const char *relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const char *relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QVariant fso(const char *member, QVariantList args = {}) { return call(object.get(), member, args); }

    std::unique_ptr<QObject> open(const char *relative, QVariantList more = {})
    {
        more.prepend(path(relative));
        return own(fso("OpenTextFile", more));
    }

    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    std::unique_ptr<QObject> object = create("scripting.filesystemobject");
};

TEST_F(FsoDisk, ExistenceAndMissingFilesAndFolders)
{
    write("a.txt", "x");
    QDir(root).mkdir(QStringLiteral("sub"));
    const struct
    {
        const char *member;
        QString path;
        bool expected;
    } rows[] = {{"FileExists", path("a.txt"), true},    {"FileExists", path("sub"), false},
                {"FileExists", path("b.txt"), false},   {"FileExists", QString(), false},
                {"FolderExists", path("sub"), true},    {"FolderExists", path("a.txt"), false},
                {"DriveExists", QStringLiteral("/"), true}};
    for (const auto &row : rows)
        EXPECT_EQ(fso(row.member, {row.path}).toBool(), row.expected) << row.member << " " << row.path.toStdString();

    const Error file = raisedBy([&] { fso("GetFile", {path("none.txt")}); });
    EXPECT_EQ(file.number, 53);
    EXPECT_EQ(file.source, fsoSource);
    EXPECT_TRUE(file.description.startsWith(QStringLiteral("File not found")));
    EXPECT_TRUE(file.description.contains(path("none.txt")));
    expectError(76, [&] { fso("GetFolder", {path("none")}); });
    expectError(5, [&] { fso("GetFile", {QString()}); });
    expectError(53, [&] { fso("GetFile", {root}); }); // a folder is not a file
}

TEST_F(FsoDisk, FileAndFolderPropertiesComeFromTheDisk)
{
    write("logs/app.log", "größe\n"); // 8 bytes in UTF-8
    const QDateTime stamp(QDate(2021, 3, 4), QTime(5, 6, 7));
    {
        QFile file(path("logs/app.log"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    auto file = own(fso("GetFile", {path("logs/app.log")}));
    EXPECT_EQ(props(file.get(), "Name|Path|Size|Type"), QStringLiteral("app.log|%1|8|LOG File").arg(path("logs/app.log")));
    EXPECT_EQ(get(file.get(), "DateLastModified"), QVariant(stamp));
    EXPECT_TRUE(get(file.get(), "DateCreated").toDateTime().isValid());
    EXPECT_EQ(props(own(get(file.get(), "ParentFolder")).get(), "Path|Name"), path("logs") + QStringLiteral("|logs"));
    QFile::remove(path("logs/app.log"));
    expectError(53, [&] { get(file.get(), "Size"); });

    write("b.txt", "12345");
    write("a.txt", "123");
    write(".hidden", "1");
    write("deep/er/c.bin", QByteArray(1000, 'x'));
    auto folder = own(fso("GetFolder", {root}));
    EXPECT_EQ(props(folder.get(), "Size|IsRootFolder"), QStringLiteral("1009|false"));
    auto files = own(get(folder.get(), "Files"));
    EXPECT_EQ(get(files.get(), "Count").toInt(), 3);
    QStringList names;
    for (const QVariant &item : call(files.get(), "Items").toList())
        names << get(own(item).get(), "Name").toString();
    EXPECT_EQ(names, QStringList({QStringLiteral(".hidden"), QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    EXPECT_EQ(get(own(call(files.get(), "Item", {QStringLiteral("b.txt")})).get(), "Size"), QVariant(5));
    expectError(53, [&] { call(files.get(), "Item", {QStringLiteral("zzz")}); });
    auto subFolders = own(get(folder.get(), "SubFolders"));
    ASSERT_EQ(get(subFolders.get(), "Count").toInt(), 2);
    EXPECT_EQ(get(own(call(subFolders.get(), "Item", {QStringLiteral("deep")})).get(), "Size"), QVariant(1000));
    auto top = own(fso("GetFolder", {QStringLiteral("/")}));
    EXPECT_TRUE(get(top.get(), "IsRootFolder").toBool());
    EXPECT_EQ(get(top.get(), "ParentFolder").value<QObject *>(), nullptr);
}

TEST_F(FsoDisk, ReadsLinesWhateverTheirEndingAndDecodes)
{
    write("in.txt", "first\r\nsecond\n\nläst");
    auto stream = open("in.txt");
    EXPECT_EQ(get(stream.get(), "Line").toInt(), 1);
    QStringList seen{call(stream.get(), "ReadLine").toString(), call(stream.get(), "ReadLine").toString()};
    seen << props(stream.get(), "AtEndOfLine") << call(stream.get(), "ReadLine").toString()
         << props(stream.get(), "Line|AtEndOfStream") << call(stream.get(), "Read", {2}).toString()
         << call(stream.get(), "ReadAll").toString() << props(stream.get(), "AtEndOfStream");
    EXPECT_EQ(seen.join(QLatin1Char(',')), QStringLiteral("first,second,true,,4|false,lä,st,true"));
    expectError(62, [&] { call(stream.get(), "ReadLine"); }, fsoSource);
    expectError(62, [&] { call(stream.get(), "ReadAll"); });
    expectError(54, [&] { call(stream.get(), "WriteLine", {QStringLiteral("x")}); });
    call(stream.get(), "Close");
    expectError(52, [&] { call(stream.get(), "ReadLine"); });

    const struct
    {
        QByteArray bytes;
        int format;
    } encodings[] = {{QByteArray("\xCE\xA9k\n"), 0},
                     {QByteArray("\xEF\xBB\xBF\xCE\xA9k\n"), 0},
                     {QByteArray("\xFF\xFE\xA9\x03k\0\n\0", 8), 0},
                     {QByteArray("\xFE\xFF\x03\xA9\0k\0\n", 8), 0},
                     {QByteArray("\xA9\x03k\0\n\0", 6), -1}};
    for (const auto &row : encodings) {
        write("enc.txt", row.bytes);
        EXPECT_EQ(call(open("enc.txt", {1, false, row.format}).get(), "ReadAll"), QVariant(QStringLiteral("Ωk\n")))
            << row.bytes.toHex().toStdString();
    }
}

TEST_F(FsoDisk, WritingTruncatesAppendingAddsCreatingOnlyWhenAllowed)
{
    write("out.txt", "old content\n");
    auto writer = open("out.txt", {2});
    call(writer.get(), "WriteLine", {QStringLiteral("one")});
    call(writer.get(), "Write", {QStringLiteral("two")});
    call(writer.get(), "WriteBlankLines", {2});
    EXPECT_EQ(get(writer.get(), "Line").toInt(), 4);
    expectError(54, [&] { call(writer.get(), "ReadLine"); });
    call(writer.get(), "Close");
    EXPECT_EQ(read("out.txt"), QByteArray("one\ntwo\n\n"));
    auto appender = open("out.txt", {8});
    call(appender.get(), "WriteLine", {QStringLiteral("ünd")});
    call(appender.get(), "WriteLine");
    appender.reset(); // dropping the stream closes it
    EXPECT_EQ(read("out.txt"), QByteArray("one\ntwo\n\nünd\n\n"));

    expectError(53, [&] { open("new.txt", {8, false}); });
    expectError(53, [&] { open("new.txt"); });
    EXPECT_FALSE(QFileInfo::exists(path("new.txt")));
    call(open("new.txt", {8, true}).get(), "Write", {QStringLiteral("x")});
    EXPECT_EQ(read("new.txt"), QByteArray("x"));
    auto empty = open("empty.txt", {1, true}); // reading a file it creates
    EXPECT_TRUE(get(empty.get(), "AtEndOfStream").toBool());
    expectError(62, [&] { call(empty.get(), "ReadAll"); });
    expectError(76, [&] { open("no/such/dir/f.txt", {2, true}); });
    expectError(5, [&] { open("new.txt", {3}); });
    expectError(5, [&] { open("new.txt", {1, false, 7}); });
    expectError(70, [&] { fso("OpenTextFile", {root}); });

    write("keep.txt", "keep");
    expectError(58, [&] { fso("CreateTextFile", {path("keep.txt"), false}); });
    EXPECT_EQ(read("keep.txt"), QByteArray("keep"));
    call(own(fso("CreateTextFile", {path("keep.txt")})).get(), "Write", {QStringLiteral("new")});
    EXPECT_EQ(read("keep.txt"), QByteArray("new"));
    call(own(fso("CreateTextFile", {path("u.txt"), true, true})).get(), "Write", {QStringLiteral("A")});
    EXPECT_EQ(read("u.txt"), QByteArray("\xFF\xFE" "A\0", 4));
    expectError(76, [&] { fso("CreateTextFile", {path("x/y.txt")}); });
}

TEST_F(FsoDisk, CreateAndDeleteFoldersAndFiles)
{
    own(fso("CreateFolder", {path("made")}));
    EXPECT_TRUE(QFileInfo(path("made")).isDir());
    expectError(58, [&] { fso("CreateFolder", {path("made")}); });
    expectError(76, [&] { fso("CreateFolder", {path("a/b")}); });
    write("made/f.txt", "f");
    fso("DeleteFile", {path("made/f.txt")});
    EXPECT_FALSE(QFileInfo::exists(path("made/f.txt")));
    expectError(53, [&] { fso("DeleteFile", {path("made/f.txt")}); });
    fso("DeleteFolder", {path("made")});
    EXPECT_FALSE(QFileInfo::exists(path("made")));
    expectError(76, [&] { fso("DeleteFolder", {path("made")}); });
}

// A file that cannot grow (here: past the process's file size limit, which
// the system refuses as it refuses a full disk) is 61 "Disk full" from every
// writer, also when a write got part of the way.
TEST_F(FsoDisk, AFileThatCannotGrowIsDiskFull)
{
    const struct
    {
        const char *what;
        std::function<void(QObject *)> write;
    } rows[] = {
        {"Write", [](QObject *s) { call(s, "Write", {QString(10000, QLatin1Char('x'))}); }},
        {"two Writes", [](QObject *s) { for (int i = 0; i < 2; ++i) call(s, "Write", {QString(3000, QLatin1Char('x'))}); }},
        {"WriteLine", [](QObject *s) { call(s, "WriteLine", {QString(5000, QLatin1Char('x'))}); }},
        {"WriteBlankLines", [](QObject *s) { call(s, "WriteBlankLines", {5000}); }},
    };
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    for (const auto &row : rows) {
        auto stream = own(fso("CreateTextFile", {path("full.txt")}));
        rlimit small = saved;
        small.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const Error e = raisedBy([&] { row.write(stream.get()); });
        ::setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(e.number, 61) << row.what << ": " << e.description.toStdString();
    }
    std::signal(SIGXFSZ, handler);
}

// Refused: a file no one may write, a FIFO nobody writes to (open() would
// block for good) and a device that never ends.
TEST_F(FsoDisk, PermissionDeniedAndSpecialFilesAreNotOpened)
{
    const QString sysfs = QStringLiteral("/sys/devices/system/cpu/online"); // read-only, root included
    if (QFileInfo::exists(sysfs))
        expectError(70, [&] { fso("OpenTextFile", {sysfs, 2}); }, fsoSource);
    if (::geteuid() != 0) { // file modes bind everyone but root
        write("locked.txt", "secret");
        QFile::setPermissions(path("locked.txt"), QFileDevice::Permissions());
        expectError(70, [&] { open("locked.txt"); });
    }

    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    const struct
    {
        const char *member; // OpenAsTextStream: of the File object
        QString file;
        QVariant mode;
    } rows[] = {{"OpenTextFile", path("fifo"), 1},         {"OpenTextFile", path("fifo"), 2},
                {"OpenTextFile", path("fifo"), 8},         {"CreateTextFile", path("fifo"), true},
                {"OpenAsTextStream", path("fifo"), 1},     {"OpenTextFile", QStringLiteral("/dev/zero"), 1},
                {"OpenAsTextStream", QStringLiteral("/dev/zero"), 1}};
    for (const auto &row : rows) {
        const Error error = raisedBy([&] {
            if (row.member == std::string("OpenAsTextStream"))
                own(call(own(fso("GetFile", {row.file})).get(), "OpenAsTextStream", {row.mode}));
            else
                own(fso(row.member, {row.file, row.mode}));
        });
        EXPECT_EQ(error.number, 75) << row.member << " " << row.file.toStdString();
        EXPECT_TRUE(error.description.contains(row.file)) << error.description.toStdString();
    }
}

TEST_F(FsoDisk, DriveOfAPathReportsItsFileSystem)
{
    const QStorageInfo storage(root);
    const QVariant name = fso("GetDriveName", {root});
    EXPECT_EQ(name, QVariant(storage.rootPath()));
    // A path that does not exist yet lies on its nearest existing folder's drive.
    EXPECT_EQ(fso("GetDriveName", {path("not/yet")}), name);
    auto drive = own(fso("GetDrive", {name}));
    EXPECT_EQ(props(drive.get(), "Path|IsReady|FileSystem"),
              QStringLiteral("%1|true|%2").arg(name.toString(), QString::fromUtf8(storage.fileSystemType())));
    const double total = get(drive.get(), "TotalSize").toDouble();
    const double free = get(drive.get(), "FreeSpace").toDouble();
    EXPECT_EQ(total, double(storage.bytesTotal()));
    EXPECT_GE(free, get(drive.get(), "AvailableSpace").toDouble());
    EXPECT_LE(free, total);
    EXPECT_EQ(get(own(get(drive.get(), "RootFolder")).get(), "Path"), name);
    EXPECT_EQ(get(own(fso("GetDrive", {root})).get(), "Path"), name); // any path on it works too
    EXPECT_EQ(get(own(fso("GetDrive", {QStringLiteral("/")})).get(), "Path"), QVariant(QStringLiteral("/")));
    expectError(68, [&] { fso("GetDrive", {path("nowhere")}); }, fsoSource);
}

} // namespace
