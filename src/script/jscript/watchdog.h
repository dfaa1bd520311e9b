#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A thread that calls `onExpire` when an armed deadline passes before
// disarm(). One thread serves every arm/disarm pair of its owner; the
// callback runs on that thread, so it must only do thread-safe things
// (QJSEngine::setInterrupted).
class Watchdog
{
public:
    explicit Watchdog(std::function<void()> onExpire);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

    // Starts the count; zero or less arms nothing.
    void arm(std::chrono::milliseconds limit);
    // Stops the count and tells whether the deadline passed (the callback
    // has then finished running).
    bool disarm();

private:
    void loop();

    std::function<void()> m_onExpire;
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_armed = false;
    bool m_fired = false;
    bool m_quit = false;
    std::thread m_thread;
};
