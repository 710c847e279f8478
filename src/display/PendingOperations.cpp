// Placeholders until the display operations land; delete each as it is built.
#include "core/Form1.h"

namespace zvk {
void TForm1::DisplayCycle() {}
void TForm1::DrawGraticule() {}
void TForm1::SelectLeftRange() {}
void TForm1::SelectRightRange() {}
void TForm1::DrawVerticalScale() {}
void TForm1::SelectTimeBase(TriggerChannel) {}
void TForm1::DrawScales() {}
void TForm1::DrawTimeAxisLabels() {}
void TForm1::ComboBox9Click(vcl::TObject*) {}
void TForm1::ComboBox10Click(vcl::TObject*) {}
void TForm1::ComboBox2Click(vcl::TObject*) {}
void TForm1::ComboBox3Click(vcl::TObject*) {}
void TForm1::ComboBox5Click(vcl::TObject*) {}
void TForm1::ComboBox6Click(vcl::TObject*) {}
void TForm1::ComboBox1Click(vcl::TObject*) {}
void TForm1::UpDown2Changing(vcl::TObject*, bool&) {}
void TForm1::Button3Click(vcl::TObject*) {}
void TForm1::RadioButton5Click(vcl::TObject*) {}
void TForm1::RadioButton3Click(vcl::TObject*) {}
void TForm1::RadioButton4Click(vcl::TObject*) {}
void TForm1::ComboBox4Click(vcl::TObject*) {}
void TForm1::file1Click(vcl::TObject*) {}
void TForm1::TrackBar1Change(vcl::TObject*) {}
void TForm1::Panel6Click(vcl::TObject*) {}
} // namespace zvk
