#include "core/Form1.h"

#include "audio/AudioIO.h"
#include "audio/AudioMixer.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QShortcut>

namespace zvk {

namespace {
constexpr const char* kCaption = "dvoukanálový osciloskop pro  SB AUDIGY  ( do 1V ef ) -levý kanál "
                                 "(žlutý) od 1mV -pravý kanál (modrý) od 10 mV  2004  RUX ";
}

TForm1::TForm1() {
    SetCaption(kCaption);
    // The resource's geometry; start-up sets the instrument's own.
    SetLeft(224);
    SetTop(108);
    SetClientWidth(804);
    SetClientHeight(566);
    Window()->setFont(vcl::MakeFont(vcl::TFontStyle{5, true, vcl::clBlack, true}));
    CreateMenu();
    CreateControls();

    // Components, in the order the window's resource creates them.
    AudioOut1 = new TAudioOut(Window());
    AudioOut1->SetBufferSize(44100);
    AudioOut1->SetFrameRate(44100);
    Register(AudioOut1, "AudioOut1", "Form1");
    AudioIn1 = new TAudioIn(Window());
    AudioIn1->SetBufferSize(32000);
    AudioIn1->SetNumBuffers(2);
    AudioIn1->SetFrameRate(44100);
    AudioIn1->SetStereo(true);
    Register(AudioIn1, "AudioIn1", "Form1");
    AudioMixer1 = new TAudioMixer(Window());
    Register(AudioMixer1, "AudioMixer1", "Form1");
    Timer1 = MakeTimer("Timer1");
    Timer1->SetEnabled(false);

    BindEvents();

    // Esc clicks the cancel button.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), Window());
    QObject::connect(esc, &QShortcut::activated, [this] { Button3->Click(); });
}

} // namespace zvk
