// Kept apart so that the window's construction, which lives with the
// program, is needed only by those who call this overload.
#include "core/Form1.h"
#include "display/HeadlessMeasure.h"

namespace zvk {

int RunHeadlessMeasure(const std::string& path, long long offsetFrames, std::ostream& out,
                       std::ostream& err) {
    TForm1 form;
    return RunHeadlessMeasure(form, path, offsetFrames, out, err);
}

} // namespace zvk
