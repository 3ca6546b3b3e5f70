#include "PinTableFixture.h"

namespace PinTableFixture {

QString numbered(int rows)
{
    const char* const types[] = {"INPUT", "OUTPUT", "INOUT"};
    QString text;
    for (int i = 0; i < rows; ++i)
        text += QStringLiteral("%1\tIO_L%2P_T%3_%4\t%5\n")
                    .arg(i + 1)
                    .arg(i % 24 + 1)
                    .arg(i % 24 / 6)
                    .arg(i / 24)
                    .arg(QLatin1String(types[i % 3]));
    return text;
}

} // namespace PinTableFixture
