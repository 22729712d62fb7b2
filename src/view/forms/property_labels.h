#pragma once
// What the property editor calls each property: the name a primitive answers
// to ("FontHeight", "bBold") stays the one the file and the property table
// use; the user reads a label ("Altezza", "Grassetto").
#include <string>

// The label, marked for translation in the context "Proprieta"; the name
// itself for a name it does not know.
const char* PropertyLabel(const std::string& name);
