#include "script/objects/automationregistry.h"

#include "objects_support.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace objtest;

namespace {

std::unique_ptr<QObject> newFso()
{
    return std::unique_ptr<QObject>(AutomationRegistry::instance().create(QStringLiteral("Scripting.FileSystemObject")));
}

// ---- path functions: pure text, no disk -----------------------------------

struct PathRow
{
    const char *name;
    const char *member;
    const char *path;
    const char *second;   // BuildPath's name; unused otherwise
    const char *expected;
};

void PrintTo(const PathRow &row, std::ostream *out)
{
    *out << row.name;
}

class FsoPathFunctions : public ::testing::TestWithParam<PathRow>
{
};

TEST_P(FsoPathFunctions, Compute)
{
    const PathRow &row = GetParam();
    auto fso = newFso();
    QVariantList args{QString::fromUtf8(row.path)};
    if (!qstrcmp(row.member, "BuildPath"))
        args << QString::fromUtf8(row.second);
    EXPECT_EQ(call(fso.get(), row.member, args), QVariant(QString::fromUtf8(row.expected)));
}

const PathRow pathRows[] = {
    {"BuildJoins", "BuildPath", "/var/log", "syslog", "/var/log/syslog"},
    {"BuildKeepsOneSeparator", "BuildPath", "/var/log/", "/syslog", "/var/log/syslog"},
    {"BuildTrailingSeparator", "BuildPath", "/var/log/", "syslog", "/var/log/syslog"},
    {"BuildEmptyFolder", "BuildPath", "", "syslog", "syslog"},
    {"BuildEmptyName", "BuildPath", "/var", "", "/var"},
    {"FileName", "GetFileName", "/var/log/app.log", "", "app.log"},
    {"FileNameOfFolderWithSlash", "GetFileName", "/var/log/", "", "log"},
    {"FileNameOfRoot", "GetFileName", "/", "", ""},
    {"BaseName", "GetBaseName", "/data/archive.tar.gz", "", "archive.tar"},
    {"BaseNameWithoutExtension", "GetBaseName", "/data/README", "", "README"},
    {"ExtensionLastDot", "GetExtensionName", "/data/archive.tar.gz", "", "gz"},
    {"ExtensionNone", "GetExtensionName", "/data/README", "", ""},
    {"ExtensionDotFile", "GetExtensionName", "/home/u/.profile", "", "profile"},
    {"Parent", "GetParentFolderName", "/var/log/app.log", "", "/var/log"},
    {"ParentOfFolderWithSlash", "GetParentFolderName", "/var/log/", "", "/var"},
    {"ParentIsRoot", "GetParentFolderName", "/var", "", "/"},
    {"ParentOfRoot", "GetParentFolderName", "/", "", ""},
    {"ParentOfBareName", "GetParentFolderName", "app.log", "", ""},
    {"ParentOfRelative", "GetParentFolderName", "logs/app.log", "", "logs"},
    {"AbsoluteCleansDots", "GetAbsolutePathName", "/var/./log/../tmp", "", "/var/tmp"},
};

INSTANTIATE_TEST_SUITE_P(Rows, FsoPathFunctions, ::testing::ValuesIn(pathRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FsoPathFunctions, AbsolutePathIsRelativeToTheCurrentDirectory)
{
    auto fso = newFso();
    EXPECT_EQ(call(fso.get(), "GetAbsolutePathName", {QStringLiteral("sub/x.txt")}),
              QVariant(QDir::current().absoluteFilePath(QStringLiteral("sub/x.txt"))));
    EXPECT_EQ(call(fso.get(), "GetAbsolutePathName", {QString()}), QVariant(QDir::currentPath()));
}

// ---- files and folders on disk --------------------------------------------

class FsoDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = QDir(dir.path()).canonicalPath();
        fso = newFso();
    }

    QString path(const QString &relative) const { return root + QLatin1Char('/') + relative; }

