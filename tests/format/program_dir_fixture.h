#pragma once
// A temporary program folder with `libs` and `macros`, and an empty macro cache.
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

class ProgramDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::path(testing::TempDir()) /
                ("tavolin_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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
        std::ofstream(m_dir / relative, std::ios::binary) << text;
    }
    std::filesystem::path m_dir;
};
