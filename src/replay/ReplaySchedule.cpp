// Replay times from the receiver's clock: wrapping, pauses cut short, untimed sketches paced.
#include "replay/ReplaySchedule.h"

#include "ink/Document.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kClockMask = 0xFFFFFF;

// The clock's step from one reading to the next; it wraps after 2^24 ms (4.7 hours), so a
// reading below the previous one is either a wrap or a clock that went back, which the
// pause cut turns into one long pause.
std::int64_t clockStep(std::uint32_t from, std::uint32_t to)
{
    const std::int64_t step = ((to & kClockMask) - (from & kClockMask)) & kClockMask;
    return std::min(step, ReplaySchedule::kLongestPauseMs);
}

} // namespace

ReplaySchedule::ReplaySchedule(const std::vector<std::vector<std::uint32_t>> &strokeTimes)
{
    std::vector<std::uint32_t> clock;
    m_strokeStarts.reserve(strokeTimes.size() + 1);
    for (const auto &times : strokeTimes) {
        m_strokeStarts.push_back(clock.size());
        clock.insert(clock.end(), times.begin(), times.end());
    }
    m_strokeStarts.push_back(clock.size());

    const bool timed = std::adjacent_find(clock.begin(), clock.end(),
                                          [](std::uint32_t from, std::uint32_t to) {
                                              return clockStep(from, to) != 0;
                                          })
        != clock.end();
    m_pointTimes.resize(clock.size());
    std::size_t nextStroke = 0;
    for (std::size_t i = 1; i < clock.size(); ++i) {
        while (m_strokeStarts[nextStroke] < i)
            ++nextStroke;
        const bool strokeBegins = m_strokeStarts[nextStroke] == i;
        const std::int64_t step = timed ? clockStep(clock[i - 1], clock[i])
            : strokeBegins              ? kUntimedStrokeGapMs
                                        : kUntimedPointMs;
        m_pointTimes[i] = m_pointTimes[i - 1] + step;
    }

    m_strokeEnds.reserve(strokeTimes.size());
    for (std::size_t stroke = 0; stroke < strokeTimes.size(); ++stroke) {
        const std::size_t end = m_strokeStarts[stroke + 1];
        if (end > m_strokeStarts[stroke])
            m_strokeEnds.push_back(m_pointTimes[end - 1]);
        else
            m_strokeEnds.push_back(m_strokeEnds.empty() ? 0 : m_strokeEnds.back());
    }
}

ReplaySchedule ReplaySchedule::ofDocument(const Nivo::Document &document)
{
    std::vector<std::vector<std::uint32_t>> strokeTimes;
    for (const Nivo::Layer &layer : document.elements()) {
        for (const Nivo::Stroke &stroke : layer.elements()) {
            std::vector<std::uint32_t> &times = strokeTimes.emplace_back();
            times.reserve(stroke.elements().size());
            for (const Nivo::Point &point : stroke.elements())
                times.push_back(static_cast<std::uint32_t>(point.timestamp.value()));
        }
    }
    return ReplaySchedule(strokeTimes);
}

std::int64_t ReplaySchedule::timeOfPosition(int strokes) const
{
    if (strokes <= 0 || m_strokeEnds.empty())
        return 0;
    return m_strokeEnds[std::min<std::size_t>(strokes, m_strokeEnds.size()) - 1];
}

ReplaySchedule::Position ReplaySchedule::positionAt(std::int64_t timeMs) const
{
    if (timeMs < 0)
        return {};
    const auto complete = std::upper_bound(m_strokeEnds.begin(), m_strokeEnds.end(), timeMs);
    Position position;
    position.strokes = static_cast<int>(complete - m_strokeEnds.begin());
    if (complete != m_strokeEnds.end()) {
        const auto first
            = m_pointTimes.begin() + static_cast<std::ptrdiff_t>(m_strokeStarts[position.strokes]);
        const auto last = m_pointTimes.begin()
            + static_cast<std::ptrdiff_t>(m_strokeStarts[position.strokes + 1]);
        position.points = static_cast<int>(std::upper_bound(first, last, timeMs) - first);
    }
    return position;
}