    void write(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString &relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    std::unique_ptr<QObject> open(const QString &relative, QVariantList more = {})
    {
        more.prepend(path(relative));
        return own(call(fso.get(), "OpenTextFile", more));
    }

    QTemporaryDir dir;
    QString root;
    std::unique_ptr<QObject> fso;
};

TEST_F(FsoDisk, ExistenceTests)
{
    write(QStringLiteral("a.txt"), "x");
    QDir(root).mkdir(QStringLiteral("sub"));
    EXPECT_TRUE(call(fso.get(), "FileExists", {path(QStringLiteral("a.txt"))}).toBool());
    EXPECT_FALSE(call(fso.get(), "FileExists", {path(QStringLiteral("sub"))}).toBool());
    EXPECT_FALSE(call(fso.get(), "FileExists", {path(QStringLiteral("b.txt"))}).toBool());
    EXPECT_FALSE(call(fso.get(), "FileExists", {QString()}).toBool());
    EXPECT_TRUE(call(fso.get(), "FolderExists", {path(QStringLiteral("sub"))}).toBool());
    EXPECT_FALSE(call(fso.get(), "FolderExists", {path(QStringLiteral("a.txt"))}).toBool());
    EXPECT_TRUE(call(fso.get(), "DriveExists", {QStringLiteral("/")}).toBool());
    EXPECT_FALSE(call(fso.get(), "DriveExists", {path(QStringLiteral("sub"))}).toBool() &&
                 QStorageInfo(path(QStringLiteral("sub"))).rootPath() != path(QStringLiteral("sub")));
}

TEST_F(FsoDisk, FilePropertiesComeFromTheDisk)
{
    const QByteArray content = "größe\n";   // 8 bytes in UTF-8
    write(QStringLiteral("logs/app.log"), content);
    const QDateTime stamp(QDate(2021, 3, 4), QTime(5, 6, 7));
    {
        QFile file(path(QStringLiteral("logs/app.log")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    auto file = own(call(fso.get(), "GetFile", {path(QStringLiteral("logs/app.log"))}));
    EXPECT_EQ(get(file.get(), "Name"), QVariant(QStringLiteral("app.log")));
    EXPECT_EQ(get(file.get(), "Path"), QVariant(path(QStringLiteral("logs/app.log"))));
    EXPECT_EQ(get(file.get(), "Size"), QVariant(int(content.size())));
    EXPECT_EQ(get(file.get(), "DateLastModified"), QVariant(stamp));
    EXPECT_TRUE(get(file.get(), "DateCreated").toDateTime().isValid());
    EXPECT_EQ(get(file.get(), "Type"), QVariant(QStringLiteral("LOG File")));
    auto parent = own(get(file.get(), "ParentFolder"));
    EXPECT_EQ(get(parent.get(), "Path"), QVariant(path(QStringLiteral("logs"))));
    EXPECT_EQ(get(parent.get(), "Name"), QVariant(QStringLiteral("logs")));

    QFile::remove(path(QStringLiteral("logs/app.log")));
    const Error gone = raised([&] { get(file.get(), "Size"); });
    EXPECT_EQ(gone.number, 53);
}

TEST_F(FsoDisk, MissingFileAndFolderRaise)
{
    const Error file = raised([&] { call(fso.get(), "GetFile", {path(QStringLiteral("none.txt"))}); });
    EXPECT_EQ(file.number, 53);
    EXPECT_EQ(file.source, QStringLiteral("Scripting.FileSystemObject"));
    EXPECT_TRUE(file.description.startsWith(QStringLiteral("File not found")));
    EXPECT_TRUE(file.description.contains(path(QStringLiteral("none.txt"))));
    const Error folder = raised([&] { call(fso.get(), "GetFolder", {path(QStringLiteral("none"))}); });
    EXPECT_EQ(folder.number, 76);
    EXPECT_EQ(raised([&] { call(fso.get(), "GetFile", {QString()}); }).number, 5);
    EXPECT_EQ(raised([&] { call(fso.get(), "GetFile", {root}); }).number, 53);   // a folder is not a file
}

TEST_F(FsoDisk, FolderListsFilesAndSubfoldersAndSumsSizes)
{
    write(QStringLiteral("b.txt"), "12345");
    write(QStringLiteral("a.txt"), "123");
    write(QStringLiteral(".hidden"), "1");
    write(QStringLiteral("deep/er/c.bin"), QByteArray(1000, 'x'));
    auto folder = own(call(fso.get(), "GetFolder", {root}));
    EXPECT_EQ(get(folder.get(), "Size"), QVariant(5 + 3 + 1 + 1000));
    EXPECT_FALSE(get(folder.get(), "IsRootFolder").toBool());

    auto files = own(get(folder.get(), "Files"));
    EXPECT_EQ(get(files.get(), "Count").toInt(), 3);
    QStringList names;
    for (const QVariant &item : call(files.get(), "Items").toList()) {
        auto file = own(item);
        names << get(file.get(), "Name").toString();
    }
    EXPECT_EQ(names, QStringList({QStringLiteral(".hidden"), QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    auto byName = own(call(files.get(), "Item", {QStringLiteral("b.txt")}));
    EXPECT_EQ(get(byName.get(), "Size"), QVariant(5));
    EXPECT_EQ(raised([&] { call(files.get(), "Item", {QStringLiteral("zzz")}); }).number, 53);

    auto subFolders = own(get(folder.get(), "SubFolders"));
    ASSERT_EQ(get(subFolders.get(), "Count").toInt(), 1);
    auto deep = own(call(subFolders.get(), "Item", {QStringLiteral("deep")}));
    EXPECT_EQ(get(deep.get(), "Size"), QVariant(1000));

    auto top = own(call(fso.get(), "GetFolder", {QStringLiteral("/")}));
    EXPECT_TRUE(get(top.get(), "IsRootFolder").toBool());
    EXPECT_EQ(get(top.get(), "ParentFolder").value<QObject *>(), nullptr);
}

TEST_F(FsoDisk, ReadsLinesWhateverTheirEnding)
{
    write(QStringLiteral("in.txt"), "first\r\nsecond\n\nläst");
    auto stream = open(QStringLiteral("in.txt"));
    EXPECT_EQ(get(stream.get(), "Line").toInt(), 1);
    EXPECT_EQ(call(stream.get(), "ReadLine"), QVariant(QStringLiteral("first")));
    EXPECT_EQ(call(stream.get(), "ReadLine"), QVariant(QStringLiteral("second")));
    EXPECT_TRUE(get(stream.get(), "AtEndOfLine").toBool());
    EXPECT_EQ(call(stream.get(), "ReadLine"), QVariant(QString()));
    EXPECT_EQ(get(stream.get(), "Line").toInt(), 4);
    EXPECT_FALSE(get(stream.get(), "AtEndOfStream").toBool());
    EXPECT_EQ(call(stream.get(), "Read", {2}), QVariant(QStringLiteral("lä")));
    EXPECT_EQ(call(stream.get(), "ReadAll"), QVariant(QStringLiteral("st")));
    EXPECT_TRUE(get(stream.get(), "AtEndOfStream").toBool());
    const Error past = raised([&] { call(stream.get(), "ReadLine"); });
    EXPECT_EQ(past.number, 62);
    EXPECT_EQ(past.source, QStringLiteral("Scripting.FileSystemObject"));
    EXPECT_EQ(raised([&] { call(stream.get(), "ReadAll"); }).number, 62);
    EXPECT_EQ(raised([&] { call(stream.get(), "WriteLine", {QStringLiteral("x")}); }).number, 54);
    call(stream.get(), "Close");
    EXPECT_EQ(raised([&] { call(stream.get(), "ReadLine"); }).number, 52);
}

struct EncodingRow
{
    const char *name;
    QByteArray bytes;
    int format;
};

void PrintTo(const EncodingRow &row, std::ostream *out)
{
    *out << row.name;
}

class FsoEncodings : public FsoDisk, public ::testing::WithParamInterface<EncodingRow>
{
};

TEST_P(FsoEncodings, ReadAllDecodes)
{
    write(QStringLiteral("enc.txt"), GetParam().bytes);
    auto stream = open(QStringLiteral("enc.txt"), {1, false, GetParam().format});
    EXPECT_EQ(call(stream.get(), "ReadAll"), QVariant(QStringLiteral("Ωk\n")));
}

INSTANTIATE_TEST_SUITE_P(Rows, FsoEncodings,
                         ::testing::Values(EncodingRow{"Utf8", QByteArray("\xCE\xA9k\n"), 0},
                                           EncodingRow{"Utf8WithBom", QByteArray("\xEF\xBB\xBF\xCE\xA9k\n"), 0},
                                           EncodingRow{"Utf16LeBom", QByteArray("\xFF\xFE\xA9\x03k\0\n\0", 8), 0},
                                           EncodingRow{"Utf16BeBom", QByteArray("\xFE\xFF\x03\xA9\0k\0\n", 8), 0},
                                           EncodingRow{"Utf16AskedFor", QByteArray("\xA9\x03k\0\n\0", 6), -1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FsoDisk, WritingTruncatesAppendingAdds)
{
    write(QStringLiteral("out.txt"), "old content\n");
    auto writer = open(QStringLiteral("out.txt"), {2});
    call(writer.get(), "WriteLine", {QStringLiteral("one")});
    call(writer.get(), "Write", {QStringLiteral("two")});
    call(writer.get(), "WriteBlankLines", {2});
    EXPECT_EQ(get(writer.get(), "Line").toInt(), 4);
    EXPECT_EQ(raised([&] { call(writer.get(), "ReadLine"); }).number, 54);
    call(writer.get(), "Close");
    EXPECT_EQ(read(QStringLiteral("out.txt")), QByteArray("one\ntwo\n\n"));

    auto appender = open(QStringLiteral("out.txt"), {8});
    call(appender.get(), "WriteLine", {QStringLiteral("ünd")});
    call(appender.get(), "WriteLine");
    appender.reset();   // dropping the stream closes it
    EXPECT_EQ(read(QStringLiteral("out.txt")), QByteArray("one\ntwo\n\nünd\n\n"));
}

TEST_F(FsoDisk, CreateFlagAndMissingFolders)
{
    EXPECT_EQ(raised([&] { open(QStringLiteral("new.txt"), {8, false}); }).number, 53);
    EXPECT_EQ(raised([&] { open(QStringLiteral("new.txt")); }).number, 53);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("new.txt"))));
    auto made = open(QStringLiteral("new.txt"), {8, true});
    call(made.get(), "Write", {QStringLiteral("x")});
    made.reset();
    EXPECT_EQ(read(QStringLiteral("new.txt")), QByteArray("x"));

    auto empty = open(QStringLiteral("empty.txt"), {1, true});   // reading a file it creates
    EXPECT_TRUE(get(empty.get(), "AtEndOfStream").toBool());
    EXPECT_EQ(raised([&] { call(empty.get(), "ReadAll"); }).number, 62);

    EXPECT_EQ(raised([&] { open(QStringLiteral("no/such/dir/f.txt"), {2, true}); }).number, 76);
    EXPECT_EQ(raised([&] { open(QStringLiteral("new.txt"), {3}); }).number, 5);
    EXPECT_EQ(raised([&] { open(QStringLiteral("new.txt"), {1, false, 7}); }).number, 5);
    EXPECT_EQ(raised([&] { call(fso.get(), "OpenTextFile", {root}); }).number, 70);
}

TEST_F(FsoDisk, CreateTextFileOverwritesOnlyWhenAllowed)
{
    write(QStringLiteral("keep.txt"), "keep");
    const Error exists = raised([&] { call(fso.get(), "CreateTextFile", {path(QStringLiteral("keep.txt")), false}); });
    EXPECT_EQ(exists.number, 58);
    EXPECT_EQ(read(QStringLiteral("keep.txt")), QByteArray("keep"));
    auto replaced = own(call(fso.get(), "CreateTextFile", {path(QStringLiteral("keep.txt"))}));
    call(replaced.get(), "Write", {QStringLiteral("new")});
    call(replaced.get(), "Close");
    EXPECT_EQ(read(QStringLiteral("keep.txt")), QByteArray("new"));

    auto unicode = own(call(fso.get(), "CreateTextFile", {path(QStringLiteral("u.txt")), true, true}));
    call(unicode.get(), "Write", {QStringLiteral("A")});
    call(unicode.get(), "Close");
    EXPECT_EQ(read(QStringLiteral("u.txt")), QByteArray("\xFF\xFE" "A\0", 4));
    EXPECT_EQ(raised([&] { call(fso.get(), "CreateTextFile", {path(QStringLiteral("x/y.txt"))}); }).number, 76);
}

TEST_F(FsoDisk, PermissionDenied)
{
    if (!QFileInfo::exists(QStringLiteral("/sys/devices/system/cpu/online")))
        GTEST_SKIP() << "no sysfs";
    // A read-only sysfs attribute: no one may write it, root included.
    const Error error = raised([&] { call(fso.get(), "OpenTextFile", {QStringLiteral("/sys/devices/system/cpu/online"), 2}); });
    EXPECT_EQ(error.number, 70);
    EXPECT_EQ(error.source, QStringLiteral("Scripting.FileSystemObject"));

    if (::geteuid() != 0) {   // file modes bind everyone but root
        write(QStringLiteral("locked.txt"), "secret");
        QFile::setPermissions(path(QStringLiteral("locked.txt")), QFileDevice::Permissions());
        EXPECT_EQ(raised([&] { open(QStringLiteral("locked.txt")); }).number, 70);
    }
}

// A FIFO that nobody writes to (or reads from) would block open() for good,
// and a device such as /dev/zero never ends: text streams refuse both at once.
struct SpecialFileRow
{
    const char *name;
    const char *member;   // "OpenTextFile", "CreateTextFile" or "OpenAsTextStream"
    const char *file;     // "fifo" for the test's FIFO, else an absolute path
    QVariant mode;
};

void PrintTo(const SpecialFileRow &row, std::ostream *out)
{
    *out << row.name;
}

class FsoSpecialFiles : public FsoDisk, public ::testing::WithParamInterface<SpecialFileRow>
{
};

TEST_P(FsoSpecialFiles, AreNotOpenedAsText)
{
    const SpecialFileRow &row = GetParam();
    QString file = QString::fromLatin1(row.file);
    if (file == QLatin1String("fifo")) {
        file = path(QStringLiteral("fifo"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (!QFileInfo::exists(file)) {
        GTEST_SKIP() << row.file << " is missing";
    }
    const Error error = raised([&] {
        const QString member = QString::fromLatin1(row.member);
        if (member == QLatin1String("OpenAsTextStream")) {
            auto fileObject = own(call(fso.get(), "GetFile", {file}));
            own(call(fileObject.get(), "OpenAsTextStream", {row.mode}));
        } else {
            own(call(fso.get(), row.member, {file, row.mode}));
        }
    });
    EXPECT_EQ(error.number, 75);
    EXPECT_TRUE(error.description.contains(file)) << error.description.toStdString();
}

const SpecialFileRow specialFileRows[] = {
    {"FifoForReading", "OpenTextFile", "fifo", 1},
    {"FifoForWriting", "OpenTextFile", "fifo", 2},
    {"FifoForAppending", "OpenTextFile", "fifo", 8},
    {"FifoCreatedOver", "CreateTextFile", "fifo", true},
    {"FifoFileObject", "OpenAsTextStream", "fifo", 1},
    {"EndlessDevice", "OpenTextFile", "/dev/zero", 1},
    {"EndlessDeviceFileObject", "OpenAsTextStream", "/dev/zero", 1},
};

INSTANTIATE_TEST_SUITE_P(Rows, FsoSpecialFiles, ::testing::ValuesIn(specialFileRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FsoDisk, CreateAndDeleteFoldersAndFiles)
{
    auto made = own(call(fso.get(), "CreateFolder", {path(QStringLiteral("made"))}));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("made"))).isDir());
    EXPECT_EQ(raised([&] { call(fso.get(), "CreateFolder", {path(QStringLiteral("made"))}); }).number, 58);
    EXPECT_EQ(raised([&] { call(fso.get(), "CreateFolder", {path(QStringLiteral("a/b"))}); }).number, 76);
    write(QStringLiteral("made/f.txt"), "f");
    call(fso.get(), "DeleteFile", {path(QStringLiteral("made/f.txt"))});
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("made/f.txt"))));
    EXPECT_EQ(raised([&] { call(fso.get(), "DeleteFile", {path(QStringLiteral("made/f.txt"))}); }).number, 53);
    call(fso.get(), "DeleteFolder", {path(QStringLiteral("made"))});
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("made"))));
    EXPECT_EQ(raised([&] { call(fso.get(), "DeleteFolder", {path(QStringLiteral("made"))}); }).number, 76);
}

TEST_F(FsoDisk, DriveOfAPathReportsItsFileSystem)
{
    const QStorageInfo storage(root);
    const QVariant name = call(fso.get(), "GetDriveName", {root});
    EXPECT_EQ(name, QVariant(storage.rootPath()));
    // A path that does not exist yet lies on its nearest existing folder's drive.
    EXPECT_EQ(call(fso.get(), "GetDriveName", {path(QStringLiteral("not/yet"))}), name);

    auto drive = own(call(fso.get(), "GetDrive", {name}));
    EXPECT_EQ(get(drive.get(), "Path"), name);
    EXPECT_TRUE(get(drive.get(), "IsReady").toBool());
    EXPECT_EQ(get(drive.get(), "FileSystem"), QVariant(QString::fromUtf8(storage.fileSystemType())));
    const double total = get(drive.get(), "TotalSize").toDouble();
    const double free = get(drive.get(), "FreeSpace").toDouble();
    const double available = get(drive.get(), "AvailableSpace").toDouble();
    EXPECT_EQ(total, double(storage.bytesTotal()));
    EXPECT_GT(total, 0);
    EXPECT_GE(free, available);
    EXPECT_LE(free, total);
    auto rootFolder = own(get(drive.get(), "RootFolder"));
    EXPECT_EQ(get(rootFolder.get(), "Path"), name);

    auto byPath = own(call(fso.get(), "GetDrive", {root}));   // any path on it works too
    EXPECT_EQ(get(byPath.get(), "Path"), name);
    auto ofFile = own(call(fso.get(), "GetDrive", {QStringLiteral("/")}));
    EXPECT_EQ(get(ofFile.get(), "Path"), QVariant(QStringLiteral("/")));

    const Error missing = raised([&] { call(fso.get(), "GetDrive", {path(QStringLiteral("nowhere"))}); });
    EXPECT_EQ(missing.number, 68);
    EXPECT_EQ(missing.source, QStringLiteral("Scripting.FileSystemObject"));
}

} // namespace
