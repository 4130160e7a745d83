// Renders every window of the program to a PNG file, for a person to look at.
// Usage: ortavi_gallery <output folder>
#include "app/Version.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "extras/Loading.h"
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
#include <QMenu>
#include <QMenuBar>
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
    if (!window.grab().save(path)) {
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
    env.cdDrives.drives = {{"d:", 'd'}, {"e:", 'e'}};
    TForm1 form;
    Save(form, "main-empty");
    FillIvan(form, env.clock);
    Save(form, "main-filled");

    env.onModal = [](QDialog& dialog) { Save(dialog, dialog.objectName() == QLatin1String("result") ? "result" : "diagnosis"); };
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(resultWindow.SpeedButton2, Qt::LeftButton);
    result = nullptr;

    Save(*MakeInformationBox(ValidationText::kTooOld), "info-box");

    SaveWithMenu(form, *form.Extra1, form.findChild<QAction*>(QStringLiteral("N10")), "main-menu-extra");
    SaveWithMenu(form, *form.file1, form.findChild<QAction*>(QStringLiteral("N29")), "main-menu-file");
    SaveWithMenu(form, *form.PopupMenu1, form.findChild<QAction*>(QStringLiteral("N23")), "main-popup-menu");

    for (const std::string& line : env.log)
        std::printf("%s\n", line.c_str());
    return g_failures == 0 ? 0 : 1;
}
