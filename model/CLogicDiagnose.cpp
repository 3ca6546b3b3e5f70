#include "CLogicDiagnose.h"

int CLogicDiagnose::rowKindFromText(const QString& text)
{
    if (text == QLatin1String("Vector"))
        return VectorRow;
    if (text == QLatin1String("Repeat"))
        return RepeatRow;
    if (text == QLatin1String("End"))
        return EndRow;
    if (text == QLatin1String("Wait"))
        return WaitRow;
    return OtherRow;
}
