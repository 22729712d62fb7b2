#pragma once
// A temporary program folder with `libs` and `macros`, the only folder of a
// library state whose caches start empty.
#include "format/program_dir.h"
#include "support/core_test.h"

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
        m_library.folders = {m_dir.string()};
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    CResolveContext& Ctx() { return m_library.context; }
    // The object a command line reads as, its macro names resolved in the folder.
    std::unique_ptr<CPrimitive> Read(const std::string& line) {
        return ParsePrimitiveLine(line, Ctx());
    }
    void WriteFile(const std::string& relative, const std::string& text) {
        std::filesystem::create_directories((m_dir / relative).parent_path());
        std::ofstream(m_dir / relative, std::ios::binary) << text;
    }
    std::filesystem::path m_dir;
    CLibraryState m_library;
};
