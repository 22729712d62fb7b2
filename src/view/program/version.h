#pragma once
// The program's name and version, as "Informazioni su Tavolin" and --version show it.
// The build reads the project's and the package's versions from this line:
// keep its form.
constexpr const char kVersionLine[] = "Tavolin 0.96pl4 Beta";
