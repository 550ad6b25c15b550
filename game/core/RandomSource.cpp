#include "RandomSource.h"

#include <cstdlib>

void CLibraryRandom::Seed(unsigned seed)
{
    std::srand(seed);
}

int CLibraryRandom::Next()
{
    return std::rand();
}

RandomSource& ProcessRandom()
{
    static CLibraryRandom random;
    return random;
}
