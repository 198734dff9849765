// When each stroke and each point of a sketch appears in a replay as it was drawn.
#pragma once

#include <cstdint>
#include <vector>

namespace Nivo {
class Document;
}

/// The replay times of every point, in milliseconds from the first point, taken from the
/// receiver's millisecond clock (24 bits, wrapping). Pauses longer than kLongestPauseMs are
/// cut to it; a clock that runs backwards (sketches merged from two sessions) counts as such
/// a pause. A sketch that carries no times at all (every point at the same time, as live
/// recordings are) is paced at kUntimedPointMs a point and kUntimedStrokeGapMs between
/// strokes instead of appearing at once.
class ReplaySchedule
{
public:
    static constexpr std::int64_t kLongestPauseMs = 1000;
    static constexpr std::int64_t kUntimedPointMs = 10;
    static constexpr std::int64_t kUntimedStrokeGapMs = 250;

    /// Where a replay stands: the strokes drawn completely, and the points drawn of the
    /// stroke after them.
    struct Position
    {
        int strokes = 0;
        int points = 0;
        bool operator==(const Position &) const = default;
    };

    ReplaySchedule() = default;
    /// The clock readings of every point, stroke by stroke in playback order.
    explicit ReplaySchedule(const std::vector<std::vector<std::uint32_t>> &strokeTimes);
    /// The strokes of every layer, in document order: the order of the player's items.
    static ReplaySchedule ofDocument(const Nivo::Document &document);

    int strokeCount() const { return static_cast<int>(m_strokeEnds.size()); }
    /// The time the last point appears; 0 for an empty sketch.
    std::int64_t durationMs() const { return m_strokeEnds.empty() ? 0 : m_strokeEnds.back(); }
    /// The time at which the first `strokes` strokes are complete (0 for none); clamped to
    /// the sketch.
    std::int64_t timeOfPosition(int strokes) const;
    /// What is drawn at a time; times before 0 draw nothing, times after the end everything.
    Position positionAt(std::int64_t timeMs) const;

private:
    // Replay time of every point, all strokes one after another, never decreasing.
    std::vector<std::int64_t> m_pointTimes;
    // Index of each stroke's first point in m_pointTimes, and one past the last stroke.
    std::vector<std::size_t> m_strokeStarts;
    // Time each stroke is complete: its last point, or for a stroke without points the
    // end of the stroke before it.
    std::vector<std::int64_t> m_strokeEnds;
};
