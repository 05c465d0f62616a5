#include "base/log.h"

#include "base/appdir.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The log starts afresh once it holds 11 KiB.
constexpr off_t kLogLimit = 11 * 1024;

QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

// Opens the log for appending and locks it against other processes. Returns -1
// when the file cannot be opened. Retries when another process deleted the file
// between our open and our lock, so that no line goes to an unlinked file.
int openLockedLog(const QByteArray &path)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return -1;
        ::flock(fd, LOCK_EX);
        struct stat opened, named;
        if (::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && opened.st_ino == named.st_ino &&
            opened.st_dev == named.st_dev) {
            // Full: begin a new file. When it cannot be deleted, append anyway.
            if (opened.st_size < kLogLimit || ::unlink(path.constData()) != 0)
                return fd;
        }
        ::close(fd);
    }
    return -1;
}

} // namespace

QString log_timestamp(const QDateTime &time)
{
    // Qt's own "z" no longer means the plain millisecond count, so it is written here.
    const QString msec = QString::number(time.time().msec());
    return time.toString(QStringLiteral("[yyyy/MM/dd hh:mm:ss:")) + msec + msec + QStringLiteral("]- ");
}

void write_log(const QString &message)
{
    const QString stamp = log_timestamp(QDateTime::currentDateTime());
    const QByteArray line = (stamp + message + QLatin1Char('\n')).toUtf8();
    const QByteArray path = QFile::encodeName(AppDir::file(QStringLiteral("log.txt")));

    QMutexLocker locker(&logMutex());
    const int fd = openLockedLog(path);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = ::write(fd, line.constData(), size_t(line.size()));
    ::close(fd);
}
