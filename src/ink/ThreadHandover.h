// Telling the thread sanitizer about hand-overs it cannot see for itself.
#pragma once

// An object filled on one thread and handed to another through a queue the sanitizer does
// not see into (the queued signals of a library built without it) looks to the sanitizer
// like a race. The sender announces the hand-over after its last write and the receiver
// accepts it before its first read, which tells the sanitizer what the queue guarantees.
// Both are nothing in builds without the sanitizer.

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
#endif

namespace Nivo {

inline void announceHandover([[maybe_unused]] const void *object)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void *>(object));
#endif
}

inline void acceptHandover([[maybe_unused]] const void *object)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void *>(object));
#endif
}

} // namespace Nivo
