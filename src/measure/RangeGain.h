// Gain of a vertical range: 100 mV divided by the range.
#pragma once

#include "core/SharedTypes.h"

namespace zvk {

constexpr double RangeGain(VerticalRange range) {
    switch (range) {
    case VerticalRange::mV1:
        return 100.0;
    case VerticalRange::mV2:
        return 50.0;
    case VerticalRange::mV5:
        return 20.0;
    case VerticalRange::mV10:
        return 10.0;
    case VerticalRange::mV20:
        return 5.0;
    case VerticalRange::mV50:
        return 2.0;
    case VerticalRange::mV100:
        return 1.0;
    case VerticalRange::mV200:
        return 0.5;
    case VerticalRange::mV500:
        return 0.2;
    case VerticalRange::V1:
        return 0.1;
    case VerticalRange::V2:
        return 0.05;
    case VerticalRange::V5:
        return 0.02;
    case VerticalRange::V10:
        return 0.01;
    case VerticalRange::V20:
        return 0.005;
    case VerticalRange::V50:
        return 0.002;
    }
    return 1.0;
}

} // namespace zvk
