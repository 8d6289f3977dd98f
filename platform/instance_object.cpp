#include "platform/instance_object.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QFile>
#include <QTextStream>

namespace orvane {
namespace {

// The "major:minor:inode" key under which /proc/locks lists the locks of `file`.
QString LockKeyOf(const LockFileId& file) {
    return QStringLiteral("%1:%2:%3")
        .arg(major(file.device), 2, 16, QLatin1Char('0'))
        .arg(minor(file.device), 2, 16, QLatin1Char('0'))
        .arg(static_cast<qulonglong>(file.inode));
}

// Another process that holds the lock listed under `key`; waiting requests ("->") and this
// process's own lock are skipped.
std::optional<pid_t> LockHolderProcess(const QString& key) {
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    QTextStream in(&locks);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() < 6 || fields[1] == QLatin1String("->")) continue;
        if (fields[1] != QLatin1String("FLOCK") || fields[5] != key) continue;
        bool ok = false;
        const pid_t pid = fields[4].toInt(&ok);
        if (ok && pid > 0 && pid != ::getpid()) return pid;
    }
    return std::nullopt;
}

}  // namespace

std::optional<uid_t> LockHolderUser(const LockFileId& file) {
    const std::optional<pid_t> pid = LockHolderProcess(LockKeyOf(file));
    if (!pid) return std::nullopt;
    struct stat process {};
    const std::string proc_path = "/proc/" + std::to_string(*pid);
    if (::stat(proc_path.c_str(), &process) != 0) return std::nullopt;
    return process.st_uid;
}

NamedObject CreateInstanceObject(std::string_view name, InstanceObjectStatus* status) {
    NamedObjectStatus created = NamedObjectStatus::Failed;
    LockFileId file;
    // Made without ownership: every instance that runs keeps it in existence for its lifetime.
    NamedObject object = NamedObject::CreateUnowned(name, &created, &file);
    switch (created) {
        case NamedObjectStatus::Created:
            *status = InstanceObjectStatus::Created;
            break;
        case NamedObjectStatus::AlreadyExists: {
            // A holder that cannot be identified is taken as this user's, as the safer choice: the
            // start-up then looks for a running window instead of refusing.
            const std::optional<uid_t> holder = LockHolderUser(file);
            *status = (holder && *holder != ::geteuid()) ? InstanceObjectStatus::HeldByOtherUser
                                                         : InstanceObjectStatus::HeldByThisUser;
            break;
        }
        case NamedObjectStatus::Denied:
            // Another user's object that this user may not even open: that user holds it.
            *status = InstanceObjectStatus::HeldByOtherUser;
            break;
        case NamedObjectStatus::Failed:
            *status = InstanceObjectStatus::Failed;
            break;
    }
    return object;
}

QString SessionEndpointPath(const QString& name) {
    const std::string folder = NamedObject::FolderFor(false);
    if (folder.empty()) return {};
    return QString::fromStdString(folder) + QLatin1Char('/') + name;
}

}  // namespace orvane
