#include "generator/FrequencyRanges.h"

namespace zvk {

bool SetFrequencyRange(vcl::TScrollBar& bar, int item) {
    switch (item) {
    case 0:
        bar.SetMin(20);
        bar.SetMax(100);
        bar.SetPosition(50);
        return true;
    case 1:
        bar.SetMin(100);
        bar.SetMax(1000);
        bar.SetPosition(100);
        return true;
    case 2:
        bar.SetMax(20000);
        bar.SetMin(1000);
        bar.SetPosition(4000);
        return true;
    case 3:
        bar.SetMin(10);
        bar.SetMax(20000);
        bar.SetPosition(100);
        return true;
    default:
        return false;
    }
}

} // namespace zvk
