#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

// For start-up benchmarks only: once `window` has painted for the first time,
// prints the steady clock in nanoseconds and the window's size, then quits.
// The runner that started the process reads the clock on the same time line.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget& window) : m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued, so that the whole window has painted and been flushed.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld %d %d\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    m_window.frameGeometry().width(), m_window.frameGeometry().height());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget& m_window;
    bool m_seen = false;
};
