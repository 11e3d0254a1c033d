#pragma once

#include <QList>
#include <QString>

#include <cstdint>

namespace quorlex::soak {

// A small random source that gives the same numbers on every platform for the same seed, so
// a seed and a step number always replay the same commands.
class SoakRandom {
public:
    explicit SoakRandom(std::uint64_t seed = 0)
        : m_state(seed)
    {
    }

    // splitmix64
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < bound (0 when bound is 0).
    qsizetype below(qsizetype bound) { return bound <= 0 ? 0 : qsizetype(next() % std::uint64_t(bound)); }
    qsizetype between(qsizetype low, qsizetype high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T& pick(const QList<T>& items) { return items.at(below(items.size())); }

private:
    std::uint64_t m_state;
};

// The random source of one step of a run: independent of how many numbers earlier steps drew.
inline SoakRandom stepRandom(std::uint64_t seed, qsizetype step, std::uint64_t stream = 0)
{
    SoakRandom mix(seed ^ (std::uint64_t(step) * 0xD1B54A32D192ED03ull) ^ (stream << 56));
    return SoakRandom(mix.next());
}

} // namespace quorlex::soak
