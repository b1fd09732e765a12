#include "CoBrand.h"

#include "Platform.h"

#include <QWidget>

qint16 intCoBrandRandomNumber = 0;

void CoBrand_Randomize(QWidget* lblCobrand, QWidget* lblFullBrand)
{
    intCoBrandRandomNumber = static_cast<qint16>(Platform::randomFraction() * 6) + 1;
    if (intCoBrandRandomNumber % 2 == 1)
        lblCobrand->raise();
    else
        lblFullBrand->raise();
}
