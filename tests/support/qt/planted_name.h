// What another local user can leave under a name the program uses in a shared folder: a link to
// a private file of somebody else's, a FIFO or a folder.
#pragma once

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// The test data column "plant" with one row for each kind of planted name.
inline void AddPlantRows() {
    QTest::addColumn<QString>("plant");
    QTest::newRow("link to a private file") << "link";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
}

// A victim file (mode 0600, known content) in a test folder, and `kind` planted at `at`; the
// plant is removed again when the object goes.
class PlantedName {
  public:
    PlantedName(const QTemporaryDir& folder, QByteArray at, const QString& kind)
        : victim_(QFile::encodeName(folder.filePath("victim"))), at_(std::move(at)) {
        QFile victim(victim_);
        if (victim.open(QIODevice::WriteOnly | QIODevice::Truncate)) victim.write(kContent);
        victim.close();
        ::chmod(victim_.constData(), 0600);
        ::remove(at_.constData());  // the program's own file from an earlier run makes way
        if (kind == "link") planted_ = ::symlink(victim_.constData(), at_.constData()) == 0;
        if (kind == "fifo") planted_ = ::mkfifo(at_.constData(), 0666) == 0;
        if (kind == "folder") planted_ = ::mkdir(at_.constData(), 0777) == 0;
    }
    ~PlantedName() { ::remove(at_.constData()); }
    PlantedName(const PlantedName&) = delete;
    PlantedName& operator=(const PlantedName&) = delete;

    bool IsPlanted() const { return planted_; }

    // The victim still has its mode, its owner and its content.
    bool VictimUntouched() const {
        struct stat info {};
        if (::stat(victim_.constData(), &info) != 0) return false;
        QFile victim(victim_);
        if (!victim.open(QIODevice::ReadOnly)) return false;
        return (info.st_mode & 07777) == 0600 && info.st_uid == ::geteuid() && victim.readAll() == kContent;
    }

  private:
    static constexpr const char* kContent = "private key of somebody else\n";

    QByteArray victim_;
    QByteArray at_;
    bool planted_ = false;
};
