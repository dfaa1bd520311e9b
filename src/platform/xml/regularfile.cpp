#include "regularfile.h"

#include "errorcore/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regularfile {
namespace {

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const char *step, const QString &path, int error)
{
    throw Error(75, QStringLiteral("Cannot write %1: %2 failed: %3").arg(path, QLatin1String(step), reason(error)));
}

// A descriptor closed when it goes out of scope (unless released).
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now and reports close's own failure (a write the file system
    // could not complete may only show here).
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

QByteArray localPath(const QString &path)
{
    return QFile::encodeName(path);
}

// What replaces `path`: the file a link points to, and what the new file
// must look like.
struct Target
{
    QByteArray path;
    bool exists = false;
    struct stat status = {};
};

Target targetOf(const QString &path)
{
    Target target;
    target.path = localPath(path);
    struct stat link = {};
    if (::lstat(target.path.constData(), &link) != 0) {
        if (errno == ENOENT)
            return target;
        fail("looking at the file", path, errno);
    }
    if (S_ISLNK(link.st_mode)) {
        char *resolved = ::realpath(target.path.constData(), nullptr);
        if (!resolved)
            throw Error(75, QStringLiteral("Cannot write %1: the link points to nothing that can be written (%2)")
                                .arg(path, reason(errno)));
        target.path = resolved;
        std::free(resolved);
    }
    if (::stat(target.path.constData(), &target.status) != 0)
        fail("looking at the file", path, errno);
    if (!S_ISREG(target.status.st_mode))
        throw Error(75, QStringLiteral("Cannot write %1: it is not a regular file").arg(path));
    target.exists = true;
    return target;
}

void writeAll(int fd, const QByteArray &bytes, const QString &path)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail("writing", path, errno);
        }
        data += written;
        left -= written;
    }
}

// A new file beside `target`, open for writing: private while it is written
// over an existing file, else with the mode a new file gets (umask applied).
int createBeside(const Target &target, QByteArray &name, const QString &path)
{
    const QFileInfo info(QFile::decodeName(target.path));
    const QByteArray stem = localPath(info.absolutePath()) + "/." + localPath(info.fileName()) + '.';
    for (int attempt = 0;; ++attempt) {
        name = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, target.exists ? 0600 : 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST || attempt == 100)
            fail("creating a file beside it", path, errno);
    }
}

} // namespace

QByteArray read(const QString &path, qint64 maxBytes)
{
    const int fd = ::open(localPath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            throw Error(53, QStringLiteral("File not found: %1").arg(path));
        throw Error(75, QStringLiteral("Cannot read %1: %2").arg(path, reason(errno)));
    }
    Descriptor file(fd);
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        throw Error(75, QStringLiteral("Cannot read %1: %2").arg(path, reason(errno)));
    if (!S_ISREG(status.st_mode))
        throw Error(75, QStringLiteral("Not a regular file: %1").arg(path));
    if (status.st_size > maxBytes)
        throw Error(7, QStringLiteral("File too large: %1 (%2 bytes; at most %3)")
                           .arg(path)
                           .arg(qint64(status.st_size))
                           .arg(maxBytes));
    // The file may grow while it is read: one byte past the limit tells.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > maxBytes)
                break;
            bytes.resize(qMin<qsizetype>(size * 2 + 4096, qsizetype(maxBytes) + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw Error(75, QStringLiteral("Cannot read %1: %2").arg(path, reason(errno)));
        }
        if (got == 0)
            break;
        size += got;
    }
    if (size > maxBytes)
        throw Error(7, QStringLiteral("File too large: %1 (more than %2 bytes)").arg(path).arg(maxBytes));
    bytes.truncate(size);
    return bytes;
}

void replace(const QString &path, const QByteArray &bytes)
{
    const Target target = targetOf(path);
    const QByteArray folder = localPath(QFileInfo(QFile::decodeName(target.path)).absolutePath());
    QByteArray temporary;
    Descriptor file(createBeside(target, temporary, path));
    bool renamed = false;
    try {
        if (target.exists) {
            struct stat created = {};
            if (::fstat(file.get(), &created) != 0)
                fail("looking at the new file", path, errno);
            if ((created.st_uid != target.status.st_uid || created.st_gid != target.status.st_gid)
                && ::fchown(file.get(), target.status.st_uid, target.status.st_gid) != 0)
                fail("keeping its owner and group", path, errno);
            if (::fchmod(file.get(), target.status.st_mode & 07777) != 0)
                fail("keeping its mode", path, errno);
        }
        writeAll(file.get(), bytes, path);
        if (::fsync(file.get()) != 0)
            fail("flushing it to the disk", path, errno);
        if (const int error = file.close())
            fail("closing it", path, error);
        if (::rename(temporary.constData(), target.path.constData()) != 0)
            fail("replacing the old file", path, errno);
        renamed = true;
    } catch (...) {
        if (!renamed)
            ::unlink(temporary.constData());
        throw;
    }
    // The new name must reach the disk too; a file system that cannot flush
    // a folder says EINVAL.
    Descriptor directory(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0 && ::fsync(directory.get()) != 0 && errno != EINVAL)
        throw Error(75, QStringLiteral("%1 was replaced, but its folder could not be flushed to the disk: %2")
                            .arg(path, reason(errno)));
}

} // namespace regularfile
