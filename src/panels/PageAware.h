#pragma once

#include <QString>

// A panel that works only while its page is the host frame's current page (the DICT panel, the
// web dictionary panels). The host tells it on every page change.
class TPageAware
{
public:
    virtual void SetActive(bool active) = 0;

protected:
    ~TPageAware() = default;
};

// A web dictionary panel: the host gives it the URL template of its entry right after creating it.
class TUrlTemplatePanel
{
public:
    virtual void SetTemplate(const QString &urlTemplate) = 0;

protected:
    ~TUrlTemplatePanel() = default;
};
