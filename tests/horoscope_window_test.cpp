// The horoscope window: the sign file chosen by the birth date, decoded, shown on the pages by
// line number, and its plain copy gone again.
#include "data/Horo.h"

#include "app/main.h"
#include "platform/widgets/Label3D.h"
#include "support/QtTestSupport.h"
#include "tools/DataFileBuilder.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Line n reads "Ключ n<tab>Значение n"; entry 24 has separators to break.
std::string NumberedSource(int lines)
{
    std::string text;
    for (int n = 1; n <= lines; ++n) {
        const std::string value =
            n == kSeductionEntry ? std::string("Улыбнитесь; шутите: всё. Готово.") : "Значение " + std::to_string(n);
        text += "Ключ " + std::to_string(n) + "\t" + value + "\n";
    }
    return text;
}

class HoroscopeWindowTest : public ::testing::Test {
protected:
    HoroscopeWindowTest()
    {
        fs::create_directories(env.folder / "Data");
        BornOn(23, 8); // a Lion
    }
    ~HoroscopeWindowTest() override { CurrentProfile = ProfileRecord{}; }

    static void BornOn(int day, int month)
    {
        CurrentProfile = ProfileRecord{};
        CurrentProfile.Year = 1980;
        CurrentProfile.Month = static_cast<std::uint16_t>(month);
        CurrentProfile.Day = static_cast<std::uint16_t>(day);
    }

    // A scrambled sign file in the program's Data folder, made from UTF-8 source text.
    void WriteSignFile(const std::string& name, const std::string& source)
    {
        WriteBytes(env.folder / "Data" / name, ScrambleSource(source, kSignFileKey, name));
    }

    QString Caption(const THoroscop& window, int label) const
    {
        const QLabel* found = window.findChild<QLabel*>(QStringLiteral("Label%1").arg(label));
        return found ? found->text() : QStringLiteral("<no Label%1>").arg(label);
    }

    WindowTestEnvironment env{At(2026, 12, 11, 9, 0, 0)};
};

TEST_F(HoroscopeWindowTest, EachControlShowsTheValueOfItsLine)
{
    WriteSignFile("Lev.dat", NumberedSource(30));
    THoroscop window;
    window.show();

    EXPECT_TRUE(env.log.empty()) << env.log.front();
    EXPECT_EQ(window.dxfLabel1->text(), QStringLiteral("Лев"));
    struct Row {
        int label;
        int line;
    };
    const Row labels[] = {{13, 2},  {18, 7},  {24, 13}, {25, 14}, {29, 18}, {30, 19},
                          {33, 22}, {34, 23}, {36, 25}, {37, 26}, {38, 27}, {39, 28}, {40, 29}};
    for (const Row& row : labels)
        EXPECT_EQ(Caption(window, row.label), QStringLiteral("Значение %1").arg(row.line)) << "Label" << row.label;
    EXPECT_EQ(Caption(window, 35), QStringLiteral("Улыбнитесь;\n шутите:\n всё.\n\n Готово.\n\n"));
    const std::pair<QPlainTextEdit*, int> memos[] = {
        {window.Memo1, 15}, {window.Memo2, 16}, {window.Memo3, 20}, {window.Memo4, 21}, {window.Memo5, 17}};
    for (const auto& [memo, line] : memos)
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("Значение %1").arg(line)) << memo->objectName().toStdString();
    EXPECT_EQ(window.SignLines[1], "Значение 1") << "line 1 is read though not shown";
    EXPECT_FALSE(fs::exists(env.folder / "Lev.dat")) << "the plain copy is deleted";
    EXPECT_TRUE(fs::exists(env.folder / "Data" / "Lev.dat"));
}

TEST_F(HoroscopeWindowTest, TheBirthDayAndMonthChooseTheSignAndItsFile)
{
    // Each file says which it is: "файл 1" for Oven.dat and so on.
    const char* const files[] = {"Oven.dat", "Telets.dat", "Twins.dat",    "Rak.dat",     "Lev.dat",     "Deva.dat",
                                 "Vesi.dat", "Scorpion.dat", "Strelets.dat", "Kozerog.dat", "Vodoley.dat", "Ribi.dat"};
    for (int i = 0; i < 12; ++i)
        WriteSignFile(files[i], "Знак\t-\nДата\tфайл " + std::to_string(i + 1) + "\n");
    struct Row {
        int day, month;
        const char* sign;
        const char* fileSaysItIs;
    };
    const Row rows[] = {
        {20, 4, "Овен", "файл 1"},     {21, 4, "Телец", "файл 2"},    {23, 8, "Лев", "файл 5"},
        {24, 8, "Дева", "файл 6"},     {21, 12, "Стрелец", "файл 9"}, {22, 12, "Козерог", "файл 10"},
        {1, 1, "Козерог", "файл 10"},  {29, 2, "Рыбы", "файл 12"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.day) + "." + std::to_string(row.month));
        BornOn(row.day, row.month);
        THoroscop window;
        window.show();
        EXPECT_EQ(window.dxfLabel1->text().toStdString(), row.sign);
        EXPECT_EQ(Caption(window, 13).toStdString(), row.fileSaysItIs);
    }
    EXPECT_TRUE(env.log.empty());
}

