#pragma once

#include <QFrame>
#include <QString>

#include <functional>

class QWidget;

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

    // Creates a panel by its class name ("TfrmRhymes"); null for a class not registered.
    using Factory = std::function<TDictFrame *(QWidget *owner, int mode)>;
    static TDictFrame *Create(const QString &className, QWidget *owner, int mode);
    static void RegisterClass(const QString &className, Factory factory);
    static bool IsRegistered(const QString &className);

protected:
    // Whether the application is in this panel's mode; refreshes do nothing otherwise.
    bool IsLive() const;

private:
    int mode_;
    QWidget *panel2_ = nullptr;
};
