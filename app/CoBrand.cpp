#include "CoBrand.h"

#include "Platform.h"

qint16 intCoBrandRandomNumber = 0;

bool drawCoBrandNumber()
{
    intCoBrandRandomNumber = static_cast<qint16>(Platform::randomFraction() * 6) + 1;
    return intCoBrandRandomNumber % 2 == 1;
}
