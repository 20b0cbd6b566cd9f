#pragma once

#include <QFrame>

class TDockPanel;
class TPronunciationBar;
class TVerseFormChooser;

// The "Common" side group: pronunciation buttons on top, the verse-form chooser at the bottom,
// and between them the docked rhymes panel above the thesaurus panel.
class TfrmCommon : public QFrame
{
    Q_OBJECT

public:
    explicit TfrmCommon(QWidget *parent = nullptr);
    ~TfrmCommon() override;

    TDockPanel *pnlDock() const { return dock_; }
    TPronunciationBar *pnlPronunciation() const { return bar_; }
    TVerseFormChooser *pnlVerseForm() const { return chooser_; }

    // At the main window's first activation: no pronunciation yet, chooser as the settings say.
    void StartupReset();
    void WordChange(QObject *sender);

private:
    TDockPanel *dock_ = nullptr;
    TPronunciationBar *bar_ = nullptr;
    TVerseFormChooser *chooser_ = nullptr;
};
