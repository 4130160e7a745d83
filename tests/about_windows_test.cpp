// The about, thanks, advisers and picture windows.
#include "extras/MyFoto.h"
#include "extras/Thanks.h"
#include "extras/ThanksBox.h"
#include "extras/aboutmenu.h"

#include "app/main.h"
#include "platform/widgets/BorderlessWindow.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Label3D.h"
#include "platform/widgets/ScrollingCredits.h"
#include "support/QtTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutWindowsTest : public ::testing::Test {
  protected:
    void WriteCounter(const char* value)
    {
        WriteBytes(env.folder / "ortavi.ini", std::string("[Ortavi]\r\nMach=") + value + "\r\n");
    }

    WindowTestEnvironment env{At(2026, 12, 11, 9, 0, 0)};
};

TEST_F(AboutWindowsTest, AboutShowsTheCounterAsStoredAtEachOpening)
{
    {
        TAboutBox about;
        EXPECT_EQ(about.Label7->text(), QString()) << "no ortavi.ini";
    }
    WriteCounter("7");
    {
        TAboutBox about;
        EXPECT_EQ(about.Label7->text(), QStringLiteral("7"));
    }
    WriteCounter("8");
    TAboutBox about;
    EXPECT_EQ(about.Label7->text(), QStringLiteral("8"));
    EXPECT_EQ(about.Version->text(), QStringLiteral("Version 6.04 (Build 231)"));
    EXPECT_EQ(about.dxfLabel2->text(), QStringLiteral("27.06.2004"));
    EXPECT_EQ(about.dxfLabel1->text(), QStringLiteral("ORTAVI"));
    EXPECT_EQ(about.Label13->text(), QStringLiteral("Помощь будет оценена по достоинству!!! ;)"));
    EXPECT_EQ(about.Label10->text(), QStringLiteral("Или сюда:"));
    EXPECT_EQ(about.Comments->text(), QString());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе..."));
    EXPECT_EQ(about.size(), QSize(643, 411));
    EXPECT_FALSE(about.mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(about.abfCredits1->isScrolling());
    EXPECT_EQ(about.abfCredits1->interval(), 25);
    EXPECT_EQ(about.abfCredits1->entries().front().text, QStringLiteral("Здравствуйте!!!"));
    EXPECT_TRUE(env.log.empty());
}

TEST_F(AboutWindowsTest, PlaceholdersAreMarkedAndAddressesReserved)
{
    TAboutBox about;
    for (QLabel* account : {about.Label9, about.Label11, about.Label12})
        EXPECT_TRUE(account->text().contains(QStringLiteral("ПРИМЕР"))) << account->text().toStdString();
    for (FlatButton* link : {about.SpeedButton2, about.SpeedButton3})
        EXPECT_TRUE(link->text().contains(QStringLiteral("example.org"))) << link->text().toStdString();
}

TEST_F(AboutWindowsTest, TheNameAsksAndAnswers)
{
    // Dialogs of our own, to answer the question Yes and then No.
    ScriptedDialogs answering(env.log);
    answering.answers = {true, false};
    Dialogs* previous = SetDialogs(&answering);
    TAboutBox about;
    about.show();
    QTest::mouseClick(about.dxfLabel1, Qt::LeftButton);
    QTest::mouseClick(about.dxfLabel1, Qt::LeftButton);
    EXPECT_EQ(env.log,
              (EventLog{"confirm:Фо, Интересненькоо?? ;))",
                        "message:Пасибки за Интерес, но тутки ничего нетуть! :(",
                        "confirm:Фо, Интересненькоо?? ;))", "message:Не интересненькоо?? Ща надуюсь ;))"}));
    SetDialogs(previous);
}

TEST_F(AboutWindowsTest, CopyButtonsPutTheirCaptionOnTheClipboard)
{
    TAboutBox about;
    about.show();
    const struct {
        FlatButton* button;
        QLabel* caption;
    } rows[] = {{about.SpeedButton4, about.Label9},
                {about.SpeedButton5, about.Label11},
                {about.SpeedButton6, about.Label12}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption->objectName().toStdString());
        QGuiApplication::clipboard()->setText(QStringLiteral("прежнее"));
        QTest::mouseClick(row.button, Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.caption->text());
    }
}

