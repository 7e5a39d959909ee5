#ifndef ZAREL_LINKLOCK_H
#define ZAREL_LINKLOCK_H

#include <QMutex>

// QMutex locks and unlocks, and QThread::wait waits, inside the Qt library,
// which Debian does not build with ThreadSanitizer, so a sanitized build of
// our code cannot see those hand-overs and reports every value they guard as
// a race. LinkLocker and the two hand-over marks tell it about them; in other
// builds they are a plain QMutexLocker and nothing.
#if defined(__SANITIZE_THREAD__)
#define ZAREL_ANNOTATE_LOCKS 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZAREL_ANNOTATE_LOCKS 1
#endif
#endif

#ifdef ZAREL_ANNOTATE_LOCKS
#include <sanitizer/tsan_interface.h>
#endif

// The thread that ends (last thing in run()) and the thread that joined it
// (right after QThread::wait) mark the same token.
inline void markHandOverRelease(void* token)
{
#ifdef ZAREL_ANNOTATE_LOCKS
    __tsan_release(token);
#else
    Q_UNUSED(token)
#endif
}

inline void markHandOverAcquire(void* token)
{
#ifdef ZAREL_ANNOTATE_LOCKS
    __tsan_acquire(token);
#else
    Q_UNUSED(token)
#endif
}

class LinkLocker
{
public:
    explicit LinkLocker(QMutex* lockedMutex)
        : mutex(lockedMutex)
    {
        mutex->lock();
#ifdef ZAREL_ANNOTATE_LOCKS
        __tsan_acquire(mutex);
#endif
    }

    ~LinkLocker()
    {
#ifdef ZAREL_ANNOTATE_LOCKS
        __tsan_release(mutex);
#endif
        mutex->unlock();
    }

    LinkLocker(const LinkLocker&) = delete;
    LinkLocker& operator=(const LinkLocker&) = delete;

private:
    QMutex* mutex;
};

#endif // ZAREL_LINKLOCK_H
