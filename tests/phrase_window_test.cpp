#include "extras/TipOfTheDay.h"

#include "app/main.h"
#include "platform/widgets/FlatButton.h"
#include "support/QtTestSupport.h"
#include "tools/DataFileBuilder.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

class PhraseWindowTest : public ::testing::Test {
  protected:
    // Prikol.dat with all 999 phrases that can be picked: "k" then "k Фраза номер k.".
    void WriteAllPhrases()
    {
        std::string source;
        for (int k = 1; k <= 1000; ++k)
            source +=
                std::to_string(k) + "\n" + std::to_string(k) + " Фраза номер " + std::to_string(k) + ".\n";
        WritePhrases(source);
    }
    void WritePhrases(const std::string& source)
    {
        WriteBytes(env.folder / "Prikol.dat", ScrambleSource(source, "Wimbervex", "phrases.txt"));
    }
    bool PlainCopyLeft() const { return std::filesystem::exists(env.folder / "kemel.txt"); }

    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
};

TEST_F(PhraseWindowTest, EveryShowingPicksDecodesShowsAndCleansUp)
{
    WriteAllPhrases();
    TTip tip;
    tip.show();
    const QString number = tip.Label3->text();
    ASSERT_TRUE(number.startsWith(QStringLiteral("Номер прикола: "))) << number.toStdString();
    const int k = number.mid(15).toInt();
    EXPECT_GE(k, 1);
    EXPECT_LE(k, 999);
    EXPECT_EQ(tip.Label1->text(), QStringLiteral("Всего приколов: 1000"));
    EXPECT_EQ(tip.Label2->text(), QStringLiteral("Фраза номер %1.").arg(k));
    EXPECT_FALSE(PlainCopyLeft());
    EXPECT_TRUE(env.log.empty());

    // A later showing seeds afresh from the clock and picks again.
    tip.hide();
    env.clock.Set(At(2026, 12, 11, 14, 25, 55));
    tip.show();
    const int next = tip.Label3->text().mid(15).toInt();
    EXPECT_NE(next, k);
    EXPECT_EQ(tip.Label2->text(), QStringLiteral("Фраза номер %1.").arg(next));
}

TEST_F(PhraseWindowTest, ALineWithoutANumberGivesTheErrorBox)
{
    std::string source = "Заголовок без номера\n";
    for (int k = 1; k <= 1000; ++k)
        source += std::to_string(k) + "\n" + std::to_string(k) + " Фраза.\n";
    WritePhrases(source);
    TTip tip;
    tip.show();
    EXPECT_EQ(env.log, EventLog{"error:Строка 1 файла «kemel.txt» не начинается с числа"});
    EXPECT_EQ(tip.Label1->text(), QStringLiteral("Всего приколов: 1000"));
    EXPECT_EQ(tip.Label2->text(), QString());
    EXPECT_EQ(tip.Label3->text(), QString());
    EXPECT_TRUE(PlainCopyLeft()) << "the failed showing leaves its plain copy, as the decode left it";
}

TEST_F(PhraseWindowTest, AMissingPhraseFileGivesTheErrorBox)
{
    TTip tip;
    tip.show();
    ASSERT_EQ(env.log.size(), 1u);
    EXPECT_EQ(env.log.front(), "error:Файл не найден: «" + env.ProgramFile("Prikol.dat") + "»");
    EXPECT_FALSE(PlainCopyLeft());
}

TEST_F(PhraseWindowTest, TheMainWindowsCommandShowsAFreshWindowAndFreesIt)
{
    WriteAllPhrases();
    TForm1 form;
    TTip startup; // the never-shown instance made at start-up
    Tip = &startup;
    QString shown;
    QWidget* owner = nullptr;
    env.onModal = [&](QDialog& dialog) {
        dialog.show();
        shown = static_cast<TTip&>(dialog).Label2->text();
        owner = dialog.parentWidget();
        EXPECT_NE(Tip.data(), &startup) << "the name points at the fresh window while it is shown";
    };
    form.ShowTipOfTheDay();
    EXPECT_EQ(env.log, EventLog{"modal:Tip"});
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Фраза номер "))) << shown.toStdString();
    EXPECT_EQ(owner, &form);
    EXPECT_EQ(Tip.data(), &startup);
    EXPECT_EQ(startup.Label2->text(), QString()) << "the start-up instance is never shown";
    Tip = nullptr;
}

TEST_F(PhraseWindowTest, ThePrikolnoButtonCloses)
{
    WriteAllPhrases();
    TTip tip;
    tip.show();
    ASSERT_TRUE(tip.isVisible());
    tip.SpeedButton1->click();
    EXPECT_FALSE(tip.isVisible());
}

} // namespace
