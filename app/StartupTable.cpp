#include "app/StartupTable.h"

#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "chart/aboutbio.h"
#include "data/Horo.h"
#include "extras/MyFoto.h"
#include "extras/SysUnit.h"
#include "extras/Thanks.h"
#include "extras/ThanksBox.h"
#include "extras/Timer.h"
#include "extras/TipOfTheDay.h"
#include "extras/Uarclock.h"
#include "nameday/NameDayForm.h"
#include "profiles/OpenForm.h"
#include "profiles/Options.h"

namespace {
// The clock made at start-up. Clock1 moves on to every clock opened later, so this one is
// remembered apart to be destroyed at the end.
QPointer<TClock1> g_startupClock;
} // namespace

std::vector<StartupWindow> LongLivedWindows()
{
    return {
        {'A', [] { Form1 = new TForm1(); }},
        {'A', [] { Horoscop = new THoroscop(); }},
        {'A', [] { NameDay = new TNameDay(); }},
        {'B', [] { Assistance = new TAssistance(); }},
        {'C', [] { Tip = new TTip(); }},
        {'D', [] { Me = new TMe(); }},
        {'E', [] { Bio = new TBio(); }},
        {'F', [] { Opt = new TOpt(); }},
        {'G', [] { Open = new TOpen(); }},
        {'H', [] { kTime = new TkTime(); }},
        {'I', [] { Syst = new TSyst(); }},
        {'J', [] { OKBottomDlg = new TOKBottomDlg(); }},
        {'K', [] { result = new Tresult(); }},
        {'L', [] { Analys = new TAnalys(); }},
        {'M', [] { g_startupClock = Clock1 = new TClock1(); }},
    };
}

void DestroyLongLivedWindows()
{
    delete g_startupClock.data();
    delete OKBottomDlg.data();
    delete Syst.data();
    delete kTime.data();
    delete Me.data();
    delete Tip.data();
    delete Assistance.data();
    delete Analys.data();
    delete result.data();
    delete Open.data();
    delete Opt.data();
    delete Bio.data();
    delete NameDay.data();
    delete Horoscop.data();
    delete Form1.data();
}
