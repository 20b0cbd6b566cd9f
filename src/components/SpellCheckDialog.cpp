#include "SpellCheckDialog.h"

#include "SpellCheckSession.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The hourglass while the check looks for the next word.
class TBusyCursor
{
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

bool FindNext(TSpellCheckSession &session)
{
    TBusyCursor busy;
    return session.Next();
}

} // namespace

TSpellCheckDialog::TSpellCheckDialog(QPlainTextEdit &editor, TSpellCheckSession &session,
                                     QWidget *parent)
    : QDialog(parent), editor_(editor), session_(session)
{
    setObjectName(QStringLiteral("SpellCheckDialog"));
    setWindowTitle(tr("Spell Check"));
    ReportError = [this](const QString &message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    BuildControls();
    ConnectButtons();
    ShowCurrent();
}

void TSpellCheckDialog::BuildControls()
{
    lblProblem_ = new QLabel(this);
    edContext_ = new QTextEdit(this);
    edContext_->setObjectName(QStringLiteral("edContext"));
    edContext_->setReadOnly(true);
    edContext_->setFixedHeight(edContext_->fontMetrics().lineSpacing() * 4);
    edChangeTo_ = new QLineEdit(this);
    edChangeTo_->setObjectName(QStringLiteral("edChangeTo"));
    lbSuggestions_ = new QListWidget(this);
    lbSuggestions_->setObjectName(QStringLiteral("lbSuggestions"));

    auto *column = new QWidget(this);
    auto *buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, buttons](const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    btnChange_ = button(tr("Change"));
    btnChangeAll_ = button(tr("Change All"));
    btnIgnore_ = button(tr("Ignore"));
    btnIgnoreAll_ = button(tr("Ignore All"));
    btnAdd_ = button(tr("Add"));
    buttons->addStretch();
    btnCancel_ = button(tr("Cancel"));
    btnChange_->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblProblem_, 0, 0);
    grid->addWidget(edContext_, 1, 0);
    grid->addWidget(new QLabel(tr("Change to:"), this), 2, 0);
    grid->addWidget(edChangeTo_, 3, 0);
    grid->addWidget(new QLabel(tr("Suggestions:"), this), 4, 0);
    grid->addWidget(lbSuggestions_, 5, 0);
    grid->addWidget(column, 1, 1, 5, 1);
}

void TSpellCheckDialog::ConnectButtons()
{
    connect(lbSuggestions_, &QListWidget::currentTextChanged, edChangeTo_, &QLineEdit::setText);
    connect(lbSuggestions_, &QListWidget::itemDoubleClicked, btnChange_, &QPushButton::click);
    connect(btnChange_, &QPushButton::clicked, this, [this] {
        session_.Change(edChangeTo_->text());
        Advance();
    });
    connect(btnChangeAll_, &QPushButton::clicked, this, [this] {
        session_.ChangeAll(edChangeTo_->text());
        Advance();
    });
    connect(btnIgnore_, &QPushButton::clicked, this, [this] {
        session_.Ignore();
        Advance();
    });
    connect(btnIgnoreAll_, &QPushButton::clicked, this, [this] {
        session_.IgnoreAll();
        Advance();
    });
    connect(btnAdd_, &QPushButton::clicked, this, [this] { Add(); });
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TSpellCheckDialog::ShowCurrent()
{
    if (!session_.HasCurrent())
        return;
    const TMisspelling &m = session_.Current();
    const bool repeated = m.kind == TMisspelling::Repeated;
    lblProblem_->setText(repeated ? tr("Repeated word:") : tr("Not in dictionary:"));
    const QString line = session_.CurrentBlock().text();
    edContext_->setHtml(QStringLiteral("%1<b><font color=\"red\">%2</font></b>%3")
                            .arg(line.left(m.start).toHtmlEscaped(), m.word.toHtmlEscaped(),
                                 line.mid(m.end()).toHtmlEscaped()));
    lbSuggestions_->clear();
    lbSuggestions_->addItems(session_.Suggestions());
    btnAdd_->setEnabled(!repeated);
    btnIgnoreAll_->setEnabled(!repeated);
    if (lbSuggestions_->count() > 0)
        lbSuggestions_->setCurrentRow(0);
    else
        edChangeTo_->setText(repeated ? QString() : m.word);
    edChangeTo_->setFocus();
    SelectInEditor();
}

void TSpellCheckDialog::SelectInEditor()
{
    QTextCursor cursor(editor_.document());
    cursor.setPosition(session_.CurrentPosition());
    cursor.setPosition(session_.CurrentPosition() + session_.Current().length,
                       QTextCursor::KeepAnchor);
    editor_.setTextCursor(cursor);
    editor_.ensureCursorVisible();
    AvoidSelection();
}

void TSpellCheckDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once shown: the window system places a window as it maps it, over a move made before.
    QMetaObject::invokeMethod(this, &TSpellCheckDialog::AvoidSelection, Qt::QueuedConnection);
}

// Moves the dialog off the word it asks about: below it, or above it when there is no room below.
void TSpellCheckDialog::AvoidSelection()
{
    if (!isVisible() || !session_.HasCurrent())
        return;
    QTextCursor first(editor_.document());
    first.setPosition(session_.CurrentPosition());
    QTextCursor last(editor_.document());
    last.setPosition(session_.CurrentPosition() + session_.Current().length);
    const QWidget *view = editor_.viewport();
    const QRect word(view->mapToGlobal(editor_.cursorRect(first).topLeft()),
                     view->mapToGlobal(editor_.cursorRect(last).bottomRight()));
    const QRect frame = frameGeometry();
    if (!frame.intersects(word.normalized()))
        return;
    constexpr int Gap = 8;
    int top = word.normalized().bottom() + Gap;
    const QRect room = screen() ? screen()->availableGeometry() : QRect();
    if (room.isValid() && top + frame.height() > room.bottom())
        top = std::max(room.top(), word.normalized().top() - Gap - frame.height());
    move(frame.x(), top);
}

void TSpellCheckDialog::Advance()
{
    if (FindNext(session_))
        ShowCurrent();
    else
        accept();
}

void TSpellCheckDialog::Add()
{
    QString error;
    if (session_.Add(&error))
        Advance();
    else if (ReportError)
        ReportError(error);
}

bool TSpellCheckDialog::Execute(QPlainTextEdit &editor, TSpellChecker &checker,
                                const std::function<void(const QString &)> &message)
{
    if (!checker.IsAvailable()) {
        message(checker.ErrorMessage());
        return false;
    }
    TSpellCheckSession session(*editor.document(), checker, editor.textCursor().position());
    bool completed = true;
    if (FindNext(session)) {
        TSpellCheckDialog dialog(editor, session, editor.window());
        completed = dialog.exec() == QDialog::Accepted;
    }
    QTextCursor caret(editor.document());
    caret.setPosition(session.Caret());
    editor.setTextCursor(caret);
    editor.ensureCursorVisible();
    if (completed)
        message(tr("The spelling check is complete."));
    return completed;
}
