#pragma once
// The name-day window: today's greeting and three searches over the name-day library (the
// names of a date, the dates of a name, the common dates of two names), whose results can
// be copied from a context menu. The library decodes its data when the window is made and
// drops its plain copy when the window goes.

#include <QDialog>
#include <QPointer>

class DatePanel;
class FlatButton;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QMouseEvent;
class QPushButton;
class QTabWidget;

class TNameDay : public QDialog {
    Q_OBJECT
public:
    explicit TNameDay(QWidget* parent = nullptr);
    ~TNameDay() override;

    void FormCreate();
    void FormDestroy();
    void SpeedButton1Click();
    void abfDatePanel1Change();
    void ListBox1Click();
    void BitBtn1Click();
    void N1Click();
    void N2Click();
    void ListBoxMouseDown(QListWidget* list, const QMouseEvent& event);
    void ComboEnter(QComboBox* combo);

    QLabel* Label1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    DatePanel* abfDatePanel1 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* Label5 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* dxfComboBox1 = nullptr;
    QComboBox* dxfComboBox2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QListWidget* ListBox4 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGreeting();
    void BuildDatePage();
    void BuildNamePage();
    void BuildCommonPage();
    QListWidget* ResultList(QWidget* parent, const char* name, QRect place);
    void ShowGreeting(const QString& caption);
    QListWidget* FocusedList() const;
};

extern QPointer<TNameDay> NameDay;
