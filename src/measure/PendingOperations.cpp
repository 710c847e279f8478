// Placeholders until the measurement operations land; delete each as it is built.
#include "core/Form1.h"

namespace zvk {
void TForm1::FindFirstPositiveLeft() {}
void TForm1::FindFirstPositiveRight() {}
void TForm1::FindFirstNegativeLeft() {}
void TForm1::FindFirstNegativeRight() {}
void TForm1::MeasureLeftVoltage() {}
void TForm1::MeasureRightVoltage() {}
void TForm1::MeasureLeftFrequency() {}
void TForm1::MeasureRightFrequency() {}
void TForm1::FindLeftHalfWave() {}
void TForm1::FindRightHalfWave() {}
} // namespace zvk
