// Placeholder until the menu command lands.
#include "core/Form1.h"

namespace zvk {
void TForm1::mix1Click(vcl::TObject*) {}
} // namespace zvk
