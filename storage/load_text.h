#pragma once
// Every text the program shows comes through LoadText, by string id: from the
// language module when a module path is given, else from the built-in German
// table (resources/string_table.h).

#include "resources/string_table.h"

#include <QString>

// The text of the id:
// - with a module path where a module file exists: the module's text;
// - with an empty module path: the built-in table's text;
// - with a module path where no file exists: the built-in table's text, and
//   the trace line "Fehler, DLL nicht gefunden!\n" (the user sees nothing);
// - a file there that is no language module: the built-in table's text.
// Id 0 gives an empty text; an id that the source in use lacks gives "???".
// A module is read once and kept while its file stays unchanged.
QString LoadText(StringId id, const QString& languageModulePath);
