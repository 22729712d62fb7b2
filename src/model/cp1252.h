#pragma once
// Windows-1252, in which texts and names are shown and typed: the bytes
// 0x80-0x9F are not the C1 controls of Latin-1.
#include <string>

char16_t Cp1252ToUtf16(unsigned char b);
std::u16string Cp1252ToUtf16(const std::string& bytes);
// False for a character the code page lacks.
bool Utf16ToCp1252(char16_t c, char& out);
