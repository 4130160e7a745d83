#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

class QTimer;

// A panel whose text rolls slowly upward, as film credits do: each entry is a paragraph in
// its own font and colour, word-wrapped to the panel's width. The text enters at the bottom
// edge, leaves at the top, and comes round again.
class ScrollingCredits : public QWidget {
    Q_OBJECT

  public:
    struct Entry {
        QString text;
        QFont font;
        QColor color;
    };

    explicit ScrollingCredits(QWidget* parent = nullptr);

    void setEntries(const QList<Entry>& entries);
    const QList<Entry>& entries() const { return entries_; }
    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor& color);
    // Milliseconds between one-pixel steps.
    int interval() const;
    void setInterval(int ms);

    bool isScrolling() const;
    void setScrolling(bool on);

    // How far the text has moved up since it entered: 0 puts its top at the bottom edge.
    int offset() const { return offset_; }
    void setOffset(int offset);
    // Height of the whole text at the current width.
    int contentHeight() const;

  public slots:
    // One pixel up; past the end the text enters again from the bottom.
    void step();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int entryHeight(const Entry& entry) const;

    QList<Entry> entries_;
    QColor fillColor_{0, 128, 0};
    QTimer* timer_ = nullptr;
    int offset_ = 0;
};
