#include "app/StartupTable.h"

#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "nameday/NameDayForm.h"

std::vector<StartupWindow> LongLivedWindows()
{
    return {
        {'A', [] { Form1 = new TForm1(); }},
        {'A', [] { NameDay = new TNameDay(); }},
        {'K', [] { result = new Tresult(); }},
        {'L', [] { Analys = new TAnalys(); }},
    };
}

void DestroyLongLivedWindows()
{
    delete NameDay.data();
    delete Analys.data();
    delete result.data();
    delete Form1.data();
}
