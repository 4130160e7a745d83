#include "app/StartupTable.h"

#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"

std::vector<StartupWindow> LongLivedWindows()
{
    return {
        {'A', [] { Form1 = new TForm1(); }},
        {'K', [] { result = new Tresult(); }},
        {'L', [] { Analys = new TAnalys(); }},
    };
}

void DestroyLongLivedWindows()
{
    delete Analys.data();
    delete result.data();
    delete Form1.data();
}
