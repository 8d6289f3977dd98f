#include "app/program_icon.h"

#include <QFile>

namespace orvane {

QIcon ProgramIcon(int icon_id) {
    // Scalable images: crisp at the tree's 16 pixels and on high-density screens alike.
    const QString path = QStringLiteral(":/icons/%1.svg").arg(icon_id);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

}  // namespace orvane
