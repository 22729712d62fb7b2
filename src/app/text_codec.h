#pragma once
// Texts are bytes everywhere in the program; the interface shows them as
// Windows-1252 and turns what the user types back into it.
#include <QString>

#include <string>

QString FromBytes(const std::string& bytes);
// Characters Windows-1252 cannot hold become "?".
std::string ToBytes(const QString& text);
