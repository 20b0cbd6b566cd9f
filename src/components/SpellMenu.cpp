#include "SpellMenu.h"

#include "AppComponents.h"
#include "EditorHighlighter.h"
#include "SpellCheckSession.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("TSpellMenu", text);
}

// Replaces a stretch of the line as one undo step.
void Replace(QPlainTextEdit *editor, int from, int to, const QString &text)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
}

QAction *Entry(QMenu &menu, QAction *before, const QString &text)
{
    auto *action = new QAction(text, &menu);
    menu.insertAction(before, action);
    return action;
}

void AddSuggestions(QMenu &menu, QAction *before, QPlainTextEdit *editor, int from, int to,
                    const QStringList &suggestions)
{
    for (const QString &suggestion : suggestions)
        QObject::connect(Entry(menu, before, suggestion), &QAction::triggered, editor,
                         [editor, from, to, suggestion] { Replace(editor, from, to, suggestion); });
    if (suggestions.isEmpty())
        Entry(menu, before, Tr("(no suggestions)"))->setEnabled(false);
}

// Every occurrence of the word in the document, each in its own case, as one undo step.
void AddChangeAll(QMenu &menu, QAction *before, QPlainTextEdit *editor,
                  const QPointer<TEditorHighlighter> &live, int position,
                  const QStringList &suggestions)
{
    if (suggestions.isEmpty())
        return;
    auto *changeAll = new QMenu(Tr("Change All"), &menu);
    for (const QString &suggestion : suggestions)
        QObject::connect(changeAll->addAction(suggestion), &QAction::triggered, editor,
                         [editor, live, position, suggestion] {
                             if (!live)
                                 return;
                             TSpellCheckSession session(*editor->document(), live->Checker(),
                                                        position);
                             if (session.Next() && session.CurrentPosition() == position)
                                 session.ChangeAll(suggestion);
                         });
    menu.insertMenu(before, changeAll);
}

} // namespace

bool AddSpellingEntries(QMenu &menu, QPlainTextEdit &editor, TEditorHighlighter &highlighter,
                        const QTextCursor &at,
                        const std::function<void(const QString &)> &reportError)
{
    const QTextBlock block = at.block();
    const std::optional<TMisspelling> found =
        highlighter.MisspellingAt(block, at.positionInBlock());
    if (!found)
        return false;
    const TMisspelling m = *found;
    QAction *before = menu.actions().isEmpty() ? nullptr : menu.actions().constFirst();
    const int from = block.position() + m.start;
    const int to = block.position() + m.end();
    QPointer<TEditorHighlighter> live(&highlighter);
    QPlainTextEdit *edit = &editor;
    if (m.kind == TMisspelling::Repeated) {
        // The word goes together with the space before it.
        int start = m.start;
        while (start > 0 && block.text().at(start - 1).isSpace())
            --start;
        start += block.position();
        QObject::connect(Entry(menu, before, Tr("Delete Repeated Word")), &QAction::triggered, edit,
                         [edit, start, to] { Replace(edit, start, to, {}); });
    } else {
        const QStringList suggestions = highlighter.Checker().Suggest(m.word);
        AddSuggestions(menu, before, edit, from, to, suggestions);
        AddChangeAll(menu, before, edit, live, from, suggestions);
        QObject::connect(Entry(menu, before, Tr("Add to dictionary")), &QAction::triggered, edit,
                         [live, word = m.word, reportError] {
                             if (!live)
                                 return;
                             QString error;
                             if (!live->Checker().AddWord(word, &error) && reportError)
                                 reportError(error);
                             live->rehighlight();
                         });
        QObject::connect(Entry(menu, before, Tr("Ignore All")), &QAction::triggered, edit,
                         [live, word = m.word] {
                             if (!live)
                                 return;
                             live->Checker().IgnoreAll(word);
                             live->rehighlight();
                         });
    }
    QObject::connect(Entry(menu, before, Tr("Ignore")), &QAction::triggered, edit,
                     [live, block, start = m.start] {
                         if (live)
                             live->IgnoreOnce(block, start);
                     });
    // The interactive check of the whole text, as the Spell Check command runs it.
    QObject::connect(Entry(menu, before, Tr("Spell Check...")), &QAction::triggered, edit,
                     [] { ExecuteAppAction(QStringLiteral("actSpellCheck")); });
    menu.insertSeparator(before);
    return true;
}
