// The check report (template 203): the problems of a directory, one row each with where it is and
// what is wrong.
#pragma once

#include <QDialog>
#include <vector>

#include "directorytools/directory_check.h"

namespace orvane {

class CRSUCheckReport : public QDialog {
    Q_OBJECT
  public:
    // What the report is shown for.
    enum class Purpose {
        kBeforeWrite,  // the problems an edit brought in: "Write anyway" (accepts) and Cancel
        kShowAll,      // every problem of the directory shown: Close only
    };

    CRSUCheckReport(Purpose purpose, const std::vector<DirectoryProblem>& problems, QWidget* parent);
};

// Where `problem` is, as the report's first column shows it: the slot ID, or the sender or a reject
// slot in words.
QString ProblemPlaceText(const DirectoryProblem& problem);

// What is wrong, as one sentence of the language module.
QString ProblemText(const DirectoryProblem& problem);

}  // namespace orvane
