// MulDiv for backends whose system has none, with the rounding and failure value of Windows'.
#include "platform/system.h"

#include <climits>
#include <cstdlib>

namespace platform {

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    long long product = static_cast<long long>(number) * numerator;
    long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    bool negative = (product < 0) != (denominator < 0);
    long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX || result < INT_MIN) {
        return -1;
    }
    return static_cast<int>(result);
}

} // namespace platform
