#include "ref.h"

#include <vector>

namespace vbs {

namespace {
constexpr int kMaxNestedReleases = 64;
thread_local int t_releaseDepth = 0;
thread_local std::vector<RefCounted *> *t_pending = nullptr;
} // namespace

void RefCounted::destroy(RefCounted *object) noexcept
{
    if (t_releaseDepth >= kMaxNestedReleases) {
        // Too deep (a long linked list going away): finish it iteratively
        // from the outermost release.
        if (!t_pending)
            t_pending = new std::vector<RefCounted *>();
        t_pending->push_back(object);
        return;
    }
    ++t_releaseDepth;
    object->finalRelease();
    if (t_releaseDepth == 1 && t_pending) {
        while (t_pending && !t_pending->empty()) {
            RefCounted *next = t_pending->back();
            t_pending->pop_back();
            next->finalRelease();
        }
    }
    --t_releaseDepth;
    if (t_releaseDepth == 0 && t_pending && t_pending->empty()) {
        delete t_pending;
        t_pending = nullptr;
    }
}

} // namespace vbs
