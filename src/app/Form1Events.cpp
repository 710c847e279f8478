// Binds every control's event to its handler.
#include "core/Form1.h"

#include "audio/AudioIO.h"

namespace zvk {

using vcl::TObject;

void TForm1::BindEvents() {
    auto bind = [this](void (TForm1::*handler)(TObject*)) {
        return [this, handler](TObject* sender) { (this->*handler)(sender); };
    };
    OnResize = [this] { FormResize(nullptr); };
    OnClose = [this] { FormClose(nullptr); };

    ComboBox4->OnClick = bind(&TForm1::ComboBox4Click);
    Button3->OnClick = bind(&TForm1::Button3Click);
    RadioButton4->OnClick = bind(&TForm1::RadioButton4Click);
    RadioButton3->OnClick = bind(&TForm1::RadioButton3Click);
    RadioButton5->OnClick = bind(&TForm1::RadioButton5Click);
    ComboBox9->OnClick = bind(&TForm1::ComboBox9Click);
    ComboBox10->OnClick = bind(&TForm1::ComboBox10Click);
    ComboBox1->OnClick = bind(&TForm1::ComboBox1Click);
    ComboBox1->OnChange = bind(&TForm1::ComboBox1Click);
    Button2->OnClick = bind(&TForm1::Button2Click);

    ComboBox7->OnClick = bind(&TForm1::ComboBox7Click);
    Edit13->OnDblClick = bind(&TForm1::Edit13DblClick);
    ScrollBar4->OnChange = bind(&TForm1::ScrollBar4Change);
    ScrollBar5->OnChange = bind(&TForm1::ScrollBar5Change);
    Edit14->OnDblClick = bind(&TForm1::Edit14DblClick);
    Edit14->OnEnter = bind(&TForm1::Edit14Enter);
    ComboBox8->OnClick = bind(&TForm1::ComboBox8Click);

    ComboBox410->OnClick = bind(&TForm1::ComboBox410Change);
    ComboBox410->OnChange = bind(&TForm1::ComboBox410Change);
    ScrollBar403->OnChange = bind(&TForm1::ScrollBar403Change);
    ScrollBar406->OnChange = bind(&TForm1::ScrollBar406Change);
    ComboBox411->OnClick = bind(&TForm1::ComboBox411Click);

    Button103->OnClick = bind(&TForm1::Button103Click);
    Button104->OnClick = bind(&TForm1::Button104Click);
    Button203->OnClick = bind(&TForm1::Button203Click);
    Button204->OnClick = bind(&TForm1::Button204Click);

    TrackBar1->OnChange = bind(&TForm1::TrackBar1Change);
    UpDown2->OnChanging = [this](TObject* s, bool& allow) { UpDown2Changing(s, allow); };
    ComboBox2->OnClick = bind(&TForm1::ComboBox2Click);
    ComboBox3->OnClick = bind(&TForm1::ComboBox3Click);
    ComboBox5->OnClick = bind(&TForm1::ComboBox5Click);
    ComboBox6->OnClick = bind(&TForm1::ComboBox6Click);
    Panel6->OnClick = bind(&TForm1::Panel6Click);
    Panel4->OnClick = bind(&TForm1::Panel4Click);
    ScrollBar1->OnChange = bind(&TForm1::ScrollBar1Change);
    Button1->OnClick = bind(&TForm1::Button1Click);

    mix1->OnClick = bind(&TForm1::mix1Click);
    file1->OnClick = bind(&TForm1::file1Click);
    zobrazit1->OnClick = bind(&TForm1::zobrazit1Click);
    zruit1->OnClick = bind(&TForm1::zruit1Click);
    zobrazit2->OnClick = bind(&TForm1::zobrazit2Click);
    zruit2->OnClick = bind(&TForm1::zruit2Click);
    zobrazit3->OnClick = bind(&TForm1::zobrazit3Click);
    zruit3->OnClick = bind(&TForm1::zruit3Click);
    zobrazit4->OnClick = bind(&TForm1::zobrazit4Click);
    zruit4->OnClick = bind(&TForm1::zruit4Click);

    Timer1->OnTimer = bind(&TForm1::Timer1Timer);

    AudioOut1->OnStart = bind(&TForm1::AudioOut1Start);
    AudioOut1->OnFillBuffer = [this](std::uint8_t* buffer, std::int32_t& size) {
        return AudioOut1FillBuffer(buffer, size);
    };
    AudioIn1->OnBufferFilled = [this](std::uint8_t* buffer, std::int32_t& size) {
        return AudioIn1BufferFilled(buffer, size);
    };
}

} // namespace zvk
