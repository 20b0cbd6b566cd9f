#pragma once

#include <QStatusBar>
#include <QString>

#include <array>

class QLabel;
class QProgressBar;

// What the status bar shows of the verse editor.
struct TEditorStatus
{
    bool visible = false;
    bool modified = false;
    int line = 1;   // displayed line of the caret, from 1
    int column = 0; // caret column within the displayed line, from 0
};

// How many of w, w(1) .. w(4) have an entry in the rhyme list (0..5).
int CountPronunciations(const QString &lookupWord);
// "1 pronunciation for 'w'" or "N pronunciations for 'w'".
QString PronunciationText(int count, const QString &lookupWord);

// Six panels: modified, line, column, the pronunciation count, the progress bar's place and
// one spare.
class TDictStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr std::array<int, 6> Widths = {50, 50, 50, 150, 150, 50};
    static constexpr int MaxPanelWidth = 320;

    explicit TDictStatusBar(QWidget *parent);

    QLabel *Panel(int index) const { return panels_[std::size_t(index)]; }
    void UpdateStatusBar(const QString &word, const QString &lookupWord,
                         const TEditorStatus &editor);

    // The progress bar of long network reads; exists only between start and end.
    QProgressBar *StatusProgress() const { return progress_; }
    void StartStatus();
    void UpdateStatus();
    void EndStatus();
    // An action's hint goes into the first panel while it lasts; an empty hint ends it.
    void ShowHint(const QString &hint);
    // The word, line and syllable totals of the document or selection, in the last panel.
    void ShowTotals(const QString &totals);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetText(int index, const QString &text, int minimumWidth);

    static constexpr int Padding = 12;

    std::array<QLabel *, 6> panels_{};
    bool hinting_ = false;
    QString beforeHint_;
    QProgressBar *progress_ = nullptr;
};
