#include "common/linediff.h"

#include <algorithm>
#include <optional>

namespace quorin {

namespace {

using Lines = std::vector<std::string_view>;

// Beyond this many single-line edits between the common start and the
// common end, the texts are compared place by place instead: cheap, and
// right for the files of a run, whose lines keep their places when an input
// changes.
constexpr int kMaxEdits = 1000;

Lines splitLines(std::string_view text)
{
    Lines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string withoutLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return std::string(line);
}

// Where old lines [oldStart, oldEnd) gave way to new lines [newStart, newEnd).
struct Hunk {
    int oldStart, oldEnd, newStart, newEnd;
};

// An edit of the shortest script: a line of the old text dropped ('-', its
// index there) or one of the new text added ('+', its index there).
struct Edit {
    char mark;
    int index;
};

class Differ {
public:
    Differ(std::string_view before, std::string_view after, const SameLine& sameLine)
        : old_(splitLines(before))
        , new_(splitLines(after))
        , sameLine_(sameLine)
    {
    }

    std::vector<Hunk> hunks()
    {
        const int n = static_cast<int>(old_.size());
        const int m = static_cast<int>(new_.size());
        int first = 0;
        while (first < n && first < m && same(first, first))
            ++first;
        int last = 0;
        while (last < n - first && last < m - first && same(n - 1 - last, m - 1 - last))
            ++last;
        const Hunk middle { first, n - last, first, m - last };
        if (auto shortest = shortestScript(middle))
            return hunksOf(*shortest, middle);
        return placeByPlace(middle);
    }

    const Lines& oldLines() const { return old_; }
    const Lines& newLines() const { return new_; }

private:
    bool same(int oldIndex, int newIndex) const
    {
        const std::string_view a = old_[static_cast<std::size_t>(oldIndex)];
        const std::string_view b = new_[static_cast<std::size_t>(newIndex)];
        return a == b || (sameLine_ && sameLine_(a, b));
    }

    // The greedy shortest edit script over the middle, or nothing when it
    // takes more than kMaxEdits edits. trace[d][k + d] is the furthest old
    // index reached on diagonal k with d edits.
    std::optional<std::vector<Edit>> shortestScript(const Hunk& span) const
    {
        const int n = span.oldEnd - span.oldStart;
        const int m = span.newEnd - span.newStart;
        const int most = std::min(n + m, kMaxEdits);
        std::vector<std::vector<int>> trace;
        for (int d = 0; d <= most; ++d) {
            std::vector<int> reach(static_cast<std::size_t>(2 * d + 1));
            for (int k = -d; k <= d; k += 2) {
                int x = 0;
                if (d > 0) {
                    const bool down = cameDown(trace, d, k);
                    x = previous(trace, d, k, down) + (down ? 0 : 1);
                }
                int y = x - k;
                while (x < n && y < m && same(span.oldStart + x, span.newStart + y))
                    ++x, ++y;
                reach[static_cast<std::size_t>(k + d)] = x;
                if (x >= n && y >= m) {
                    trace.push_back(std::move(reach));
                    return backtrack(trace, n, m, span);
                }
            }
            trace.push_back(std::move(reach));
        }
        return std::nullopt;
    }

    // Whether diagonal k at d edits is reached by adding a new line (from
    // diagonal k + 1) rather than by dropping an old one (from k - 1).
    static bool cameDown(const std::vector<std::vector<int>>& trace, int d, int k)
    {
        if (k == -d)
            return true;
        if (k == d)
            return false;
        return previous(trace, d, k, false) < previous(trace, d, k, true);
    }

    static int previous(const std::vector<std::vector<int>>& trace, int d, int k, bool down)
    {
        const int from = down ? k + 1 : k - 1;
        return trace[static_cast<std::size_t>(d - 1)][static_cast<std::size_t>(from + d - 1)];
    }

    static std::vector<Edit> backtrack(
        const std::vector<std::vector<int>>& trace, int x, int y, const Hunk& span)
    {
        std::vector<Edit> edits;
        for (int d = static_cast<int>(trace.size()) - 1; d > 0; --d) {
            const int k = x - y;
            const bool down = cameDown(trace, d, k);
            const int fromX = previous(trace, d, k, down);
            const int fromY = fromX - (down ? k + 1 : k - 1);
            if (down)
                edits.push_back({ '+', span.newStart + fromY });
            else
                edits.push_back({ '-', span.oldStart + fromX });
            x = fromX;
            y = fromY;
        }
        std::ranges::reverse(edits);
        return edits;
    }

    // Edits with no common line between them make one hunk.
    static std::vector<Hunk> hunksOf(const std::vector<Edit>& edits, const Hunk& span)
    {
        std::vector<Hunk> hunks;
        int x = span.oldStart, y = span.newStart;
        for (const Edit& edit : edits) {
            const int common = edit.mark == '-' ? edit.index - x : edit.index - y;
            x += common;
            y += common;
            if (hunks.empty() || common > 0)
                hunks.push_back({ x, x, y, y });
            if (edit.mark == '-')
                hunks.back().oldEnd = ++x;
            else
                hunks.back().newEnd = ++y;
        }
        return hunks;
    }

    std::vector<Hunk> placeByPlace(const Hunk& span) const
    {
        std::vector<Hunk> hunks;
        const int length = std::max(span.oldEnd - span.oldStart, span.newEnd - span.newStart);
        bool inHunk = false;
        for (int i = 0; i < length; ++i) {
            const int x = span.oldStart + i, y = span.newStart + i;
            const bool differs = x >= span.oldEnd || y >= span.newEnd || !same(x, y);
            if (differs && !inHunk)
                hunks.push_back({ x, x, y, y });
            if (differs) {
                hunks.back().oldEnd = std::min(x + 1, span.oldEnd);
                hunks.back().newEnd = std::min(y + 1, span.newEnd);
            }
            inHunk = differs;
        }
        return hunks;
    }

    Lines old_;
    Lines new_;
    const SameLine& sameLine_;
};

} // namespace

LineDiff diffLines(
    std::string_view before, std::string_view after, const SameLine& sameLine, int shownLimit)
{
    Differ differ(before, after, sameLine);
    LineDiff diff;
    int room = shownLimit;
    for (const Hunk& hunk : differ.hunks()) {
        const int size = std::max(hunk.oldEnd - hunk.oldStart, hunk.newEnd - hunk.newStart);
        diff.differing += size;
        const int shown = std::min(size, room);
        room -= shown;
        for (int i = hunk.oldStart; i < std::min(hunk.oldEnd, hunk.oldStart + shown); ++i)
            diff.shown.push_back(
                { '-', i + 1, withoutLineEnd(differ.oldLines()[static_cast<std::size_t>(i)]) });
        for (int i = hunk.newStart; i < std::min(hunk.newEnd, hunk.newStart + shown); ++i)
            diff.shown.push_back(
                { '+', i + 1, withoutLineEnd(differ.newLines()[static_cast<std::size_t>(i)]) });
    }
    return diff;
}

} // namespace quorin
