#pragma once

#include <csignal>
#include <sys/resource.h>

namespace zelvo::test {

// Caps the size of files this process writes while in scope: a full disk in effect, which
// makes writes fail even for root. Test output written meanwhile is capped too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        struct rlimit tiny = m_old;
        tiny.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool ok() const { return m_ok; }

private:
    struct rlimit m_old
    {
    };
    bool m_ok = false;
};

} // namespace zelvo::test
