#pragma once

#include <QRandomGenerator>

// Numbers r with 0 <= r < 1, reseeded from the clock by each command that draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual float next() = 0;
};

class QtRandomSource : public RandomSource
{
public:
    void reseedFromClock() override;
    float next() override;

private:
    QRandomGenerator m_generator;
};
