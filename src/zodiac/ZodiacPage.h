#pragma once

namespace tarvo {

// The pages of the result window, as its tabs and the inner health tabs hold them; each also
// goes on paper as it is.
enum class ZodiacPage { Characteristics, Diet, Fitness, Asanas };

} // namespace tarvo
