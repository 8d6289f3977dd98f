// "The program's directory": where the language modules, the model list and the demo marker live.
#pragma once

#include <QString>

namespace orvane {

// The executable's folder when it holds language modules (build tree, portable copy), else
// ../share/orvane beside it when that exists (installed layout), else the executable's folder.
QString ProgramDirectory();

}  // namespace orvane
