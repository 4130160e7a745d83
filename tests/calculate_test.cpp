#include "app/main.h"

#include "calc/Analyz.h"
#include "calc/PersonInput.h"
#include "calc/Unit2.h"
#include "chart/aboutbio.h"
#include "data/Horo.h"
#include "platform/services/Clipboard.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"
#include "support/QtTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace {

const char* const kIvanDiagnosis =
    "Итак, уважаемый Иван,"
    " у вас завышен индекс массы - это значит, что у вас большой риск сердечно-сосудистых заболеваний, советовал бы "
    "вам похудеть."
    " Интеллектуальный биоритм у вас хороший - я бы порекомендовал в этот день заниматься глубоким умственным трудом"
    " и эмоциональный биоритм у вас хороший - вы можете свободно проявлять свои эмоции"
    ", а вот физический биоритм к сожелению плохой - я бы не рекомендовал в этот день сильно переутруждать себя "
    "физически."
    " Кстати, у вас масса выше нормы - вам надо бы похудеть на 5,659 кг."
    " Судя по плотности, становится понятно, что утонуть вам будет просто."
    " Вы, наверно, умный, ведь масса вашего мозга больше стандартной."
    " Ну и ещё одно: если вас запихнуть в герметично закрытую комнату 1*1*1 м, и вы не будете пытаться из неё "
    "выбраться, то воздуха вам хватит на 12,5"
    " часов, а если будете пытаться, то и вовсе на 37,2 мин.";

class CalculateTest : public ::testing::Test {
protected:
    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
    std::unique_ptr<Tresult> window = std::make_unique<Tresult>();

    CalculateTest()
    {
        result = window.get();
        CurrentCalcState = CalcState{};
        CurrentCalcState.DiagnosisText = "before";
    }
    ~CalculateTest() override { result = nullptr; }

