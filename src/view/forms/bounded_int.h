#pragma once
// Numbers typed by the user or given on a command line.
#include <string>

// A whole decimal number in [lo, hi], with an optional sign and blanks around
// it; false for anything else (nothing after it, no overflow).
bool ParseBoundedInt(const std::string& text, int lo, int hi, int& value);
