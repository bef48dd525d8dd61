#pragma once
// One-dimensional clipping shared by the copy and blend loops.

#include <algorithm>

namespace quendar {

// The part of source indices [first, last] (inclusive) that lies inside a
// source of `sourceSize` and, moved by `shift`, inside a destination of
// `destinationSize`. Count is 0 when nothing remains. Wide arithmetic keeps
// extreme positions from overflowing.
struct ClippedSpan {
    int SourceFirst = 0;
    int DestinationFirst = 0;
    int Count = 0;
};

inline ClippedSpan ClipSpan(long long first, long long last, long long sourceSize, long long shift,
                            long long destinationSize) {
    first = std::max({first, 0LL, -shift});
    last = std::min({last, sourceSize - 1, destinationSize - 1 - shift});
    if (last < first) return {};
    return {static_cast<int>(first), static_cast<int>(first + shift),
            static_cast<int>(last - first + 1)};
}

}  // namespace quendar
