#pragma once

#include <QString>

#include <chrono>
#include <memory>

// Serialises the writers of one file across processes, through the lock file
// "<file>.lck", which exists only while a writer holds it. A writer that is
// killed never blocks the next one for long.
class WriterLock {
public:
    // Waits at most `timeout` for the lock; held() tells whether it came.
    WriterLock(const QString& file, std::chrono::milliseconds timeout);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    bool held() const;

private:
    struct Holder;
    std::unique_ptr<Holder> m_holder;
};
