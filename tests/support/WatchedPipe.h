#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorlex::test {

// A named pipe at path for one test. Opening a pipe waits for its other end, so code that
// opens it as a file would hang; every few seconds this lets such a wait go by opening the
// pipe itself, and waited() tells that a reader was stuck on it.
class WatchedPipe {
public:
    explicit WatchedPipe(const QString& path)
        : m_path(QFile::encodeName(path))
        , m_ok(::mkfifo(m_path.constData(), 0600) == 0)
        , m_oldHandler(std::signal(SIGPIPE, SIG_IGN))
        , m_thread([this] { watch(); })
    {
    }
    ~WatchedPipe()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
        std::signal(SIGPIPE, m_oldHandler);
    }
    WatchedPipe(const WatchedPipe&) = delete;
    WatchedPipe& operator=(const WatchedPipe&) = delete;

    bool ok() const { return m_ok; }
    bool waited() const { return m_waited; }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::seconds(5), [this] { return m_stop; })) {
            // A writer opens only while a reader has the pipe open (or is stuck opening it).
            int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                m_waited = true;
            else
                fd = ::open(m_path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC); // frees a stuck writer
            if (fd >= 0)
                ::close(fd);
        }
    }

    QByteArray m_path;
    bool m_ok;
    void (*m_oldHandler)(int);
    std::atomic<bool> m_waited { false };
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace quorlex::test
