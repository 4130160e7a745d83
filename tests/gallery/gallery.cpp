// Renders every window of the program to a PNG file, for a person to look at.
// Usage: ortavi_gallery <output folder>
#include "app/Version.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "chart/aboutbio.h"
#include "data/Horo.h"
#include "extras/Loading.h"
#include "nameday/NameDayForm.h"
#include "extras/MyFoto.h"
#include "extras/SysUnit.h"
#include "extras/Thanks.h"
#include "extras/ThanksBox.h"
#include "extras/Timer.h"
#include "extras/TipOfTheDay.h"
#include "extras/PhraseFile.h"
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
#include "profiles/OpenForm.h"
#include "profiles/Options.h"
#include "profiles/ProfileStore.h"
#include "platform/widgets/MultiRowTabWidget.h"
#include "support/NameDaysFixture.h"
#include "support/QtTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <filesystem>

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

// The main window with one of its menus open and an item highlighted: a menu is a window of
// its own, so the two pictures are put together where they stand on screen.
void SaveWithMenu(TForm1& form, QMenu& menu, QAction* highlighted, const char* name)
{
    form.show();
    QApplication::processEvents();
    if (QAction* barItem = menu.menuAction(); form.menuBar()->actions().contains(barItem))
        QTest::mouseClick(form.menuBar(), Qt::LeftButton, {}, form.menuBar()->actionGeometry(barItem).center());
    else
        menu.popup(form.mapToGlobal(QPoint(120, 90)));
    QApplication::processEvents();
    menu.setActiveAction(highlighted);
    QApplication::processEvents();

    const QRect windowRect = form.frameGeometry();
    const QRect menuRect = menu.geometry();
    const QRect all = windowRect.united(menuRect);
    QImage picture(all.size(), QImage::Format_RGB32);
    picture.fill(QColor(90, 90, 100));
    {
        QPainter painter(&picture);
        painter.drawPixmap(form.geometry().topLeft() - all.topLeft(), form.grab());
        painter.drawPixmap(menuRect.topLeft() - all.topLeft(), menu.grab());
    }
    menu.hide();
    const QString path = g_folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
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

// A sign file of the gallery's own for Ivan's sign, the Lion: enough text to fill every page.
const char* const kLionSource =
    "Знак\tЛев\n"
    "Дата\t23 июля - 23 августа\n"
    "Планета\tСолнце\n"
    "Числа\t1, 5, 9, 10, 11\n"
    "Символы\tЛев, орёл, солнце\n"
    "Цвета\tзолотой, оранжевый, пурпурный, алый\n"
    "Камни\tрубин, янтарь, хризолит, оникс\n"
    "Цветы\tподсолнух, пион, гладиолус\n"
    "Металл\tзолото\n"
    "Талисман\tорёл, божья коровка\n"
    "Дни\tвоскресенье\n"
    "Неудачи\tсуббота\n"
    "Страны\tИталия, Франция, Румыния, Чехия, Ливан\n"
    "Знак\tОгненный знак, которым управляет Солнце. Львы щедры, горды и любят быть на виду; им нужно, чтобы их "
    "ценили, и они умеют платить за это теплом и верностью.\n"
    "Личность\tЛев - прирождённый руководитель. Он открыт, великодушен и прям, не терпит мелочности и скуки. "
    "В любом деле ему важно признание: похвала вдохновляет Льва больше, чем деньги. Он легко берёт на себя "
    "ответственность за других и редко отступает от задуманного.\n"
    "Психосексуальная\tДля Льва любовь - это праздник и сцена. Он ухаживает красиво и с размахом и ждёт того же "
    "в ответ.\n"
    "Маневры\tЛев любит широкие жесты: подарки, сюрпризы, поездки. Внимание к мелочам ему даётся труднее.\n"
    "Здоровье\tСердце и спина - главные заботы Льва. Ему полезны движение на свежем воздухе и умеренность во всём.\n"
    "Удовлетворить\tВосхищайтесь им открыто и искренне, и Лев ответит вам тем же.\n"
    "Плюсы\tщедрость, благородство, смелость, верность, энергия, оптимизм, умение вести за собой\n"
    "Минусы\tтщеславие, властность, упрямство, нетерпимость к критике, любовь к роскоши\n"
    "Экономика\tЛев тратит легко и охотно, особенно на тех, кого любит.\n"
    "Партнеры\tОвен, Стрелец, Близнецы, Весы\n"
    "Соблазнить\tБудьте заметны: одевайтесь ярко; говорите комплименты. Слушайте его истории: Лев это ценит. "
    "Не спорьте при людях; спорьте наедине.\n"
    "Верность\tВысокая, пока Льва ценят и уважают.\n"
    "Шутка\tЛев не опаздывает - это все остальные приходят слишком рано.\n"
    "Подарки\tвсё золотое и блестящее, билеты в театр, красивые часы\n"
    "Родились\tНаполеон Бонапарт, Александр Дюма, Клод Дебюсси, Мата Хари\n"
    "Вопросы\tКак Лев относится к критике? Болезненно, но выслушивает её от тех, кого уважает.\n"
    "Конец\t-\n";
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

#ifdef ORTAVI_PROGRAM_FOLDER
// The windows that read the shipped data files, over those files as the build made them.
void SaveShippedContent(WindowTestEnvironment& env)
{
    const std::filesystem::path built = ORTAVI_PROGRAM_FOLDER;
    std::filesystem::copy(built / "Data", env.folder / "Data",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    for (const char* file : {"Prikol.dat", "names.dat"})
        std::filesystem::copy_file(built / file, env.folder / file,
                                   std::filesystem::copy_options::overwrite_existing);
    {
        THoroscop horoscope;
        horoscope.PageControl1->setCurrentIndex(2);
        Save(horoscope, "shipped-horoscope-personality");
    }
    {
        // The window picks at random; show the longest phrase, as the window would for its number.
        int longest = 1;
        std::string text;
        for (int k = 1; k < 1000; ++k) {
            const std::string phrase = ReadPhraseOfTheDay(k);
            if (QString::fromStdString(phrase).size() > QString::fromStdString(text).size()) {
                longest = k;
                text = phrase;
            }
        }
        TTip tip;
        tip.Label3->setText(QStringLiteral("Номер прикола: %1").arg(longest));
        tip.Label2->setText(QString::fromStdString(text));
        Save(tip, "shipped-phrase-longest");
    }
    {
        TNameDay window;
        Save(window, "shipped-nameday-today");
    }
}
#endif

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
    env.cdDrives.drives = {{"d:", 'd'}, {"e:", 'e'}};
    TForm1 form;
    Save(form, "main-empty");
    FillIvan(form, env.clock);
    Save(form, "main-filled");

    env.onModal = [](QDialog& dialog) { Save(dialog, dialog.objectName() == QLatin1String("result") ? "result" : "diagnosis"); };
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(resultWindow.SpeedButton2, Qt::LeftButton);
    result = nullptr;

    {
        TBio chart;
        chart.show();
        chart.FormActivate();
        Save(chart, "chart");
    }
    {
        std::filesystem::create_directories(env.folder / "Data");
        WriteBytes(env.folder / "Data" / "Lev.dat", ScrambleSource(kLionSource, "Wimbervex", "Lev.txt"));
        THoroscop horoscope;
        Save(horoscope, "horoscope-general");
        horoscope.PageControl1->setCurrentIndex(7);
        Save(horoscope, "horoscope-traits");
        horoscope.PageControl1->setCurrentIndex(10);
        Save(horoscope, "horoscope-seduce");
    }

    Save(*MakeInformationBox(ValidationText::kTooOld), "info-box");
    SaveNameDayWindow(env);

    // Profiles and options, with a few saved people.
    for (const char* name : {"Иван", "Анна", "Ёжик", "Борис", "Ева"}) {
        form.Edit2->setText(QString::fromUtf8(name));
        form.SaveExecute();
    }
    {
        TOpen open(&form);
        Save(open, "open-dialog");
    }
    WriteBytes(env.ProgramFile("settings.ini"),
               "[Options]\r\nOpenAnimation=True\r\nCloseAnimation=True\r\nAnimationEffectType=etRandom\r\n"
               "AnimationDelay=100\r\nRollingSpeed=8\r\nMagnetForm=True\r\nIcon=True\r\n"
               "AutoProfile=True\r\nProfile=\xC0\xED\xED\xE0\r\n");
    {
        TOpt options(&form);
        Save(options, "options-look");
        options.PageControl1->setCurrentWidget(options.TabSheet1);
        Save(options, "options-main");
    }

    SaveWithMenu(form, *form.Extra1, form.findChild<QAction*>(QStringLiteral("N10")), "main-menu-extra");
    SaveWithMenu(form, *form.file1, form.findChild<QAction*>(QStringLiteral("N29")), "main-menu-file");
    SaveWithMenu(form, *form.PopupMenu1, form.findChild<QAction*>(QStringLiteral("N23")), "main-popup-menu");
    SaveExtras(env);
#ifdef ORTAVI_PROGRAM_FOLDER
    SaveShippedContent(env);
#endif

    for (const std::string& line : env.log)
        std::printf("%s\n", line.c_str());
    return g_failures == 0 ? 0 : 1;
}
