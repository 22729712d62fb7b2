#pragma once
// What an autosave holds: exactly the bytes a save would write, found without
// asking anything and without changing the document. Macros are written as
// the document holds them; a library gets its shown component as it stands
// when its key and title would be accepted, else that component's last
// stored text.
#include <string>

class CSchemoDoc;

std::string AutosaveText(CSchemoDoc& doc);
