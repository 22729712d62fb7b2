#pragma once
// tavolin-cli's commands and options: --help and the manual pages are made
// from this one table.
#include "view/program/usage.h"

const CUsage& CliUsageTable();
