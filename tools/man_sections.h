#pragma once
// The editor's manual page beyond its options: the keys, read from the
// command table (the English page through the program's translation), the
// environment and the files.
#include "man_page.h"

#include <vector>

std::vector<CManSection> EditorManSections(bool bEnglish);
