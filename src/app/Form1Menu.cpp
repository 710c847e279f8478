// The main menu tree.
#include "core/Form1.h"

#include <QAction>
#include <QFont>
#include <QMenu>

namespace zvk {

void TForm1::CreateMenu() {
    spoutn1 = MakeMenuItem("spoutn1", nullptr, "   spouštění", false);
    mix1 = MakeMenuItem("mix1", nullptr, "mix. pult ", false);
    volbazobrazen1 = MakeMenuItem("volbazobrazen1", nullptr, "volba zobrazení", false);
    // Shown checked and as the default (bold) item.
    volbazobrazen1->Action()->setCheckable(true);
    volbazobrazen1->Action()->setChecked(true);
    // Choosing it does nothing, so its mark stays (Qt would toggle it).
    QObject::connect(volbazobrazen1->Action(), &QAction::toggled, volbazobrazen1->Action(),
                     [a = volbazobrazen1->Action()](bool on) {
                         if (!on)
                             a->setChecked(true);
                     });
    QFont bold = volbazobrazen1->Action()->font();
    bold.setBold(true);
    volbazobrazen1->Action()->setFont(bold);
    file1 = MakeMenuItem("file1", nullptr, "mazání", false);
    mickanl1 = MakeMenuItem("mickanl1", nullptr, "napětíUL", false);
    volbarozsahu1 = MakeMenuItem("volbarozsahu1", nullptr, "volba rozsahu", false);
    frekvence1 = MakeMenuItem("frekvence1", nullptr, "frekvence", false);
    naptR1 = MakeMenuItem("naptR1", nullptr, "napětíUR", false);
    volbarozsahu2 = MakeMenuItem("volbarozsahu2", nullptr, "volba rozsahu", false);
    frekvence2 = MakeMenuItem("frekvence2", nullptr, "frekvence", false);
    // "&" marks the access key and is not shown.
    asovzkladna1 = MakeMenuItem("asovzkladna1", nullptr, "časová &osa", false);
    test2 = MakeMenuItem("test2", nullptr, "generátor", true);

    genertor11 = MakeMenuItem("genertor11", test2, "generátor 1", true);
    zobrazit1 = MakeMenuItem("zobrazit1", genertor11, "zobrazit", false);
    zruit1 = MakeMenuItem("zruit1", genertor11, "zrušit", false);
    genertor21 = MakeMenuItem("genertor21", test2, "generátor 2", true);
    zobrazit2 = MakeMenuItem("zobrazit2", genertor21, "zobrazit", false);
    zruit2 = MakeMenuItem("zruit2", genertor21, "zrušit", false);
    automatick1 = MakeMenuItem("automatick1", test2, "automatický", true);
    zobrazit3 = MakeMenuItem("zobrazit3", automatick1, "zobrazit", false);
    zruit3 = MakeMenuItem("zruit3", automatick1, "zrušit", false);
    rozmtan1 = MakeMenuItem("rozmtan1", test2, "rozmítaný", true);
    zobrazit4 = MakeMenuItem("zobrazit4", rozmtan1, "zobrazit", false);
    zruit4 = MakeMenuItem("zruit4", rozmtan1, "zrušit", false);

    for (vcl::TMenuItem* def : {genertor11, zobrazit1}) {
        QFont f = def->Action()->font();
        f.setBold(true);
        def->Action()->setFont(f);
    }
}

} // namespace zvk
