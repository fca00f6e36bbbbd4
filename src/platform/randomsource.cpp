#include "platform/randomsource.h"

#include <QDateTime>

#include <cmath>

void QtRandomSource::reseedFromClock()
{
    m_generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

float QtRandomSource::next()
{
    // A double just below 1 rounds up to 1.0f; keep the promise r < 1.
    const float r = float(m_generator.generateDouble());
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}
