#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

#include <functional>
#include <stdexcept>

class TDictEditor;
class TVerseGutters;

// What a page may reach besides the settings and the dictionary set: the verse editor and its
// gutters (null when there is none) and where a refused value is reported (a message box unless
// replaced).
struct TOptionsContext
{
    TDictEditor *editor = nullptr;
    TVerseGutters *gutters = nullptr; // the editor frame's gutters, when there is one
    std::function<void(const QString &message)> ShowMessage;
};

// A value a page cannot accept; names the option and the box that holds it.
class EInvalidOptionException : public std::runtime_error
{
public:
    EInvalidOptionException(const QString &optionName, QWidget *edit);

    QString Message() const { return message_; }
    QWidget *Edit() const { return edit_; }

private:
    QString message_;
    QPointer<QWidget> edit_;
};

// One page of the Options dialog. A page loads its values when it is created and writes them
// back only in Apply, which runs after every page has passed Validate.
class TOptionsFrame : public QFrame
{
    Q_OBJECT

public:
    explicit TOptionsFrame(QWidget *parent = nullptr);

    // The page's place in the tree: "Name", or "Parent|Name" for a page below another node.
    virtual QString Title() const = 0;
    // Throws EInvalidOptionException for a value that cannot be applied.
    virtual void Validate() {}
    virtual void Apply() = 0;
};
