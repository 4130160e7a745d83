// Renders every window of the program to a PNG file, for a person to look at.
// Usage: ortavi_gallery <output folder>
#include "app/Version.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "extras/Loading.h"
#include "nameday/NameDayForm.h"
#include "calc/PersonInput.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtServices.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Label3D.h"
#include "support/NameDaysFixture.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
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
    if (!window.grab().save(path)) {
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

// A few days of the name-day calendar, the longest of them (17 January) among them.
const char* const kNameDays =
    "1 января\tАглаида, Арис, Григорий, Евтихий, Илья, Полиевкт, Пров, Тимофей, Трифон, Фессалоникия\n"
    "17 января\tАгав, Акила, Александр, Алфей, Амплий, Ананий, Андроник, Анисим, Апеллий, Аполлос, Аристарх, "
    "Аристовул, Артем, Артемий, Архип, Архипп, Асинкрит, Афанасий, Ахаик, Варнава, Гай, Денис, Евод, Евстафий, "
    "Епафродит, Епенет, Ераст, Ерм, Ермий, Ефим, Ефимия, Зина, Зосима, Иосиф, Иродион, Карп, Кварт, Кесарь, Кифа, "
    "Климент, Кондратий, Крискент, Лин, Лука, Лукий, Марк, Наркисс, Никанор, Николай, Олимп, Онисифор, Онуфрий, "
    "Пармен, Патров, Прохор, Пуд, Родион, Руф, Семен, Сила, Сильван, Сосипатр, Сосфен, Стахий, Степан, Терентий, "
    "Тертий, Тимон, Тимофей, Тит, Тихик, Трофим, Увеликий, Урван, Фаддей, Феоктист, Филимон, Филипп, Филолог, "
    "Флегонт, Фортунат, Хрисанф, Юст, Ясон\n"
    "7 мая\tАлексей, Валентин, Евсевий, Елизавета, Иннокентий, Леонтий, Лонгин, Лука, Неон, Николай, Пасикрат, "
    "Савва, Станислав, Фома, Хрониктий\n"
    "11 декабря\tАндрей, Анна, Даниил, Евсевий, Ерофей, Иринарх, Константин, Никифор, Рафаил, Сергей, Сократ, "
    "Тимофей, Фома, Харитон\n"
    "12 декабря\tАвив, Акакий, Даниил, Денис, Констанция, Нектарий, Николай, Парамон, Питирун, Урван, Федр, "
    "Филумен\n";

void SaveNameDayWindow(WindowTestEnvironment& env)
{
    WriteNameDays(env.folder / "names.dat", kNameDays);
    {
        TNameDay window;
        Save(window, "nameday-date");
        window.PageControl1->setCurrentWidget(window.TabSheet2);
        window.ListBox1->setCurrentRow(window.ListBox1->row(
            window.ListBox1->findItems(QStringLiteral("Николай"), Qt::MatchExactly).value(0)));
        Save(window, "nameday-name");
        window.PageControl1->setCurrentWidget(window.TabSheet3);
        window.dxfComboBox1->setEditText(QStringLiteral("Николай"));
        window.dxfComboBox2->setEditText(QStringLiteral("Лука"));
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        Save(window, "nameday-common");
    }
    const LocalTime today = env.clock.Now();
    env.clock.Set(At(2027, 1, 17, 10));
    {
        TNameDay window;
        Save(window, "nameday-long-greeting");
    }
    env.clock.Set(today);
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
    SaveNameDayWindow(env);

    for (const std::string& line : env.log)
        std::printf("%s\n", line.c_str());
    return g_failures == 0 ? 0 : 1;
}
