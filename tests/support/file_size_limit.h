#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process grows beyond the given size: a write past it fails as
// on a full disk, whoever the process runs as (root too). Nothing may be logged to a file
// meanwhile, since that write would fail as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        // The signal would end the process; ignored, the write fails with EFBIG instead.
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_saved = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_active = m_saved && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }

    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_previous{};
    bool m_saved = false;
    bool m_active = false;
    void (*m_previousHandler)(int) = nullptr;
};
