// Renders every window of the program to a PNG file, for a person to look at.
// Usage: ortavi_gallery <output folder>
#include "app/Version.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "extras/Loading.h"
#include "extras/MyFoto.h"
#include "extras/SysUnit.h"
#include "extras/Thanks.h"
#include "extras/ThanksBox.h"
#include "extras/Timer.h"
#include "extras/TipOfTheDay.h"
#include "extras/Uarclock.h"
#include "extras/aboutmenu.h"
#include "platform/services/Memory.h"
#include "platform/services/OsVersion.h"
#include "platform/widgets/DrumTimer.h"
#include "platform/widgets/ScrollingCredits.h"
#include "tools/DataFileBuilder.h"
#include "calc/PersonInput.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtServices.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Label3D.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSlider>
#include <QTest>

#include <chrono>
#include <cstdio>

namespace {

QString g_folder;
int g_failures = 0;

void Save(QWidget& window, const char* name)
{
    window.show();
    QApplication::processEvents();
    const QString path = g_folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    QPixmap picture = window.grab();
    if (!window.mask().isEmpty()) {
        // A shaped window: what lies outside its region is not part of it.
        QPixmap shaped(picture.size());
        shaped.fill(Qt::transparent);
        QPainter painter(&shaped);
        painter.setClipRegion(window.mask());
        painter.drawPixmap(0, 0, picture);
        painter.end();
        picture = shaped;
    }
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
    }
}

// Ivan of the worked example: born 10000 days before the gallery's today.
void FillIvan(TForm1& form, const Clock& clock)
{
    const auto birth = DaysBefore(clock.Now(), 10000);
    form.Edit2->setText(QStringLiteral("Иван"));
    form.Edit1->setText(QString::number(static_cast<unsigned>(birth.day())));
    form.ComboBox1->setCurrentIndex(static_cast<int>(static_cast<unsigned>(birth.month())) - 1);
    form.Edit3->setText(QString::number(static_cast<int>(birth.year())));
    form.TrackBar2->setValue(180);
    form.TrackBar1->setValue(80);
    form.CheckBox1->setChecked(true);
}

// The extras, each as it looks in use.
void SaveExtras(WindowTestEnvironment& env)
{
    // Whichever number the clock picks, it finds this phrase.
    std::string phrases;
    for (int k = 1; k <= 1000; ++k)
        phrases += std::to_string(k) + "\n" + std::to_string(k) +
                   " Утро вечера мудренее, особенно если вечер затянулся до самого утра.\n";
    WriteBytes(env.folder / "Prikol.dat", ScrambleSource(phrases, "Wimbervex", "phrases.txt"));
    {
        TTip tip;
        Save(tip, "phrase");
    }
    {
        TClock1 clock;
        clock.show();
        clock.Timer1Timer();
        Save(clock, "clock");
    }
    {
        TkTime timer;
        timer.MaskEdit1->setText(QStringLiteral("00:05:00"));
        timer.Edit1->setText(QStringLiteral("Чай готов!"));
        timer.dxfColorButton1Click();
        for (int i = 0; i < 83; ++i)
            timer.dxfTimer->tick();
        timer.dxfTimer->stop();
        QTest::qWait(300); // the drums finish turning
        Save(timer, "timer");
    }
    {
        constexpr std::uint64_t MB = 1024 * 1024;
        MemoryStatus status;
        status.TotalPhys = 8192 * MB;
        status.AvailPhys = 5000 * MB;
        status.TotalPageFile = 10240 * MB;
        status.AvailPageFile = 6500 * MB;
        status.TotalVirtual = 134217728 * MB;
        status.AvailVirtual = 134217728 * MB - 700 * MB;
        FixedMemory memory(status);
        FixedOsVersion version({2, 5, 1, 2600, "Service Pack 2", ""});
        Memory* previousMemory = SetMemory(&memory);
        OsVersion* previousVersion = SetOsVersion(&version);
        TSyst syst;
        syst.show();
        syst.SystTimerTimer();
        Save(syst, "system");
        SetOsVersion(previousVersion);
        SetMemory(previousMemory);
    }
    {
        WriteBytes(env.folder / "ortavi.ini", "[Ortavi]\r\nMach=42\r\n");
        TAboutBox about;
        about.abfCredits1->setOffset(330); // the credits half-way up
        Save(about, "about");
    }
    {
        TOKBottomDlg thanks;
        Save(thanks, "thanks");
        thanks.SpeedButton3Click();
        Save(thanks, "thanks-corner");
    }
    {
        TAssistance advisers;
        Save(advisers, "advisers");
    }
    {
        TMe me;
        Save(me, "picture");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(g_folder);

    WindowTestEnvironment env(At(2026, 12, 11, 14, 25, 54));

    {
        TLOADD splash;
        splash.dxfLabel1->setText(QLatin1String(VersionText));
        splash.dxfProgressBar1->setValue(58);
        Save(splash, "splash");
    }

    Tresult resultWindow;
    result = &resultWindow;
    TForm1 form;
    Save(form, "main-empty");
    FillIvan(form, env.clock);
    Save(form, "main-filled");

    env.onModal = [](QDialog& dialog) { Save(dialog, dialog.objectName() == QLatin1String("result") ? "result" : "diagnosis"); };
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(resultWindow.SpeedButton2, Qt::LeftButton);
    result = nullptr;

    Save(*MakeInformationBox(ValidationText::kTooOld), "info-box");
    SaveExtras(env);

    for (const std::string& line : env.log)
        std::printf("%s\n", line.c_str());
    return g_failures == 0 ? 0 : 1;
}
