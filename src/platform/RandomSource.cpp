#include "platform/RandomSource.h"

#include <QRandomGenerator>

namespace tarvo {

std::uint64_t SystemRandomSource::freshSeed()
{
    return QRandomGenerator::system()->generate64();
}

} // namespace tarvo
