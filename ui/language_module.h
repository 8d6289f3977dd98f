// The language module: the source of every user-visible text once start-up has loaded it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace orvane {

// Loads the module of `language` (file name from the language module table) from `directory`
// and makes it the current module. Returns false, keeping the previous module, when the
// language has no row or the file is missing or not a valid module.
bool LoadLanguageModule(std::uint16_t language, const QString& directory);

// The module start-up uses for `language`: its own, else English. Each module that cannot be
// loaded is named in one line on standard error. Returns the language whose module is loaded, or
// nothing when neither loads.
std::optional<std::uint16_t> LoadStartupLanguageModule(std::uint16_t language, const QString& directory);

// String `id` of the current module; empty when there is no module or it lacks the string.
QString LoadString(int id);

// The caption of control `control_id` in dialog template `template_id`; empty when missing.
QString LoadTemplateText(int template_id, int control_id);

// A label as a screen reader says it: without its mnemonic, whether marked "&R" or, as Chinese,
// Japanese, Korean and Thai labels mark it, "(&R)".
QString WithoutMnemonic(const QString& label);

// One of the program's own strings (11001-11032, 12001-12032); empty for any other ID.
QString LoadAppString(int id);

}  // namespace orvane
