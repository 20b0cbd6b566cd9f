#pragma once

#include <QPointer>
#include <QStringList>

#include <vector>

class QTabWidget;
class QWidget;

// The pages a host frame builds for the enabled web dictionaries, after its own pages: one
// "TfrmGenericOnline" panel of the host's mode per page, told its template and, on every page
// change, whether its page is the current one. Without that panel class there are no pages.
class TWebTabs
{
public:
    TWebTabs(QTabWidget *pages, int mode);

    void Rebuild();
    // Whether the enabled entries of the settings differ from those the pages were built from
    // (a change made while the host's mode was not current).
    bool Stale() const;
    int Count() const;

    // The entries ("name=template") of a list whose names are enabled for lookups.
    static QStringList EnabledEntries(const QStringList &list);
    // The name of a "name=template" entry.
    static QString NameOf(const QString &entry);

private:
    void Clear();

    QTabWidget *pages_;
    int mode_;
    std::vector<QPointer<QWidget>> tabs_;
    QStringList builtFrom_;
};
