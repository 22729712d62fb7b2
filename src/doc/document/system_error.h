#pragma once
// Why the system refused a file: a message's first line says what failed,
// the second line this cause, in the user's words.
#include <string>

// The cause for an errno value, a generic one with the code for the rare ones.
std::string SystemErrorText(int nErrno);

// `message` with the cause on a second line; unchanged for errno 0.
std::string WithSystemCause(const std::string& message, int nErrno);
