#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <random>

namespace zelvo {

// Every random integer of the program comes from one of these.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform integer in [lo, hi]; lo when the range is empty.
    virtual int uniform(int lo, int hi) = 0;
};

// The operating system's generator with an unbiased range mapping.
class SystemRandom : public RandomSource
{
public:
    int uniform(int lo, int hi) override;

private:
    std::random_device m_device;
};

// Reproducible, for statistical tests only: one 32-bit seed allows too few games to play with.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_engine(seed) {}
    int uniform(int lo, int hi) override;

private:
    std::mt19937 m_engine;
};

// Dice that a test scripts. A value outside the asked range, or a roll past the script,
// is a fault of the test or of the code: it is recorded and the range's low end returned.
class ScriptedRandom : public RandomSource
{
public:
    void push(std::initializer_list<int> values) { m_values.insert(m_values.end(), values); }
    void push(int value) { m_values.push_back(value); }
    int uniform(int lo, int hi) override;

    int remaining() const { return int(m_values.size()); }
    void clear() { m_values.clear(); }
    // Rolls asked for, as "lo..hi".
    const QList<QString> &asked() const { return m_asked; }
    const QList<QString> &faults() const { return m_faults; }
    // When set, an empty script answers with the low end and records no fault.
    void setLenient(bool lenient) { m_lenient = lenient; }

private:
    std::deque<int> m_values;
    QList<QString> m_asked;
    QList<QString> m_faults;
    bool m_lenient = false;
};

} // namespace zelvo