    // Ivan was born 10000 days before the test's today.
    void TypeIvan()
    {
        const auto birth = DaysBefore(env.clock.Now(), 10000);
        for (QChar c : QStringLiteral("Иван")) // typed as a Russian keyboard sends it
            QTest::sendKeyEvent(QTest::Click, form->Edit2, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClicks(form->Edit1, QString::number(static_cast<unsigned>(birth.day())));
        form->ComboBox1->setCurrentIndex(static_cast<int>(static_cast<unsigned>(birth.month())) - 1);
        QTest::keyClicks(form->Edit3, QString::number(static_cast<int>(birth.year())));
        form->TrackBar2->setValue(180);
        form->TrackBar1->setValue(80);
        QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
    }

    void Calculate() { QTest::mouseClick(form->SpeedButton1, Qt::LeftButton); }

    QString Line(const char* label) const { return window->ResultLabel(label)->text(); }
};

TEST_F(CalculateTest, IvanFillsAllNineteenLinesAndTheDiagnosis)
{
    TypeIvan();
    Calculate();
    EXPECT_EQ(env.log, EventLog{"modal:result"});
    EXPECT_EQ(CurrentCalcState.DaysLived, 10000);
    EXPECT_EQ(CurrentCalcState.DiagnosisText, kIvanDiagnosis);
    EXPECT_EQ(CurrentProfile.Name.Text(), "Иван");
    EXPECT_EQ(CurrentProfile.Sex, 'M');
    EXPECT_EQ(Line("Label2"), QStringLiteral(" Итак, вы живёте 10000 дней"));
    EXPECT_TRUE(Line("Label1").startsWith(QStringLiteral(" Родились вы в")));
    EXPECT_TRUE(Line("Label17").startsWith(QStringLiteral(" По знаку зодиака вы - ")));
    for (const char* name : {"Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
                             "Label8",  "Label9",  "Label10", "Label11", "Label12", "Label13", "Label14",
                             "Label15", "Label16", "Label17", "Label18", "Label19"}) {
        QLabel* label = window->ResultLabel(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_FALSE(label->text().isEmpty()) << name;
        EXPECT_EQ(label->x(), 8) << name;
        // Every line must be readable whole inside the window.
        EXPECT_LE(label->geometry().right(), window->width()) << name;
    }
    // The comma of a Russian desktop in the figures.
    EXPECT_EQ(Line("Label4"), QStringLiteral(" Ваш интеллектуальный биоритм - 0,18"));
    EXPECT_EQ(Line("Label5"), QStringLiteral(" Ваш эмоциональный биоритм - 0,78"));
    EXPECT_EQ(Line("Label6"), QStringLiteral(" Ваш физический биоритм - -0,97"));
    EXPECT_EQ(window->ResultLabel("Label2")->y(), 2);
    EXPECT_EQ(window->ResultLabel("Label16")->y(), 299);
}

TEST_F(CalculateTest, EachValidationFailureShowsItsOneMessageAndNothingIsCalculated)
{
    using namespace ValidationText;
    struct Row {
        const char* name;
        std::function<void(TForm1&)> spoil;
        EventLog expected;
    };
    const Row rows[] = {
        {"no day", [](TForm1& f) { f.Edit1->clear(); }, {"beep", std::string("info:") + kEnterBirthDate}},
        {"no month", [](TForm1& f) { f.ComboBox1->setCurrentIndex(-1); },
         {"beep", std::string("info:") + kEnterBirthDate}},
        {"day not a number", [](TForm1& f) { f.Edit1->setText("zz"); },
         {"beep", std::string("info:") + kBadDateFormat}},
        {"31 February",
         [](TForm1& f) {
             f.Edit1->setText("31");
             f.ComboBox1->setCurrentIndex(1);
         },
         {"beep", std::string("info:") + kDateMistake}},
        {"born tomorrow",
         [](TForm1& f) {
             f.Edit1->setText("12");
             f.ComboBox1->setCurrentIndex(11);
             f.Edit3->setText("2026");
         },
         {"beep", std::string("info:") + kDateMistake}},
        {"131 years", [](TForm1& f) { f.Edit3->setText("1895"); }, {"beep", std::string("info:") + kTooOld}},
        {"no name", [](TForm1& f) { f.Edit2->clear(); }, {"beep", std::string("info:") + kEnterName}},
        {"no sex", [](TForm1& f) { f.CheckBox1->setChecked(false); }, {std::string("info:") + kChooseSex}},
    };
    TypeIvan();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TForm1& f = *form;
        const QString day = f.Edit1->text(), year = f.Edit3->text(), name = f.Edit2->text();
        const int month = f.ComboBox1->currentIndex();
        row.spoil(f);
        env.log.clear();
        Calculate();
        EXPECT_EQ(env.log, row.expected);
        EXPECT_EQ(CurrentCalcState.DiagnosisText, "before");
        EXPECT_TRUE(window->ResultLabel("Label2")->text().isEmpty());
        f.Edit1->setText(day);
        f.Edit3->setText(year);
        f.Edit2->setText(name);
        f.ComboBox1->setCurrentIndex(month);
        f.CheckBox1->setChecked(true);
    }
}

TEST_F(CalculateTest, DiagnosisButtonOpensAFreshWindowThatShowsTheText)
{
    TypeIvan();
    Calculate();
    TAnalys* seen = nullptr;
    QString shown;
    env.onModal = [&](QDialog& dialog) {
        seen = Analys.data();
        EXPECT_EQ(seen, &dialog);
        dialog.show();
        shown = seen->Label1->text();
    };
    QPointer<TAnalys> longLived = new TAnalys();
    Analys = longLived;
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_NE(seen, nullptr);
    EXPECT_NE(seen, longLived.data());
    EXPECT_EQ(shown.toStdString(), kIvanDiagnosis);
    EXPECT_EQ(Analys.data(), longLived.data()) << "the name points back at the instance it replaced";
    EXPECT_EQ(window->findChildren<TAnalys*>().size(), 0) << "the fresh window is destroyed";
    delete longLived.data();
}

TEST_F(CalculateTest, CopyPutsTheWholeDiagnosisOnTheClipboard)
{
    TypeIvan();
    Calculate();
    CurrentCalcState.DiagnosisText += std::string(" Хвост, которого окно уже не показывает.") + kIvanDiagnosis;
    TAnalys diagnosis;
    diagnosis.show();
    ASSERT_GT(diagnosis.Label1->heightForWidth(diagnosis.Label1->width()), diagnosis.Label1->height())
        << "the text is longer than the label can show";
    QTest::mouseClick(diagnosis.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(CurrentClipboard().Text(), CurrentCalcState.DiagnosisText);
}

TEST_F(CalculateTest, TheRhythmsButtonOpensAFreshChartWithTheBalloonsOffMeanwhile)
{
    TypeIvan();
    Calculate();
    Form1 = form.get();
    for (const bool balloonsOn : {true, false}) {
        SCOPED_TRACE(balloonsOn ? "balloons on" : "balloons off");
        form->DanHint1->setHintActive(balloonsOn);
        TBio* seen = nullptr;
        bool balloonsDuring = true;
        env.onModal = [&](QDialog& dialog) {
            seen = Bio.data();
            EXPECT_EQ(seen, &dialog);
            EXPECT_EQ(dialog.parent(), window.get());
            balloonsDuring = form->DanHint1->hintActive();
        };
        QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);
        EXPECT_NE(seen, nullptr);
        EXPECT_FALSE(balloonsDuring);
        EXPECT_EQ(form->DanHint1->hintActive(), balloonsOn) << "restored as it was";
        EXPECT_FALSE(Bio) << "the fresh window is gone and the name points back";
        EXPECT_EQ(window->findChildren<TBio*>().size(), 0);
    }
    Form1 = nullptr;
}

TEST_F(CalculateTest, TheSignButtonOpensAFreshHoroscope)
{
    TypeIvan();
    Calculate();
    THoroscop* seen = nullptr;
    env.onModal = [&](QDialog& dialog) {
        seen = Horoscop.data();
        EXPECT_EQ(seen, &dialog);
    };
    QTest::mouseClick(window->SpeedButton5, Qt::LeftButton);
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(env.log, (EventLog{"modal:result", "modal:Horoscop"}));
    EXPECT_FALSE(Horoscop);
    EXPECT_EQ(window->findChildren<THoroscop*>().size(), 0);
}

TEST_F(CalculateTest, HelpOpensTheHelpFileMaximized)
{
    QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(env.log, EventLog{"open:help.chm maximized"});
}

} // namespace
