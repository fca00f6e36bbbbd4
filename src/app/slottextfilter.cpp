#include "app/slottextfilter.h"

namespace {

bool breaksTheLine(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'#';
}

} // namespace

SlotTextFilter::SlotTextFilter(const bool &windowWriting, QObject *parent)
    : QValidator(parent), m_windowWriting(windowWriting)
{ }

QValidator::State SlotTextFilter::validate(QString &input, int &pos) const
{
    if (m_windowWriting)
        return Acceptable;
    QString kept;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (!breaksTheLine(input[i]))
            kept.append(input[i]);
        else if (i < pos)
            --pos;
    }
    input = kept;
    return Acceptable;
}
