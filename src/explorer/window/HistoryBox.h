#pragma once

#include <QComboBox>

// The lookup box, whose items are the history of looked-up words with a current position.
// Delete while the drop-down is open removes the highlighted entry.
class THistoryBox : public QComboBox
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 40;

    explicit THistoryBox(QWidget *parent);

    QString Text() const;
    void SetText(const QString &text);
    // A new search moves its word to the end; a navigation moves the position to its entry.
    void Record(const QString &word, bool navigating);
    int Position() const { return position_; }
    QString Entry(int at) const { return itemText(at); }
    // The entry Previous goes to: the one before the position, or the position's own entry when
    // the current word differs from it; empty when there is none.
    QString PreviousEntry(const QString &currentWord) const;

signals:
    void EntryDeleted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int position_ = -1;
};
