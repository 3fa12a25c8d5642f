#pragma once

#include <QFile>
#include <QString>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace testsupport {

// Marks an existing file immutable for as long as it lives: neither its content nor its name can
// be replaced, by root either, so a save over it fails the way a save over a protected file does
// for a user. Not every file system or test machine allows the mark: then locked() is false and
// the test should be skipped.
class LockedFile
{
public:
    explicit LockedFile(const QString &path)
        : m_path(path)
    {
        m_locked = setImmutable(true);
    }
    ~LockedFile()
    {
        if (m_locked)
            setImmutable(false);
    }
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    bool locked() const { return m_locked; }

private:
    bool setImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QString m_path;
    bool m_locked = false;
};

} // namespace testsupport
