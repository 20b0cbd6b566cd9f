#pragma once

#include <QComboBox>
#include <QString>

class QPainter;

// A drop-down list of thesaurus contexts drawn in two columns: the context word, then its kind
// name lined up 3 pixels after the widest context word of the list.
class TContextBox : public QComboBox
{
    Q_OBJECT

public:
    static constexpr int ItemHeight = 16;
    static constexpr int KindGap = 3;
    static constexpr int VisibleItems = 16;

    TContextBox(QWidget *parent, const QString &name);

    void Clear();
    void AddContext(const QString &word, const QString &kind);
    // The context word with the most characters, the first on ties.
    QString LongestContext() const { return longest_; }
    QString KindName(int index) const;
    // Where the kind names start, relative to an item's left edge.
    int KindOffset() const;
    // Draws the item at index into rect: the background, the word, then the kind name.
    void DrawItem(QPainter &painter, const QRect &rect, int index, bool selected) const;
    // The width that both columns need: the widest word, the gap and the widest kind name.
    int ContentWidth() const;

    QSize sizeHint() const override;
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize WithKinds(QSize size) const;

    QString longest_;
};
