#include "app/Startup.h"

const std::vector<StartupGroup>& StartupGroups()
{
    static const std::vector<StartupGroup> groups = {
        {'A', "Не могу создать форму MainForm!!!", 0},
        {'B', "Не могу создать форму Assistance!!!", 12 + 6},
        {'C', "Не могу создать форму Tip!!!", 6},
        {'D', "Не могу создать форму Me!!!", 6},
        {'E', "Не могу создать форму Bio!!!", 6},
        {'F', "Не могу создать форму Opt!!!", 6},
        {'G', "Не могу создать форму Open!!!", 6},
        {'H', "Не могу создать форму KTime!!!", 6},
        {'I', "Не могу создать форму Syst!!!", 6},
        {'J', "Не могу создать форму OKBottomDlg!!!", 12},
        {'K', "Не могу создать форму Result!!!", 6},
        {'L', "Не могу создать форму Analys!!!", 6},
        {'M', "Не могу создать форму Clock1!!!", 6},
    };
    return groups;
}

int RunStartup(const std::vector<StartupWindow>& windows, const std::function<void(int)>& setProgress,
               Dialogs& dialogs)
{
    int progress = kStartupFirstProgress;
    for (const StartupGroup& group : StartupGroups()) {
        try {
            for (const StartupWindow& window : windows)
                if (window.Group == group.Id)
                    window.Create();
        } catch (...) {
            // Whatever went wrong, the window is simply missing for this run.
            dialogs.TitledMessage(kStartupFailureTitle, group.FailureText);
        }
        if (group.ProgressStep != 0) {
            progress += group.ProgressStep;
            setProgress(progress);
        }
    }
    return progress;
}
