// The window's controls with their resource values: geometry in client
// pixels (or their panel's), colours, texts, items, hints and visibility.
#include "core/Form1.h"

namespace zvk {

using namespace vcl;

namespace {

// Fonts of the resource.
const TFontStyle kFormFont{5, true, clBlack, true};
const TFontStyle kSmall{5, false, clBlack, true};
const TFontStyle kSmallBold{5, true, clBlack, true};
const TFontStyle kSmallBoldWhite{5, true, clWhite, true};
const TFontStyle kSmallWhite{5, false, clWhite, true};
const TFontStyle k11{11, false, clBlack, false};
const TFontStyle k11Bold{11, true, clBlack, false};
const TFontStyle k11BoldAqua{11, true, clAqua, false};
const TFontStyle k13BoldWhite{13, true, clWhite, false};
const TFontStyle kTiny{9, false, clBlack, false};

TEdit* Label(TEdit* e, TColor bg, const TFontStyle& font) {
    e->SetBorderless(true);
    e->SetColor(bg);
    e->SetFont(font);
    return e;
}

} // namespace

void TForm1::CreateControls() {
    // ---- Top row ----
    ComboBox4 = Make<TComboBox>("ComboBox4", nullptr, 0, 0, 82, 21, true);
    ComboBox4->SetItems({"automaticky", "od kanálu L", "od kanálu R"});
    ComboBox4->SetText("od kanálu R");
    ComboBox4->SetFont(kSmall);

    Panel15 = Make<TPanel>("Panel15", nullptr, 77, 0, 184, 21);
    Panel15->SetColor(clBlack);
    Panel15->SetBevel(false, true, false);

    Button3 = Make<TButton>("Button3", Panel15, 8, 3, 65, 16);
    Button3->SetCaption("jednorázové");
    Button3->SetHint("přepíná mezi jednrázovým a periodickým (neustálým) spoštěním");
    Button3->SetFont(k11);
    Button3->Cancel = true;

    RadioButton4 = Make<TRadioButton>("RadioButton4", Panel15, 74, 3, 30, 14);
    RadioButton4->SetCaption("R");
    RadioButton4->SetColor(clAqua);
    RadioButton4->SetFont(kFormFont);
    RadioButton3 = Make<TRadioButton>("RadioButton3", Panel15, 106, 3, 30, 14);
    RadioButton3->SetCaption("L");
    RadioButton3->SetColor(clYellow);
    RadioButton3->SetFont(kFormFont);
    RadioButton5 = Make<TRadioButton>("RadioButton5", Panel15, 138, 3, 43, 14);
    RadioButton5->SetCaption("L+R");
    RadioButton5->SetColor(clHighlightText);
    RadioButton5->SetFont(k11Bold);
    RadioButton5->SetChecked(true);

    Edit4 = Make<TEdit>("Edit4", nullptr, 262, 0, 62, 21);
    Edit4->SetText("465 mA");
    Edit4->SetReadOnly(true);
    Edit4->SetColor(clYellow);
    Edit4->SetFont(k11Bold);
    Edit4->SetHint("velikost napětí v prvním měřicím kanálu");

    ComboBox9 = Make<TComboBox>("ComboBox9", nullptr, 323, 0, 81, 21, true);
    ComboBox9->SetItems({"automaticky", "    500 mV", "   200 mV", "   100 mV", "     50 mV",
                         "     20 mV   ", "     10 mV", "      5 mV", "      2 mV      "});
    ComboBox9->SetText("automaticky");
    ComboBox9->SetColor(clYellow);
    ComboBox9->SetFont(kSmall);
    ComboBox9->SetDropDownCount(15);

    Edit12 = Make<TEdit>("Edit12", nullptr, 403, 0, 58, 21);
    Edit12->SetText("12760Hz");
    Edit12->SetReadOnly(true);
    Edit12->SetColor(clYellow);
    Edit12->SetFont(k11Bold);
    Edit12->SetHint("frekvence napětí v prvním měřicím kanálu");

    Edit1 = Make<TEdit>("Edit1", nullptr, 462, 0, 62, 21);
    Edit1->SetText("532.2 mV");
    Edit1->SetColor(clAqua);
    Edit1->SetFont(kFormFont);

    ComboBox10 = Make<TComboBox>("ComboBox10", nullptr, 523, 0, 81, 21, true);
    ComboBox10->SetItems({"automaticky", "      50 V", "      20 V", "      10 V", "        5 V",
                          "        2 V", "        1 V", "     500 mV", "     200 mV", "     100 mV",
                          "       50 mV", "       20 mV", "       10 mV"});
    ComboBox10->SetText("automaticky");
    ComboBox10->SetColor(clAqua);
    ComboBox10->SetFont(kSmall);
    ComboBox10->SetDropDownCount(15);

    Edit8 = Make<TEdit>("Edit8", nullptr, 603, 0, 57, 21);
    Edit8->SetText("12760Hz");
    Edit8->SetColor(clAqua);
    Edit8->SetFont(kFormFont);

    ComboBox1 = Make<TComboBox>("ComboBox1", nullptr, 660, 0, 83, 21, false);
    ComboBox1->SetItems({"automatická", "   100 msec", "    50 msec", "    20 msec", "    10 msec",
                         "      5 msec", "      2 msec", "      1 msec", " generátoru"});
    ComboBox1->SetHint("nastavení časové osy");
    ComboBox1->SetFont(k11);
    ComboBox1->SetDropDownCount(9);

    Panel10 = Make<TPanel>("Panel10", nullptr, 744, 0, 50, 21);
    Panel10->SetColor(clRed);
    Panel10->SetBevel(false, false, true);

    Button2 = Make<TButton>("Button2", nullptr, 746, 2, 45, 18);
    Button2->SetCaption("optimum");
    Button2->SetHint("vytvoří nebo odstraní svítící rastr na obrazovce");
    Button2->SetFont(k11);
    Button2->Default = true;

    // ---- Unit labels of the vertical scales ----
    Edit18 = Label(Make<TEdit>("Edit18", nullptr, 0, 40, 27, 15), clBlack, k11BoldAqua);
    Edit18->SetText("+mV");
    Edit19 = Label(Make<TEdit>("Edit19", nullptr, 0, 484, 27, 15), clBlack, k11BoldAqua);
    Edit19->SetText("-mV");
    Edit2 = Label(Make<TEdit>("Edit2", nullptr, 32, 41, 27, 15), clBlack,
                  TFontStyle{5, true, clYellow, true});
    Edit2->SetText("mA");
    Edit5 = Label(Make<TEdit>("Edit5", nullptr, 32, 479, 27, 15), clBlack,
                  TFontStyle{5, true, clYellow, true});
    Edit5->SetText("mA");

    // ---- Warning panel ----
    Panel14 = Make<TPanel>("Panel14", nullptr, 72, 172, 629, 21);
    Panel14->SetColor(clRed);
    Panel14->SetCaption("překročena mez zobrazitelnosti - snižte frekvenci");
    Panel14->SetCaptionFont(k13BoldWhite);
    Panel14->SetVisible(false);

    // ---- Generator 1 ----
    Panel13 = Make<TPanel>("Panel13", nullptr, 0, 500, 800, 29);
    Panel13->SetColor(clTeal);
    ComboBox7 = Make<TComboBox>("ComboBox7", Panel13, 4, 4, 101, 21, true);
    ComboBox7->SetItems({" 0 až 1 V", " 0 až 500 mV", " 0 až 200 mV", " 0 až 100 mV", " 0 až 50 mV",
                         " 0 až 20 mV", " 0 až 10 mV ", "  vypnuto"});
    ComboBox7->SetText(" 0 až 1000mV ");
    ComboBox7->SetFont(kSmallBold);
    Edit13 = Make<TEdit>("Edit13", Panel13, 104, 4, 57, 21);
    Edit13->SetText("999");
    Edit13->SetFont(kSmallBold);
    Edit6 = Label(Make<TEdit>("Edit6", Panel13, 137, 7, 25, 16), clWindow, kSmallBold);
    Edit6->SetText("mV");
    ScrollBar4 = Make<TScrollBar>("ScrollBar4", Panel13, 164, 5, 221, 20);
    ScrollBar4->SetMax(1000);
    ScrollBar4->SetPosition(500);
    ScrollBar4->SetLargeChange(100);
    ScrollBar4->SetHint("nastavení amplitudy");
    ScrollBar5 = Make<TScrollBar>("ScrollBar5", Panel13, 388, 5, 219, 20);
    ScrollBar5->SetMax(100);
    ScrollBar5->SetHint("nastavení frekvence");
    Edit14 = Make<TEdit>("Edit14", Panel13, 608, 4, 67, 21);
    Edit14->SetText("100");
    Edit14->SetFont(kSmallBold);
    Edit14->SetHint("double click");
    Edit3 = Label(Make<TEdit>("Edit3", Panel13, 648, 7, 27, 16), clWindow, kSmallBold);
    Edit3->SetText("kHz");
    ComboBox8 = Make<TComboBox>("ComboBox8", Panel13, 674, 4, 120, 21, true);
    ComboBox8->SetItems(
        {"20 Hz až 100 Hz", "100 Hz až 1 kHz", "1 kHz až 20 kHz", "10 Hz až 20 kHz"});
    ComboBox8->SetText("100 Hz až 1 kHz ");
    ComboBox8->SetFont(kSmallBold);

    // ---- Generator 2 ----
    Panel410 = Make<TPanel>("Panel410", nullptr, 0, 440, 800, 29);
    Panel410->SetColor(clTeal);
    Panel410->SetVisible(false);
    ComboBox410 = Make<TComboBox>("ComboBox410", Panel410, 4, 4, 101, 21, true);
    ComboBox410->SetItems({" 0 až 2000m V", " 0 až 1000mV", " 0 až 500 mV", " 0 až 200 mV",
                           " 0 až 100 mV", " 0 až 50 mV", " 0 až 20 mV", " 0 až 10 mV ", ""});
    ComboBox410->SetText(" 0 až 1 V ");
    ComboBox410->SetFont(kSmallBold);
    Edit403 = Make<TEdit>("Edit403", Panel410, 104, 4, 57, 21);
    Edit403->SetText("1000");
    Edit403->SetFont(kSmallBold);
    Edit10 = Label(Make<TEdit>("Edit10", Panel410, 138, 7, 24, 16), clWindow, kSmallBold);
    Edit10->SetText("mV");
    ScrollBar403 = Make<TScrollBar>("ScrollBar403", Panel410, 164, 5, 221, 20);
    ScrollBar403->SetMax(32767);
    ScrollBar403->SetPosition(1000);
    ScrollBar403->SetLargeChange(10);
    ScrollBar403->SetHint("nastavení amplitudy");
    ScrollBar406 = Make<TScrollBar>("ScrollBar406", Panel410, 388, 5, 219, 20);
    ScrollBar406->SetMax(1000);
    ScrollBar406->SetMin(100);
    ScrollBar406->SetPosition(500);
    ScrollBar406->SetHint("nastavení frekvence");
    Edit409 = Make<TEdit>("Edit409", Panel410, 608, 4, 67, 21);
    Edit409->SetText(" 500");
    Edit409->SetFont(kSmallBold);
    Edit9 = Label(Make<TEdit>("Edit9", Panel410, 648, 7, 27, 16), clWindow, kSmallBold);
    Edit9->SetText(" Hz");
    ComboBox411 = Make<TComboBox>("ComboBox411", Panel410, 674, 4, 120, 21, true);
    ComboBox411->SetItems({"20 Hz až 100 Hz", "100 Hz až 1 kHz", "1 kHz až 20 kHz",
                           "10 Hz až 20 kHz", "     zrušit"});
    ComboBox411->SetText("100 Hz až 1 kHz ");
    ComboBox411->SetFont(kSmallBold);

    // ---- Swept generator ----
    Panel110 = Make<TPanel>("Panel110", nullptr, 388, 410, 409, 29);
    Panel110->SetColor(clBtnShadow);
    Panel110->SetVisible(false);
    Edit130 = Make<TEdit>("Edit130", Panel110, 2, 4, 159, 21);
    Edit130->SetText("od frekvence               Hz");
    Edit130->SetFont(kFormFont);
    Edit106 = Make<TEdit>("Edit106", Panel110, 88, 4, 49, 21);
    Edit106->SetText("100");
    Edit106->SetFont(kFormFont);
    Edit109 = Make<TEdit>("Edit109", Panel110, 168, 4, 153, 21);
    Edit109->SetText("do frekvence              Hz");
    Edit109->SetFont(kFormFont);
    Edit110 = Make<TEdit>("Edit110", Panel110, 248, 4, 49, 21);
    Edit110->SetText("500");
    Edit110->SetFont(kFormFont);
    Button103 = Make<TButton>("Button103", Panel110, 325, 5, 33, 21);
    Button103->SetCaption("start");
    Button103->SetFont(kFormFont);
    Button103->Default = true;
    Button104 = Make<TButton>("Button104", Panel110, 362, 5, 42, 21);
    Button104->SetCaption("zrušit");
    Button104->SetFont(kFormFont);
    Button104->Default = true;

    // ---- Automatic generator ----
    Panel215 = Make<TPanel>("Panel215", nullptr, 0, 472, 801, 30);
    Panel215->SetColor(clTeal);
    Panel215->SetVisible(false);
    Edit225 = Make<TEdit>("Edit225", Panel215, 8, 4, 141, 21);
    Edit225->SetText("od frekvence                  Hz");
    Edit225->SetColor(cl3DLight);
    Edit225->SetFont(kSmall);
    Edit206 = Make<TEdit>("Edit206", Panel215, 80, 4, 45, 21);
    Edit206->SetText("100");
    Edit206->SetFont(kSmall);
    Edit227 = Make<TEdit>("Edit227", Panel215, 148, 4, 133, 21);
    Edit227->SetText("do frekvence                Hz");
    Edit227->SetColor(clSilver);
    Edit227->SetFont(kSmall);
    Edit216 = Make<TEdit>("Edit216", Panel215, 216, 4, 41, 21);
    Edit216->SetText("200");
    Edit216->SetFont(kSmall);
    Edit224 = Make<TEdit>("Edit224", Panel215, 288, 4, 260, 21);
    Edit224->SetText("krok změny frekvence                                           Hz      "
                     "                                    ");
    Edit224->SetColor(clBtnShadow);
    Edit224->SetFont(kSmallWhite);
    ComboBox212 = Make<TComboBox>("ComboBox212", Panel215, 400, 4, 89, 21, true);
    ComboBox212->SetItems({"automaticky", "   ručně"});
    ComboBox212->SetText("       ručně");
    ComboBox212->SetFont(kSmall);
    Edit223 = Make<TEdit>("Edit223", Panel215, 488, 4, 35, 21);
    Edit223->SetText("10");
    Edit223->SetFont(kSmall);
    Edit229 = Make<TEdit>("Edit229", Panel215, 555, 4, 153, 21);
    Edit229->SetText("prodleva mezi kroky           sec");
    Edit229->SetColor(clBlack);
    Edit229->SetFont(kSmallWhite);
    Edit222 = Make<TEdit>("Edit222", Panel215, 656, 4, 25, 21);
    Edit222->SetText("1");
    Edit222->SetFont(kSmall);
    Button203 = Make<TButton>("Button203", Panel215, 712, 5, 33, 21);
    Button203->SetCaption("start");
    Button203->SetFont(kSmall);
    Button203->Default = true;
    Button204 = Make<TButton>("Button204", Panel215, 749, 5, 42, 21);
    Button204->SetCaption("zrušit");
    Button204->SetFont(kSmall);
    Button204->Default = true;

    // ---- Controls the window holds but never shows ----
    TrackBar1 = Make<TTrackBar>("TrackBar1", nullptr, 32, 48, 20, 440);
    TrackBar1->SetRange(-220, 220);
    TrackBar1->SetHint("nastavuje spouštěcí úroveň");
    TrackBar1->SetVisible(false);

    UpDown2 = Make<TUpDown>("UpDown2", nullptr, 634, 202, 19, 18);
    UpDown2->Min = 0;
    UpDown2->Max = 50;
    UpDown2->Increment = 5;
    UpDown2->SetPosition(15);
    UpDown2->SetEnabled(false);
    UpDown2->SetHint("nastavuje jas rastru");
    UpDown2->SetVisible(false);

    ComboBox2 = Make<TComboBox>("ComboBox2", nullptr, 357, 208, 81, 21, false);
    ComboBox2->SetItems({"automaticky", "      50 V", "      20 V", "      10 V", "        5 V",
                         "        2 V", "        1 V", "    500 mV", "    200 mV", "    100 mV",
                         "      50 mV", "      20 mV", "      10 mV"});
    ComboBox2->SetColor(clYellow);
    ComboBox2->SetHint("nastavení rozsahu na ose napětí");
    ComboBox2->SetVisible(false);
    ComboBox3 = Make<TComboBox>("ComboBox3", nullptr, 542, 320, 81, 21, true);
    ComboBox3->SetItems({"automaticky", "      50 V", "      20 V", "      10 V", "        5 V",
                         "        2 V", "        1 V", "     500 mV", "     200 mV", "     100 mV",
                         "       50 mV", "       20 mV", "       10 mV", "      vypnuto"});
    ComboBox3->SetColor(clAqua);
    ComboBox3->SetVisible(false);
    ComboBox5 = Make<TComboBox>("ComboBox5", nullptr, 261, 200, 81, 21, true);
    ComboBox5->SetItems({"automaticky", "  ", "", "", "    ", "   500 mA", "   200 mA", "   100 mA",
                         "     50 mA", "     20 mA    ", "     10 mA", "      5 mA", "      2 mA"});
    ComboBox5->SetColor(clYellow);
    ComboBox5->SetVisible(false);
    ComboBox6 = Make<TComboBox>("ComboBox6", nullptr, 534, 208, 81, 21, true);
    ComboBox6->SetItems({"automaticky", "      5 A", "      2 A", "      1 A", "    500 mA",
                         "    200 mA", "    100 mA", "      50 mA", "      20 mA", "      10 mA",
                         "  vypnuto"});
    ComboBox6->SetColor(clAqua);
    ComboBox6->SetVisible(false);

    RadioButton1 = Make<TRadioButton>("RadioButton1", nullptr, 0, 0, 80, 17);
    RadioButton1->SetCaption("periodické");
    RadioButton1->SetChecked(true);
    RadioButton1->SetColor(clTeal);
    RadioButton1->SetFont(kTiny);
    RadioButton1->SetHint("provádí periodické zobrazování průběhu");
    RadioButton1->SetVisible(false);
    RadioButton2 = Make<TRadioButton>("RadioButton2", nullptr, 0, 0, 80, 17);
    RadioButton2->SetCaption("jednorázové");
    RadioButton2->SetColor(clTeal);
    RadioButton2->SetFont(kTiny);
    RadioButton2->SetHint("provede po stisku levého tlačítka myši  VŽDY  jednorázové zobrazení");
    RadioButton2->SetVisible(false);
    RadioButton6 = Make<TRadioButton>("RadioButton6", nullptr, 0, 0, 80, 17);
    RadioButton6->SetCaption("periodické");
    RadioButton6->SetColor(clAqua);
    RadioButton6->SetFont(kTiny);
    RadioButton6->SetVisible(false);

    Panel1 = Make<TPanel>("Panel1", nullptr, 76, 596, 801, 17);
    Panel1->SetColor(clRed);
    Panel1->SetCaption("chybně stisknuté tlačítko L+R, ihned jej vymáčkněte");
    Panel1->SetVisible(false);
    Panel2 = Make<TPanel>("Panel2", nullptr, 76, 256, 417, 25);
    Panel2->SetColor(clRed);
    Panel2->SetCaption("překročen nastavený rozsah - snižte měřenou veličinu");
    Panel2->SetVisible(false);
    Panel6 = Make<TPanel>("Panel6", nullptr, 232, 328, 297, 41);
    Panel6->SetColor(clFuchsia);
    Panel6->SetCaption("běží jiná aplikace využívající zvukovou kartu");
    Panel6->SetVisible(false);
    Panel3 = Make<TPanel>("Panel3", nullptr, 350, 24, 217, 22);
    Panel3->SetBevel(false, false, false);
    Panel3->SetVisible(false);
    Edit11 = Make<TEdit>("Edit11", Panel3, 4, 0, 209, 21);
    Edit11->SetText("Edit11");
    Edit11->SetVisible(false);

    // Calibration panel, never shown; its sliders change no factor.
    Panel4 = Make<TPanel>("Panel4", nullptr, 56, 64, 800, 145);
    Panel4->SetColor(clBlack);
    Panel4->SetCaption("Panel4");
    Panel4->SetVisible(false);
    Panel7 = Make<TPanel>("Panel7", Panel4, 0, 0, 800, 17);
    Panel7->SetCaption("1. cejchování generátoru-voltmetr připojen mezi černou  a červenou "
                       "zdířkou, přepnut na měření střídavého napětí a rozsah cca 2 V");
    Panel7->SetColor(clTeal);
    Panel7->SetCaptionFont(kSmallBoldWhite);
    ScrollBar2 = Make<TScrollBar>("ScrollBar2", Panel4, 0, 17, 800, 16);
    Panel8 = Make<TPanel>("Panel8", Panel4, 0, 33, 800, 17);
    Panel8->SetCaption("na generátoru nastavena max. amplituda a tímto I jezdcem  posouváme tak "
                       "dlouho, až souhlasí údaj v okénku gnerátoru s údajem voltmetru");
    Panel8->SetColor(clTeal);
    Panel8->SetCaptionFont(kSmallBoldWhite);
    Panel5 = Make<TPanel>("Panel5", Panel4, 0, 50, 800, 17);
    Panel5->SetCaption("2. výstup generátoru (červená zdířka) propojen na pravý vstup (modrá "
                       "zdířka) i s cejchovním voltmetrem přepnutým opět na rozsah cca 2 V  ");
    Panel5->SetColor(clAqua);
    Panel5->SetVisible(false);
    ScrollBar1 = Make<TScrollBar>("ScrollBar1", Panel4, 0, 67, 700, 16);
    ScrollBar1->SetMax(100);
    ScrollBar1->SetMin(10);
    ScrollBar1->SetPosition(100);
    Edit7 = Make<TEdit>("Edit7", Panel4, 700, 67, 100, 16);
    Edit7->SetText("rozlišení =");
    Panel9 = Make<TPanel>("Panel9", Panel4, 0, 83, 800, 17);
    Panel9->SetCaption("jezdcem nahoře opět posouváme tak dlouho, až souhlasí údaj v modrém okénku "
                       "(napětí UR) s údajem voltmetru");
    Panel9->SetColor(clAqua);
    Panel11 = Make<TPanel>("Panel11", Panel4, 0, 100, 800, 17);
    Panel11->SetCaption("vložením kurzoru na šipky na obou koncích dráhy všech jezdců a stiskem "
                        "levého tlačítka myši dojde k nejmenšímu posunu jezdce o 1 krok");
    Panel12 = Make<TPanel>("Panel12", Panel4, 0, 117, 600, 17);
    Panel12->SetCaption("po nastavení všech jezdců stiskněte ( konec testu )");
    Button1 = Make<TButton>("Button1", Panel4, 600, 117, 100, 25);
    Button1->SetCaption("konec testu");
    Button1->SetFont(TFontStyle{11, true, clRed, false});
}

} // namespace zvk
