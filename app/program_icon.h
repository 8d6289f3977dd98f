// The program's own images: the window icon and the navigation tree's images, by icon ID.
#pragma once

#include <QIcon>

namespace orvane {

// Icon `icon_id` (149, 150, 151 or 153 of resource_ids.h) from the program's resources; a null
// icon for any other ID.
QIcon ProgramIcon(int icon_id);

}  // namespace orvane
