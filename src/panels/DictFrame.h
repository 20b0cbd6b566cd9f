#pragma once

#include "Panel.h"

#include <QFrame>
#include <QString>

#include <functional>

class QWidget;
class QVBoxLayout;

// Base of every panel that shows results for the current word. A panel lives in one application
// mode (0 Lookup, 1 Cadenzio) for its whole life and reacts only while that mode is current.
class TDictFrame : public QFrame
{
    Q_OBJECT

public:
    TDictFrame(QWidget *owner, int mode);
    ~TDictFrame() override;

    int Mode() const { return mode_; }
    // The caption strip on top of the panel.
    QWidget *Panel2() const { return panel2_; }
    void SetCaption(const QString &caption);
    QString Caption() const;

    // Creates a panel by its class name ("TfrmRhymes"); null for a class not registered.
    using Factory = std::function<TDictFrame *(QWidget *owner, int mode)>;
    static TDictFrame *Create(const QString &className, QWidget *owner, int mode);
    static void RegisterClass(const QString &className, Factory factory);
    static bool IsRegistered(const QString &className);

    static constexpr int CaptionHeight = 22;

protected:
    // Whether the application is in this panel's mode; refreshes do nothing otherwise.
    bool IsLive() const;
    // Pushes the dictionary set's UI font down the panel's controls.
    void ApplyUIFont();
    // Places the panel's body below the caption strip, filling the rest.
    void SetBody(QWidget *body);
    // Clears the check mark of the main window's view action that shows this panel, if any.
    static void UncheckAction(const QString &actionName);

private:
    int mode_;
    TPanel *panel2_ = nullptr;
    QVBoxLayout *layout_ = nullptr;
};
