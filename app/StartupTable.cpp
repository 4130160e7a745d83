#include "app/StartupTable.h"

#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "chart/aboutbio.h"
#include "data/Horo.h"
#include "nameday/NameDayForm.h"
#include "profiles/OpenForm.h"
#include "profiles/Options.h"

std::vector<StartupWindow> LongLivedWindows()
{
    return {
        {'A', [] { Form1 = new TForm1(); }},
        {'A', [] { Horoscop = new THoroscop(); }},
        {'A', [] { NameDay = new TNameDay(); }},
        {'E', [] { Bio = new TBio(); }},
        {'F', [] { Opt = new TOpt(); }},
        {'G', [] { Open = new TOpen(); }},
        {'K', [] { result = new Tresult(); }},
        {'L', [] { Analys = new TAnalys(); }},
    };
}

void DestroyLongLivedWindows()
{
    delete Analys.data();
    delete result.data();
    delete Open.data();
    delete Opt.data();
    delete Bio.data();
    delete NameDay.data();
    delete Horoscop.data();
    delete Form1.data();
}
