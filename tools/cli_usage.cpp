#include "cli.h"
#include "cli_usage_table.h"

#include "qtlayer/qt_translate.h"
#include "view/program/version.h"

#include <cstdio>

bool IsCommand(const char* command) {
    return FindUsageCommand(CliUsageTable(), command) != nullptr;
}

void PrintUsage(const char* command, std::FILE* out) {
    std::fputs(UsageText(CliUsageTable(), command, UiShowsEnglish()).c_str(), out);
}

void PrintVersion() {
    std::printf("%s\n", kVersionLine);
}
