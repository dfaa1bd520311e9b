#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>

class ScriptRun;

// A thread that watches one call of a script engine at a time and calls
// `onExpire` when the call passes its run's deadline or the process grows
// past its run's memory budget before disarm(). One thread serves every arm/disarm
// pair of its owner; the callback runs on that thread, so it must only do
// thread-safe things (QJSEngine::setInterrupted, vbs::Engine::cancel).
class Watchdog
{
public:
    enum class Fired { No, Time, Memory };

    explicit Watchdog(std::function<void()> onExpire);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

    // Starts the watch over one call of `run`: its deadline, and its memory
    // ceiling (the resident size when the run began plus its budget).
    void arm(const ScriptRun &run);
    // Stops the watch and tells what, if anything, struck (the callback has
    // then finished running).
    Fired disarm();

    // The process's resident size in bytes, or 0 where it cannot be read.
    static std::size_t residentBytes();

private:
    void loop();

    std::function<void()> m_onExpire;
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_hasDeadline = false;
    std::size_t m_memoryCeiling = 0; // resident bytes that strike; 0 for none
    bool m_armed = false;
    Fired m_fired = Fired::No;
    bool m_quit = false;
    std::thread m_thread;
};
