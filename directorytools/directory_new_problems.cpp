#include "directorytools/directory_new_problems.h"

#include <algorithm>

namespace orvane {
namespace {

bool IsRepeatedNumber(const DirectoryProblem& problem) {
    return problem.kind == "duplicate-number" || problem.kind == "duplicate-rejected";
}

// True when every slot of `part` is among `whole`.
bool NamesOnly(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    return std::all_of(part.begin(), part.end(), [&](const std::string& slot) {
        return std::find(whole.begin(), whole.end(), slot) != whole.end();
    });
}

// True when `old` already reported `problem`.
bool Covers(const DirectoryProblem& old, const DirectoryProblem& problem) {
    if (old.kind != problem.kind || old.place != problem.place || old.subject != problem.subject)
        return false;
    return IsRepeatedNumber(problem) ? NamesOnly(problem.slot_ids, old.slot_ids)
                                     : old.slot_ids == problem.slot_ids;
}

}  // namespace

std::vector<DirectoryProblem> NewProblems(const std::vector<DirectoryProblem>& before,
                                          const std::vector<DirectoryProblem>& after) {
    std::vector<DirectoryProblem> brought_in;
    for (const DirectoryProblem& problem : after) {
        const bool known = std::any_of(before.begin(), before.end(),
                                       [&](const DirectoryProblem& old) { return Covers(old, problem); });
        if (!known) brought_in.push_back(problem);
    }
    return brought_in;
}

std::vector<DirectoryProblem> CheckCopy(const CRSUFuncRemoteSetup& setup, DirectoryCopy copy) {
    const DirectoryData* data = setup.Copy(copy);
    if (data == nullptr) return {};
    return CheckDirectory(setup.Capability(), ToPortable(*data));
}

std::vector<DirectoryProblem> ProblemsSinceRead(const CRSUFuncRemoteSetup& setup) {
    return NewProblems(CheckCopy(setup, DirectoryCopy::Baseline), CheckCopy(setup, DirectoryCopy::Working));
}

}  // namespace orvane