TEST_F(HoroscopeWindowTest, AShortFileLeavesTheLaterPlacesEmpty)
{
    WriteSignFile("Lev.dat", NumberedSource(3));
    THoroscop window;
    window.show();
    EXPECT_EQ(Caption(window, 13), QStringLiteral("Значение 2"));
    EXPECT_EQ(Caption(window, 14), QStringLiteral("Значение 3"));
    for (int label : {15, 24, 25, 29, 30, 33, 35, 40})
        EXPECT_EQ(Caption(window, label), QString()) << "Label" << label;
    for (QPlainTextEdit* memo : {window.Memo1, window.Memo2, window.Memo3, window.Memo4, window.Memo5})
        EXPECT_EQ(memo->toPlainText(), QString()) << memo->objectName().toStdString();
}

TEST_F(HoroscopeWindowTest, AMissingSignFileIsReportedAndLeavesNoPlainCopy)
{
    THoroscop window;
    window.show();
    ASSERT_EQ(env.log.size(), 1u);
    EXPECT_EQ(env.log.front().rfind("error:Файл не найден", 0), 0u) << env.log.front();
    EXPECT_NE(env.log.front().find("Lev.dat"), std::string::npos);
    EXPECT_FALSE(fs::exists(env.folder / "Lev.dat"));
    EXPECT_EQ(window.dxfLabel1->text(), QStringLiteral("Лев"));
}

TEST_F(HoroscopeWindowTest, ARightClickOnAMemoSaysNoCopyExceptOnTheSecond)
{
    WriteSignFile("Lev.dat", NumberedSource(30));
    THoroscop window;
    window.show();
    auto press = [](QPlainTextEdit* memo, Qt::MouseButton button, Qt::MouseButtons held) {
        // Sent straight to the memo: the window system would also open its context menu.
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), memo->viewport()->mapToGlobal(QPointF(5, 5)),
                          button, held, Qt::NoModifier);
        QApplication::sendEvent(memo->viewport(), &event);
    };
    struct Row {
        QPlainTextEdit* memo;
        Qt::MouseButton button;
        Qt::MouseButtons held;
        EventLog expected;
    };
    const Row rows[] = {
        {window.Memo1, Qt::RightButton, Qt::RightButton, {"message:No Copy!!!"}},
        {window.Memo3, Qt::RightButton, Qt::RightButton, {"message:No Copy!!!"}},
        {window.Memo4, Qt::LeftButton, Qt::LeftButton | Qt::RightButton, {"message:No Copy!!!"}},
        {window.Memo5, Qt::RightButton, Qt::RightButton, {"message:No Copy!!!"}},
        {window.Memo2, Qt::RightButton, Qt::RightButton, {}},
        {window.Memo1, Qt::LeftButton, Qt::LeftButton, {}},
    };
    for (const Row& row : rows) {
        env.log.clear();
        press(row.memo, row.button, row.held);
        EXPECT_EQ(env.log, row.expected) << row.memo->objectName().toStdString();
    }
}

TEST_F(HoroscopeWindowTest, AKeyInAnyMemoAsksToReadAndThenWorksAsUsual)
{
    WriteSignFile("Lev.dat", NumberedSource(30));
    THoroscop window;
    window.show();
    const std::string justRead = "message:Зачем, что-то печатать!!! Просто читайте и наслаждайтесь!!! ;)";
    for (QPlainTextEdit* memo : {window.Memo1, window.Memo2, window.Memo3, window.Memo4, window.Memo5}) {
        SCOPED_TRACE(memo->objectName().toStdString());
        env.log.clear();
        memo->moveCursor(QTextCursor::Start);
        QTest::keyClick(memo, Qt::Key_End);
        QTest::keyClick(memo, Qt::Key_Shift);
        QTest::keyClick(memo, Qt::Key_X);
        EXPECT_EQ(env.log, (EventLog{justRead, justRead, justRead}));
        EXPECT_EQ(memo->textCursor().position(), memo->toPlainText().size()) << "End still moved the cursor";
        EXPECT_EQ(memo->toPlainText().left(8), QStringLiteral("Значение")) << "the text is not typed into";
    }
}

} // namespace
