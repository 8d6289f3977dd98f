// Private folders for what the programs share with the rest of the machine: the named objects (port
// claims, instance and notice locks) live in folders of the test's own, so that test processes running
// side by side, and a program the user runs meanwhile, never meet.
#pragma once

#include <filesystem>

namespace orvane::testsupport {

// Makes `machine` and `session` as the programs make them (the machine-wide folder sticky and open to
// every user, the session's private to its user; anything else the programs refuse) and points
// ORVANE_OBJECT_DIR and ORVANE_SESSION_DIR at them. An existing folder is given the mode. False when a
// folder cannot be made.
bool MakeObjectFolders(const std::filesystem::path& machine, const std::filesystem::path& session);

// Points ORVANE_OBJECT_DIR and ORVANE_SESSION_DIR at `root`/ORVANE_OBJECT_DIR and
// `root`/ORVANE_SESSION_DIR without making them: the programs make them, each with its own mode.
void PointObjectFolders(const std::filesystem::path& root);

}  // namespace orvane::testsupport
