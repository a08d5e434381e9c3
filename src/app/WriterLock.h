#pragma once

#include <QString>

#include <chrono>
#include <memory>

// Serialises the writers of one file across processes, through a lock of the
// system on the file "<file>.lck", which a writer removes when done. The lock
// dies with its holder: what a killed writer leaves blocks no one.
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