TEST_F(AboutWindowsTest, LinksGoThroughTheShell)
{
    TAboutBox about;
    about.show();
    QTest::mouseClick(about.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(about.SpeedButton2, Qt::LeftButton);
    QTest::mouseClick(about.SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(env.log, (EventLog{"open:https://www.example.org/ortavi/messenger/",
                                 "open:mailto:ortavi@example.org", "open:https://www.example.org/ortavi/"}));
}

TEST_F(AboutWindowsTest, DraggedByItsBottomStripNotByItsPanels)
{
    TAboutBox about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QPoint start = about.pos();
    QTest::mousePress(&about, Qt::LeftButton, {}, QPoint(200, 395));
    QTest::mouseMove(&about, QPoint(230, 375));
    QTest::mouseRelease(&about, Qt::LeftButton, {}, QPoint(230, 375));
    EXPECT_EQ(about.pos(), start + QPoint(30, -20));

    const QPoint moved = about.pos();
    QTest::mousePress(about.Panel1, Qt::LeftButton, {}, QPoint(150, 120));
    QTest::mouseMove(about.Panel1, QPoint(170, 140));
    QTest::mouseRelease(about.Panel1, Qt::LeftButton, {}, QPoint(170, 140));
    EXPECT_EQ(about.pos(), moved);

    QTest::mouseClick(about.dxfColorButton1, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindowsTest, TheCornerButtonShowsAndHidesTheHiddenLineAndPictures)
{
    TOKBottomDlg thanks;
    thanks.show();
    auto hidden = [&] {
        std::vector<QWidget*> widgets{thanks.Label20};
        for (int k = 2; k <= 7; ++k)
            widgets.push_back(thanks.findChild<QWidget*>(QStringLiteral("Image%1").arg(k)));
        return widgets;
    }();
    ASSERT_EQ(hidden.size(), 7u);
    for (QWidget* w : hidden) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(thanks.SpeedButton3->size(), QSize(5, 5));
    EXPECT_EQ(thanks.SpeedButton3->geometry().bottomLeft(), QPoint(0, thanks.height() - 1));

    QTest::mouseClick(thanks.SpeedButton3, Qt::LeftButton);
    for (QWidget* w : hidden)
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    QTest::mouseClick(thanks.SpeedButton3, Qt::LeftButton);
    for (QWidget* w : hidden)
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST_F(AboutWindowsTest, TheBlueNamesDoNothing)
{
    TOKBottomDlg thanks;
    thanks.show();
    ASSERT_TRUE(thanks.Label17);
    ASSERT_TRUE(thanks.Label22);
    EXPECT_EQ(thanks.Label17->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(thanks.Label17->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QTest::mouseClick(thanks.Label17, Qt::LeftButton);
    QTest::mouseClick(thanks.Label22, Qt::LeftButton);
    EXPECT_TRUE(env.log.empty());
    EXPECT_TRUE(thanks.isVisible());
    EXPECT_FALSE(thanks.Label20->isVisible());
}

TEST_F(AboutWindowsTest, ThanksButtons)
{
    TOKBottomDlg thanks;
    thanks.show();
    QTest::mouseClick(thanks.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(thanks.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(env.log, (EventLog{"open:https://www.winehq.org/", "modal:Assistance"}));
    EXPECT_FALSE(Assistance) << "the advisers' window is freed after its showing";
    QTest::mouseClick(thanks.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(thanks.result(), QDialog::Accepted);
    EXPECT_FALSE(thanks.isVisible());
}

TEST_F(AboutWindowsTest, AdvisersAndPictureWindowsClose)
{
    TAssistance advisers;
    advisers.show();
    EXPECT_EQ(advisers.windowTitle(), QStringLiteral("Советчики..."));
    QTest::mouseClick(advisers.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(advisers.isVisible());

    TMe me;
    me.show();
    EXPECT_EQ(me.size(), QSize(339, 516));
    EXPECT_FALSE(me.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(me.mask().contains(QPoint(170, 0)));
    ASSERT_FALSE(me.Image1->pixmap().isNull());
    EXPECT_EQ(me.Image1->pixmap().size(), QSize(288, 444));
    EXPECT_EQ(me.dxfColorButton1->text(), QStringLiteral("Симпатично"));
    QTest::mouseClick(me.dxfColorButton1, Qt::LeftButton);
    EXPECT_FALSE(me.isVisible());
}

TEST_F(AboutWindowsTest, TheMainWindowsButtonsOpenAboutAndThanks)
{
    TForm1 form;
    std::vector<QWidget*> owners;
    env.onModal = [&](QDialog& dialog) { owners.push_back(dialog.parentWidget()); };
    QTest::mouseClick(form.SpeedButton5, Qt::LeftButton);
    QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
    form.ShowAbout();
    form.ShowThanks();
    EXPECT_EQ(env.log,
              (EventLog{"modal:AboutBox", "modal:OKBottomDlg", "modal:AboutBox", "modal:OKBottomDlg"}));
    EXPECT_EQ(owners, (std::vector<QWidget*>(4, &form)));
    EXPECT_FALSE(AboutBox);
    EXPECT_FALSE(OKBottomDlg);
}

} // namespace
