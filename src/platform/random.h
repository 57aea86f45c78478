#pragma once

#include <QRandomGenerator>

// The program's source of chance, injected so that tests can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 up to but not including bound (bound > 0).
    virtual int below(int bound) = 0;
};

// A generator seeded once per run, from the system or with a given seed.
class SystemRandom final : public RandomSource {
public:
    SystemRandom()
        : m_generator(QRandomGenerator::securelySeeded())
    {
    }
    explicit SystemRandom(quint32 seed)
        : m_generator(seed)
    {
    }
    int below(int bound) override { return bound > 0 ? int(m_generator.bounded(bound)) : 0; }

private:
    QRandomGenerator m_generator;
};
