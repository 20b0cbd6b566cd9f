#pragma once

#include "AppFolders.h"
#include "DictFrame.h"
#include "PageAware.h"
#include "Thesaurus.h"
#include "ThesaurusTree.h"
#include "WordNote.h"

class QLabel;
class QLineEdit;
class TContextBox;
class TMetaTree;
class TUpDown;

// The visual thesaurus: the lookup word in the middle of a hyperbolic tree, the words of one
// context around it and their own synonyms beyond. A click on a word makes it the current
// word. The tree is built only while its page is the active one.
class TfrmVisualThesaurus : public TDictFrame, public TPageAware
{
    Q_OBJECT

public:
    TfrmVisualThesaurus(QWidget *owner, int mode);
    ~TfrmVisualThesaurus() override;
    static void Register();

    void ShowTree(bool active);
    void SetActive(bool active) override { ShowTree(active); }

    TMetaTree *MetaTree1() const { return metaTree_; }
    TContextBox *ComboBox1() const { return comboBox_; }
    QLineEdit *edtLevel1() const { return edtLevel1_; }
    QLineEdit *edtLevel2() const { return edtLevel2_; }
    TUpDown *UpDown1() const { return upDown1_; }
    TUpDown *UpDown2() const { return upDown2_; }
    QWidget *Panel1() const { return panel1_; }

    // Notification handlers.
    void RefreshWord(QObject *sender = nullptr);
    void RefreshContext(QObject *sender = nullptr);
    void ArrangeBar(QObject *sender = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildBar();
    void BuildTree();
    // A context below 0 lists the word's contexts anew and shows the default one.
    void Rebuild(const QString &word, int context);
    void FillContextBox();
    int SelectedContext() const;
    void ShowStoredLimits();
    void LevelLeft(QLineEdit *edit, bool first);
    void FitDistance();
    void MetaTree1Click();
    void WanderTo(TMTNode *node);
    void PickClickedWord();
    static QString KindName(const TMTNode &node);
    void LevelEdited(QLineEdit *edit, bool first);
    static TTreeLimits StoredLimits();

    QWidget *panel1_ = nullptr;
    QLabel *label1_ = nullptr;
    TContextBox *comboBox_ = nullptr;
    QLabel *lblLevel1_ = nullptr;
    QLineEdit *edtLevel1_ = nullptr;
    TUpDown *upDown1_ = nullptr;
    QLabel *lblLevel2_ = nullptr;
    QLineEdit *edtLevel2_ = nullptr;
    TUpDown *upDown2_ = nullptr;
    QWidget *tbMetaTree_ = nullptr;
    TMetaTree *metaTree_ = nullptr;
    TThesaurus Thesaurus1;
    TThesaurusTree builder_{Thesaurus1};
    bool changing_ = false;
    QString clickedWord_;
    TWordNote note_{WordExplorerFile()};
};

// Registers the visual thesaurus with the panel factory.
void RegisterVisualPanels();
