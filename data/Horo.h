#pragma once
// The horoscope: sixteen pages about the current person's zodiac sign. Every showing decodes
// the sign's file into the temporary folder, reads it (data/SignFile.h), fills the pages and
// deletes the plain copy again.

#include "data/SignFile.h"

#include <QDialog>
#include <QPointer>

#include <string>

class Label3D;
class MultiRowTabWidget;
class QPlainTextEdit;

class THoroscop : public QDialog {
    Q_OBJECT
public:
    explicit THoroscop(QWidget* parent = nullptr);

    void FormShow();
    // The memos' mouse press (not Memo2's) and key press.
    void MemoMouseDown(Qt::MouseButtons held);
    void MemoKeyDown(int key);

    Label3D* dxfLabel1 = nullptr;
    MultiRowTabWidget* PageControl1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    QPlainTextEdit* Memo5 = nullptr;

    // The values of the last sign file read, entry n from line n.
    SignTexts SignLines;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The sign file for the sign dxfLabel1 shows; empty when it shows no sign.
    std::string SignFileName() const;
};

extern QPointer<THoroscop> Horoscop;
