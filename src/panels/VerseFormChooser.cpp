#include "VerseFormChooser.h"

#include "AppComponents.h"
#include "AppFolders.h"
#include "Settings.h"
#include "UpdateBracket.h"
#include "VerseFormExample.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The file name without its extension: the text from the last "." on, when that "." is part
// of the name rather than of a folder.
QString WithoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return dot > slash ? fileName.left(dot) : fileName;
}

QFont SmallArial()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

} // namespace

void TDropDownCombo::showPopup()
{
    emit DropDown();
    QComboBox::showPopup();
}

TVerseFormChooser::TVerseFormChooser(QWidget *parent)
    : TPanel(parent, QStringLiteral("pnlVerseForm"))
{
    setFixedHeight(StripHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto *caption = new TPanel(this, QStringLiteral("pnlVerseFormCaption"));
    caption->SetCaption(tr("Verse Forms"));
    caption->setFixedHeight(22);
    caption->setFont(SmallArial());
    layout->addWidget(caption);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(2, 0, 2, 2);
    combo_ = new TDropDownCombo(this);
    combo_->setObjectName(QStringLiteral("cmbVerseForms"));
    combo_->setMaxVisibleItems(12);
    // Styles that drop a read-only combo down as a menu show every item, to the screen's edge;
    // a list shows the twelve rows.
    combo_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    button_ = new QToolButton(this);
    button_->setObjectName(QStringLiteral("btnVerseFormExample"));
    button_->setText(QStringLiteral("..."));
    button_->setAutoRaise(true);
    button_->setFixedSize(22, 22);
    button_->setEnabled(false);
    row->addWidget(combo_, 1);
    row->addWidget(button_);
    layout->addLayout(row);

    connect(combo_, &TDropDownCombo::DropDown, this, [this] { cmbVerseFormsDropDown(); });
    connect(combo_, &QComboBox::activated, this, [this](int i) { cmbVerseFormsSelect(i); });
    connect(button_, &QToolButton::clicked, this, [this] { btnVerseFormExampleClick(); });
}

QStringList TVerseFormChooser::VerseFormNames(const QString &folder)
{
    QStringList files;
    ListTextFiles(folder, files);
    std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const auto same = [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    files.erase(std::unique(files.begin(), files.end(), same), files.end());
    QStringList names;
    for (const QString &file : files)
        names.append(WithoutExtension(file));
    return names;
}

void TVerseFormChooser::cmbVerseFormsDropDown()
{
    const QString current = combo_->currentText();
    const QStringList names = VerseFormNames(VerseFormsFolder());
    {
        TUpdateBracket bracket(combo_);
        combo_->clear();
        combo_->addItems(names);
        // Keep showing the chosen form when it is still there.
        combo_->setCurrentIndex(int(names.indexOf(current)));
    }
    int widest = 0;
    for (const QString &name : names)
        widest = std::max(widest, combo_->fontMetrics().horizontalAdvance(name));
    combo_->view()->setMinimumWidth(widest + 24);
}

void TVerseFormChooser::cmbVerseFormsSelect(int index)
{
    if (index < 0)
        return;
    TDictSettings &settings = TDictSettings::Instance();
    settings.SelectVerseForm(combo_->itemText(index));
    settings.SetChosenVerseForm(combo_->itemText(index));
    button_->setEnabled(!settings.GetVerseFormExample().isEmpty());
    ExecuteAppAction(QStringLiteral("actVerseFormsUpdate"));
}

void TVerseFormChooser::RestoreChosen()
{
    TDictSettings &settings = TDictSettings::Instance();
    const QString chosen = settings.GetChosenVerseForm();
    if (chosen.isEmpty())
        return;
    cmbVerseFormsDropDown();
    if (const int index = combo_->findText(chosen); index >= 0) {
        combo_->setCurrentIndex(index);
        cmbVerseFormsSelect(index);
        return;
    }
    settings.SetChosenVerseForm(QString());
    if (auto *main = qobject_cast<QMainWindow *>(window()))
        main->statusBar()->showMessage(
            tr("The verse form \"%1\" is no longer in the Verse Forms folder; none is chosen.")
                .arg(chosen),
            15000);
}

void TVerseFormChooser::btnVerseFormExampleClick()
{
    TVerseForm::ShowExample();
}
