#include "params/ParGen.h"

namespace birch {

TParGen DefaultParGen()
{
    return TParGen{};
}

} // namespace birch
