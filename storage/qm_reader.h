#pragma once
// A reader of the language module files: Qt's .qm format as lrelease writes
// it for id-based translations. The texts are looked up by string id (a
// message's source text is its id); nothing else of the file is used.
//
// The reader trusts no length or offset in the file: a damaged or foreign
// file is no module, never a crash (QTranslator reads past the end of some).

#include "resources/string_table.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <unordered_map>

using ModuleTexts = std::unordered_map<StringId, QString>;

// The texts of a module by string id; nothing when the bytes are not a
// well-formed module. A message whose source text is no number is skipped;
// of an id given twice the first text counts.
std::optional<ModuleTexts> ReadQmModule(const QByteArray& bytes);
