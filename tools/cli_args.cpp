#include "cli_args.h"
#include "qtlayer/qt_translate.h"

#include <cstdio>

bool CArgWalker::Fail(const char* format, const std::string& arg) {
    std::fprintf(stderr, TrCoreBytes("tavolin-cli", format).c_str(), arg.c_str());
    std::fputc('\n', stderr);
    m_bOk = false;
    return true;
}

bool CArgWalker::Next() {
    if (!m_bOk || m_nNext >= m_args.size()) return false;
    m_arg = m_args[m_nNext++];
    return true;
}

bool CArgWalker::Flag(const char* name) {
    if (m_arg != name) return false;
    if (!m_seen.insert(m_arg).second)
        return Fail(QT_TRANSLATE_NOOP("tavolin-cli", "L'opzione %s e' ripetuta."), m_arg);
    return true;
}

bool CArgWalker::Value(const char* name, std::string& out) {
    if (!Flag(name)) return false;
    if (!m_bOk) return true;
    if (m_nNext >= m_args.size())
        return Fail(QT_TRANSLATE_NOOP("tavolin-cli", "Manca il valore di %s."), m_arg);
    out = m_args[m_nNext++];
    return true;
}

bool CArgWalker::Plain(std::string& slot) {
    if (!slot.empty() || (m_arg.size() > 1 && m_arg[0] == '-') || m_arg.empty()) return false;
    slot = m_arg;
    return true;
}

void CArgWalker::Stray() {
    Fail(QT_TRANSLATE_NOOP("tavolin-cli", "Argomento non previsto: %s"), m_arg);
}
