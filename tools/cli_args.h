#pragma once
// Walks a command's arguments: options with or without a value, and plain
// arguments. Each mistake (an option given twice, a value missing, an argument
// the command does not take) is explained once on standard error and ends the walk.
#include <set>
#include <string>
#include <vector>

class CArgWalker {
  public:
    explicit CArgWalker(const std::vector<std::string>& args) : m_args(args) {}

    // Moves to the next argument; false at the end or after a mistake.
    bool Next();
    // True when the argument is this option; a repeat is a mistake.
    bool Flag(const char* name);
    // True when the argument is this option; its value is taken into `out`.
    bool Value(const char* name, std::string& out);
    // Takes a plain argument ("-" is one: standard input) into an empty slot.
    bool Plain(std::string& slot);
    // The argument is not for this command.
    void Stray();
    bool Ok() const { return m_bOk; }
    bool Given(const char* name) const { return m_seen.count(name) != 0; }

  private:
    bool Fail(const char* format, const std::string& arg);

    const std::vector<std::string>& m_args;
    std::size_t m_nNext = 0;
    std::string m_arg;
    std::set<std::string> m_seen;
    bool m_bOk = true;
};
