#pragma once

#include "data/clsDatentraegerList.h"

// Puts a title back at its old position, when writing the list file failed
// after it was taken out or replaced.
inline void insertAt(clsDatentraegerList& dvds, int pos, const clsDatentraeger& dvd)
{
    const int n = dvds.getListSize();
    dvds.AddDVD(dvd);
    if (pos <= n) {
        dvds.ShiftDVDsUp(pos, n);
        dvds.setDVD(pos, dvd);
    }
}
