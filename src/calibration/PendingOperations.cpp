// Placeholders until the calibration operations land; delete each as it is built.
#include "core/Form1.h"

namespace zvk {
void TForm1::Button2Click(vcl::TObject*) {}
void TForm1::ScrollBar1Change(vcl::TObject*) {}
void TForm1::Panel4Click(vcl::TObject*) {}
void TForm1::Button1Click(vcl::TObject*) {}
} // namespace zvk
