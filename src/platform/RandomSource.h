#pragma once

#include <cstdint>

namespace tarvo {

// Hands out seeds rather than numbers, so that rules can run their own standard
// engine and tests can replay a sequence exactly.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint64_t freshSeed() = 0;
};

class SystemRandomSource final : public RandomSource {
public:
    std::uint64_t freshSeed() override;
};

} // namespace tarvo
