#pragma once
// The desktop's knowledge of the program: the launcher entry, the three file
// types with their icons. Installed per user under XDG_DATA_HOME when a copy
// is missing or differs from the program's, not blindly at every start.
class QString;

// Answers how many files were written.
int RegisterFileTypes(const QString& executable);
