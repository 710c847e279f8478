// Placeholders until the generator operations land; delete each as it is built.
#include "core/Form1.h"

namespace zvk {
bool TForm1::AudioOut1FillBuffer(std::uint8_t*, std::int32_t&) {
    return false;
}
void TForm1::AudioOut1Start(vcl::TObject*) {}
void TForm1::ScrollBar4Change(vcl::TObject*) {}
void TForm1::ComboBox7Click(vcl::TObject*) {}
void TForm1::ScrollBar5Change(vcl::TObject*) {}
void TForm1::ComboBox8Click(vcl::TObject*) {}
void TForm1::Edit14DblClick(vcl::TObject*) {}
void TForm1::Edit14Enter(vcl::TObject*) {}
void TForm1::Edit13DblClick(vcl::TObject*) {}
void TForm1::zobrazit1Click(vcl::TObject*) {}
void TForm1::zruit1Click(vcl::TObject*) {}
void TForm1::zobrazit2Click(vcl::TObject*) {}
void TForm1::zruit2Click(vcl::TObject*) {}
void TForm1::ScrollBar406Change(vcl::TObject*) {}
void TForm1::ScrollBar403Change(vcl::TObject*) {}
void TForm1::ComboBox410Change(vcl::TObject*) {}
void TForm1::ComboBox411Click(vcl::TObject*) {}
void TForm1::zobrazit3Click(vcl::TObject*) {}
void TForm1::zruit3Click(vcl::TObject*) {}
void TForm1::Button203Click(vcl::TObject*) {}
void TForm1::Timer1Timer(vcl::TObject*) {}
void TForm1::Button204Click(vcl::TObject*) {}
void TForm1::zobrazit4Click(vcl::TObject*) {}
void TForm1::zruit4Click(vcl::TObject*) {}
void TForm1::Button103Click(vcl::TObject*) {}
void TForm1::Button104Click(vcl::TObject*) {}
} // namespace zvk
