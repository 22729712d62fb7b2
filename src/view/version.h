#pragma once
// The program's name and version, as "Informazioni su Tavolin" and --version show it.
constexpr const char kVersionLine[] = "Tavolin 0.96pl4 Beta";
