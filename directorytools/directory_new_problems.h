// The problems an edit brought in: what the check finds in the Working copy that it did not find in
// the directory as the printer holds it (Baseline), so that old problems are not raised on every
// write.
#pragma once

#include "directorytools/directory_check.h"
#include "remotesetup/remote_setup.h"

#include <vector>

namespace orvane {

// The problems of `after` that `before` did not have. A problem is old when `before` has one of
// the same kind, place and subject that names the same slots; a repeated number is also old when
// it is now in fewer of the slots it was in.
std::vector<DirectoryProblem> NewProblems(const std::vector<DirectoryProblem>& before,
                                          const std::vector<DirectoryProblem>& after);

// Every problem of `copy` of `setup` (none when the copy is not allocated).
std::vector<DirectoryProblem> CheckCopy(const CRSUFuncRemoteSetup& setup, DirectoryCopy copy);

// The problems of the Working copy that the Baseline did not have.
std::vector<DirectoryProblem> ProblemsSinceRead(const CRSUFuncRemoteSetup& setup);

}  // namespace orvane
