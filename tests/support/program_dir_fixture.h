#pragma once
// A temporary program folder with `libs` and `macros`, and an empty macro cache.
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

class ProgramDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The process id too: two builds' tests may run at once.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::path(testing::TempDir()) /
                ("tavolin_" + std::string(test->test_suite_name()) + "_" + test->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir / "libs");
        std::filesystem::create_directories(m_dir / "macros");
        g_libraryFolders = {m_dir.string()};
        g_macroCache.Clear();
        ForgetLibraryFiles();
    }
    void TearDown() override {
        g_macroCache.Clear();
        ForgetLibraryFiles();
        g_libraryFolders.clear();
        std::filesystem::remove_all(m_dir);
    }
    void WriteFile(const std::string& relative, const std::string& text) {
        std::filesystem::create_directories((m_dir / relative).parent_path());
        std::ofstream(m_dir / relative, std::ios::binary) << text;
    }
    std::filesystem::path m_dir;
};
