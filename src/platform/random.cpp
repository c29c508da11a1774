#include "platform/random.h"

namespace zelvo {

int SystemRandom::uniform(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    // uniform_int_distribution rejects out-of-range draws: no modulo bias.
    std::uniform_int_distribution<int> range(lo, hi);
    return range(m_device);
}

int SeededRandom::uniform(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    std::uniform_int_distribution<int> range(lo, hi);
    return range(m_engine);
}

int ScriptedRandom::uniform(int lo, int hi)
{
    m_asked.append(QStringLiteral("%1..%2").arg(lo).arg(hi));
    if (m_values.empty()) {
        if (!m_lenient)
            m_faults.append(QStringLiteral("no scripted value for %1..%2").arg(lo).arg(hi));
        return lo;
    }
    const int v = m_values.front();
    m_values.pop_front();
    if (v < lo || v > std::max(lo, hi)) {
        m_faults.append(QStringLiteral("scripted %1 outside %2..%3").arg(v).arg(lo).arg(hi));
        return lo;
    }
    return v;
}

} // namespace zelvo
